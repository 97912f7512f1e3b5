// The stand-in's code page 932: switched to by the fuzzers and the Japanese
// runs, converting as Windows does for the cases escaping depends on.
#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/standin/codepage_standin.h"

namespace {
struct StandinCodePage932 : ::testing::Test {
  unsigned before = activeAnsiCodePage();
  void SetUp() override { ASSERT_TRUE(standinSetAnsiCodePage(932)); }
  void TearDown() override { standinSetAnsiCodePage(before); }
};

std::string toAnsi(const std::u16string& text) {
  std::string bytes(ansiLengthOf(text.data(), text.size()), '\0');
  utf16ToAnsi(text.data(), text.size(), bytes.data(), bytes.size());
  return bytes;
}
}  // namespace

TEST_F(StandinCodePage932, BackslashTrailBytesStayInsideTheirCharacter) {
  // ソ and 表 end in 0x5C; the backslash itself is the one-byte 0x5C.
  EXPECT_EQ(toAnsi(u"\u30bd\u8868\\"), "\x83\x5c\x95\x5c\x5c");
  EXPECT_EQ(ansiToUtf16("\x83\x5c\x95\x5c\x5c"), u"\u30bd\u8868\\");
  EXPECT_EQ(ansiToUtf16("\x81\x5f"), u"\uff3c");  // the fullwidth backslash
}

TEST_F(StandinCodePage932, BrokenBytesReadAsTheDefaultCharacterAlone) {
  // A lead byte before an apostrophe, or at the end, does not swallow it.
  EXPECT_EQ(ansiToUtf16("a\x81'b"), u"a\u30fb'b");
  EXPECT_EQ(ansiToUtf16("a\x81"), u"a\u30fb");
  EXPECT_EQ(toAnsi(u"\u30fb"), "\x81\x45");
}

TEST_F(StandinCodePage932, MissingCharactersAndLoneSurrogatesBecomeQuestionMarks) {
  EXPECT_EQ(toAnsi(u"a\u02bcb\U0001F600c\xd800"), "a?b??c?");
  // Look-alikes glibc would write as the backslash and tilde bytes.
  EXPECT_EQ(toAnsi(u"\u00a5\u203e"), "??");
  EXPECT_EQ(ansiLengthOf(u"\u65e5\u672cx", 3), 5u);
}

TEST(StandinCodePage, OnlyTheTwoPlayedCodePagesAreTaken) {
  unsigned before = activeAnsiCodePage();
  EXPECT_FALSE(standinSetAnsiCodePage(1251));
  EXPECT_EQ(activeAnsiCodePage(), before);
  EXPECT_TRUE(standinSetAnsiCodePage(1252));
  EXPECT_EQ(ansiToUtf16("\x80\x81"), u"\u20ac\u0081");
  standinSetAnsiCodePage(before);
}
