// The embedding that streams the file into the host string sends exactly
// the line that reading the whole file and converting the whole line gives.
#include <gtest/gtest.h>

#include <random>

#include "host/action_table.h"
#include "script/action_scripts.h"
#include "script/data_uri_embedding.h"
#include "script/mime_types.h"
#include "script/script_dispatch.h"
#include "tests/unit/script_test_support.h"

using namespace script_test;

namespace {
// The line the plain way: the data URI as text, the whole script line as
// UTF-16, then one conversion to a host string.
std::string straightforwardLine(const std::u16string& rectangle, const std::u16string& control,
                                const std::u16string& property, const std::u16string& path) {
  std::u16string dataUri;
  if (!embedFileAsDataUri(path, dataUri)) return "(not embedded)";
  std::u16string script = fillScript(findActionScript(kZuvoSet, {}),
                                     {{u'C', control}, {u'P', property}, {u'V', dataUri, HoleFill::verbatim}});
  HostString line = toHostString(scriptCommandLine(rectangle, script));
  std::string bytes = line ? line : "(no memory)";
  freeHostString(line);
  return bytes;
}

std::string streamedLine(const std::u16string& rectangle, const std::u16string& control,
                         const std::u16string& property, const std::u16string& path) {
  return sentBy(kZuvoSet, {rectangle, control, property, path});
}

// Compares long lines without printing megabytes when they differ.
::testing::AssertionResult sameLine(const std::string& expected, const std::string& actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
  return ::testing::AssertionFailure() << "lengths " << expected.size() << " and " << actual.size()
                                       << ", first difference at byte " << at << ": ["
                                       << expected.substr(at, 40) << "] vs [" << actual.substr(at, 40) << "]";
}

std::string randomContent(size_t length, unsigned seed) {
  std::mt19937 random(seed);
  std::string bytes(length, '\0');
  for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
  return bytes;
}

void expectSameFor(const std::string& name, size_t length) {
  std::u16string path = writeScratchFile(name, randomContent(length, static_cast<unsigned>(length)));
  std::string expected = straightforwardLine(u"Rect1", u"img", u"src", path);
  ASSERT_EQ(expected.find("data:"), expected.find("data:image/png;base64,")) << length;
  EXPECT_TRUE(sameLine(expected, streamedLine(u"Rect1", u"image:img", u"src", path))) << "length " << length;
}
}  // namespace

TEST(EmbedStreaming, SameLineForEveryLengthModuloThree) {
  for (size_t length = 1; length <= 64; ++length) expectSameFor("mod3.png", length);
}

TEST(EmbedStreaming, SameLineAcrossReadChunkBoundaries) {
  const size_t chunk = kEmbedReadChunkBytes;
  for (size_t length : {chunk - 1, chunk, chunk + 1, chunk + 2, chunk + 3, 2 * chunk + 1, 3 * chunk - 2})
    expectSameFor("chunks.png", length);
}

TEST(EmbedStreaming, SameLineForEveryMimeType) {
  for (const MimeTypeRow& row : kMimeTypes) {
    std::u16string path = writeScratchFile("type." + narrow(row.extension), randomContent(100, 3));
    EXPECT_TRUE(sameLine(straightforwardLine(u"R", u"v", u"filepath", path),
                         streamedLine(u"R", u"v", u"filepath", path)))
        << narrow(row.extension);
  }
}

// The text around the data URI is converted on its own; characters the code
// page has, lacks, or writes in two bytes come out as in the whole line.
TEST(EmbedStreaming, SameLineInThisCodePage) {
  std::u16string path = writeScratchFile("text.txt", "some content");
  const std::u16string texts[] = {u"Caf\u00e9 \u20ac", u"\u4e2d\u6587 \u0416\u0438\u0432", u"\U0001F600'\"\\",
                                  u"\uff07\u00a5"};
  for (const std::u16string& text : texts) {
    EXPECT_TRUE(sameLine(straightforwardLine(text, text, u"Src", path), streamedLine(text, u"t:" + text, u"Src", path)));
  }
}

TEST(EmbedStreaming, NoFileMeansThePathAsText) {
  std::u16string path = authorPath(scratchDirectory() / "absent.png");
  EXPECT_EQ(straightforwardLine(u"R", u"v", u"src", path), "(not embedded)");
  std::string escaped;
  for (char16_t c : path) escaped += c == u'\\' ? std::string("\\\\") : std::string(1, static_cast<char>(c));
  EXPECT_EQ(streamedLine(u"R", u"v", u"src", path), tavix("R", "window.ZUVO.setProp('v','src','" + escaped + "');"));
}
