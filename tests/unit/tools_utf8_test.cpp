// The tools' UTF-8 conversion, over whichever converter the build links:
// both must give the same text for the same bytes.
#include <gtest/gtest.h>

#include "tools/shared/utf8.h"

TEST(ToolsUtf8, TextOfEveryPlaneRoundTrips) {
  const std::u16string text = u"Save \u00e9\u00df \u0416 \u65e5\u672c \U0001F600 end";
  const std::string bytes = "Save \xC3\xA9\xC3\x9F \xD0\x96 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80 end";
  EXPECT_EQ(utf16ToUtf8(text), bytes);
  EXPECT_EQ(utf8ToUtf16(bytes), text);
  EXPECT_EQ(utf8ToUtf16(""), u"");
  EXPECT_EQ(utf16ToUtf8(u""), "");
}

TEST(ToolsUtf8, LongTextIsConvertedWhole) {
  std::u16string text;
  for (int i = 0; i < 20000; ++i) text += static_cast<char16_t>(u'a' + i % 26) + std::u16string(u"\u20ac");
  EXPECT_EQ(utf8ToUtf16(utf16ToUtf8(text)), text);
  EXPECT_EQ(utf16ToUtf8(text).size(), 20000u * 4);
}

TEST(ToolsUtf8, InvalidBytesBecomeReplacementCharacters) {
  EXPECT_EQ(utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(utf8ToUtf16("\x80x"), u"\uFFFDx");
  EXPECT_EQ(utf8ToUtf16("x\xFE"), u"x\uFFFD");
}

TEST(ToolsUtf8, LoneSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(utf16ToUtf8(std::u16string(u"a") + char16_t(0xD800) + u"b"), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(utf16ToUtf8(std::u16string(u"a") + char16_t(0xDC00)), "a\xEF\xBF\xBD");
  EXPECT_EQ(utf16ToUtf8(std::u16string(1, char16_t(0xD83D))), "\xEF\xBF\xBD");
}
