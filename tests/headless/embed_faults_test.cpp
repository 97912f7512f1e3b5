// Files that change under the reader or are too large to embed fall back to
// the path as text (native: the stand-in file layer lets a test intervene,
// and sparse files give large sizes without using the disk).
#include <gtest/gtest.h>

#include <filesystem>

#include "host/action_table.h"
#include "platform/file_access.h"
#include "platform/host_memory.h"
#include "platform/standin/file_access_standin.h"
#include "script/base64.h"
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

// A file of `bytes` bytes, all of them a hole: the size without the disk.
std::u16string sparseFile(const std::string& name, uintmax_t bytes) {
  std::u16string path = writeScratchFile(name, "");
  std::filesystem::resize_file(scratchDirectory() / name, bytes);
  return path;
}

// Counts the opens of files, and cuts each opened file down to one byte,
// so that a file too large for a test is opened but never read whole.
int opens = 0;
void countOpenAndCut(FileHandle, int reads) {
  if (reads != 0) return;
  opens++;
  std::filesystem::resize_file(changingFile, 1);
}
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

// A file that grows while it is read is no longer the file whose size was
// taken: what was read may be part of new content, so it goes as its path.
TEST(EmbedFaults, FileThatGrowsDuringTheReadIsSentAsPath) {
  const size_t length = kEmbedReadChunkBytes + 10;
  {
    FileChange change("grows.txt", std::string(length, 'a'), 1, length * 2);
    EXPECT_EQ(sentFor(change.path), plainSetProp(change.path));
  }
  FileChange change("grows.txt", std::string(length, 'a'), 0, length + 1);
  std::u16string uri;
  EXPECT_FALSE(embedFileAsDataUri(change.path, uri));
  EXPECT_TRUE(uri.empty());
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

TEST(EmbedFaults, DataUriAndItsLineFitOneWebViewStringToTheLastCharacter) {
  const uint64_t bytes = 3000;
  std::u16string path = sparseFile("limit.mp4", bytes);
  const uint64_t dataUri = std::u16string(u"data:video/mp4;base64,").size() + base64Length(bytes);
  EmbedPlan plan;
  ASSERT_TRUE(planFileEmbedding(path, kLongestWebViewString - dataUri, plan));
  EXPECT_EQ(plan.dataUriBytes, dataUri);
  EXPECT_EQ(plan.fileBytes, bytes);
  EXPECT_FALSE(planFileEmbedding(path, kLongestWebViewString - dataUri + 1, plan));
  // The data URI alone at the limit, and beyond it by one more triple.
  uint64_t largest = (kLongestWebViewString - std::u16string(u"data:video/mp4;base64,").size()) / 4 * 3;
  for (uint64_t size : {largest, largest + 1}) {
    sparseFile("limit.mp4", size);
    EXPECT_EQ(planFileEmbedding(path, 0, plan), size == largest) << size;
  }
}

// The largest file whose ZUVO_Set line fits one web-view string is opened
// to be embedded; a byte more, and it is sent as its path without being
// opened or read, and without a block of its size being taken.
TEST(EmbedFaults, FileWhoseLineWouldPassTheWebViewLimitIsSentAsPathUnread) {
  std::u16string path = writeScratchFile("line.mp4", "abc");
  changingFile = scratchDirectory() / "line.mp4";
  const uint64_t aroundTheBase64 = sentFor(path).size() - 4;  // the line of three bytes, less their base64
  const uint64_t largest = (kLongestWebViewString - aroundTheBase64) / 4 * 3;
  ASSERT_LE(aroundTheBase64 + base64Length(largest), kLongestWebViewString);
  ASSERT_GT(aroundTheBase64 + base64Length(largest + 1), kLongestWebViewString);
  setFileAccessHook(countOpenAndCut);
  for (uint64_t size : {largest, largest + 1}) {
    sparseFile("line.mp4", size);
    opens = 0;
    hostMemoryResetPeak();
    fileBufferResetPeak();
    HostMemoryStats host;
    FileBufferStats buffers;
    EXPECT_EQ(sentFor(path), plainSetProp(path)) << size;  // cut short after the open, or too long
    hostMemoryStats(host);
    fileBufferStats(buffers);
    EXPECT_EQ(opens, size == largest ? 1 : 0) << size;
    if (size > largest) {
      EXPECT_EQ(buffers.peakBytes, buffers.liveBytes);
      EXPECT_LT(host.peakBytes - host.liveBytes, 4096u);
    }
  }
  setFileAccessHook(nullptr);
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
