// Files that change under the reader or are too large to embed fall back to
// the path as text (native: the stand-in file layer lets a test intervene).
#include <gtest/gtest.h>

#include <filesystem>

#include "host/action_table.h"
#include "platform/file_access.h"
#include "platform/host_memory.h"
#include "platform/standin/file_access_standin.h"
#include "script/data_uri_embedding.h"
#include "tests/unit/script_test_support.h"

using namespace script_test;

namespace {
std::filesystem::path changingFile;
int changeAfterReads = 0;
uintmax_t changeToBytes = 0;

void resizeDuringRead(FileHandle, int reads) {
  if (reads == changeAfterReads) std::filesystem::resize_file(changingFile, changeToBytes);
}

// Installs the hook for one test: after `reads` reads the file gets `bytes` bytes.
struct FileChange {
  FileChange(const std::string& name, const std::string& content, int reads, uintmax_t bytes) {
    path = writeScratchFile(name, content);
    changingFile = scratchDirectory() / name;
    changeAfterReads = reads;
    changeToBytes = bytes;
    setFileAccessHook(resizeDuringRead);
  }
  ~FileChange() { setFileAccessHook(nullptr); }
  std::u16string path;
};

std::string plainSetProp(const std::u16string& path) {
  std::string escaped;
  for (char16_t c : path) escaped += c == u'\\' ? std::string("\\\\") : std::string(1, static_cast<char>(c));
  return tavix("R", "window.ZUVO.setProp('img','src','" + escaped + "');");
}

std::string sentFor(const std::u16string& path) { return sentBy(kZuvoSet, {u"R", u"img", u"src", path}); }
}  // namespace

TEST(EmbedFaults, FileThatShrinksAfterItsSizeWasTakenIsSentAsPath) {
  {
    FileChange change("shrinks.png", std::string(1000, 'x'), 0, 10);
    std::u16string uri;
    EXPECT_FALSE(embedFileAsDataUri(change.path, uri));
    EXPECT_TRUE(uri.empty());
  }
  FileChange change("shrinks.png", std::string(1000, 'x'), 0, 10);
  EXPECT_EQ(sentFor(change.path), plainSetProp(change.path));
}

TEST(EmbedFaults, FileThatShrinksBetweenPiecesIsSentAsPath) {
  FileChange change("shrinks-later.png", std::string(kEmbedReadChunkBytes * 2 + 5, 'y'), 1,
                    kEmbedReadChunkBytes + 7);
  EXPECT_TRUE(sentFor(change.path) == plainSetProp(change.path));
}

// A file that grows while it is read embeds the size first taken, as the
// one-piece read does.
TEST(EmbedFaults, FileThatGrowsDuringTheReadEmbedsItsFirstSize) {
  const size_t length = kEmbedReadChunkBytes + 10;
  FileChange change("grows.txt", std::string(length, 'a'), 1, length * 2);
  std::string sent = sentFor(change.path);
  std::string base64;
  for (size_t i = 0; i < length / 3; ++i) base64 += "YWFh";
  base64 += "YQ==";
  EXPECT_TRUE(sent == tavix("R", "window.ZUVO.setProp('img','src','data:text/plain;base64," + base64 + "');"))
      << sent.size();
}

TEST(EmbedFaults, NothingLeaksOnAFallback) {
  HostMemoryStats hostBefore, hostAfter;
  FileBufferStats buffersBefore, buffersAfter;
  hostMemoryStats(hostBefore);
  fileBufferStats(buffersBefore);
  {
    FileChange change("leak.png", std::string(kEmbedReadChunkBytes * 3, 'z'), 2, 100);
    sentFor(change.path);
  }
  hostMemoryStats(hostAfter);
  fileBufferStats(buffersAfter);
  EXPECT_EQ(hostAfter.live, hostBefore.live);
  EXPECT_EQ(hostAfter.badReleases, hostBefore.badReleases);
  EXPECT_EQ(buffersAfter.live, buffersBefore.live);
}

TEST(EmbedFaults, FilesOf2GiBOrMoreAreSentAsPathWithoutReading) {
  for (uintmax_t size : {uintmax_t{1} << 31, (uintmax_t{1} << 32) + 1}) {
    std::u16string path = writeScratchFile("huge.mp4", "");
    std::filesystem::resize_file(scratchDirectory() / "huge.mp4", size);  // sparse: no disk used
    fileBufferResetPeak();
    hostMemoryResetPeak();
    FileBufferStats buffers;
    HostMemoryStats host;
    EXPECT_EQ(sentFor(path), plainSetProp(path)) << size;
    fileBufferStats(buffers);
    hostMemoryStats(host);
    EXPECT_EQ(buffers.peakBytes, buffers.liveBytes);
    EXPECT_LT(host.peakBytes - host.liveBytes, 4096u);
    std::u16string uri;
    EXPECT_FALSE(embedFileAsDataUri(path, uri));
    std::filesystem::remove(scratchDirectory() / "huge.mp4");
  }
}
