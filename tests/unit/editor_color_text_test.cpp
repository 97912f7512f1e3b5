// Colour texts: the canonical #rrggbb form, the byte digits and the colour
// a text stands for.
#include <gtest/gtest.h>

#include "editors/color_text.h"

TEST(ColorText, NormalizesTheShapesAuthorsType) {
  EXPECT_EQ(normalizeColor(u"#ABC"), u"#aabbcc");
  EXPECT_EQ(normalizeColor(u"  RGB(255, 0, 128)  "), u"#ff0080");
  EXPECT_EQ(normalizeColor(u"rgba(10,20,30,0.5)"), u"#0a141e");
  EXPECT_EQ(normalizeColor(u"#abcdef"), u"#abcdef");
  EXPECT_EQ(normalizeColor(u"#ABCDEF"), u"#abcdef");
  EXPECT_EQ(normalizeColor(u"rgb(300,0,0)"), u"#2c0000");
}

TEST(ColorText, WhatIsNoColourBecomesBlack) {
  EXPECT_EQ(normalizeColor(u"red"), u"#000000");
  EXPECT_EQ(normalizeColor(u"#12345"), u"#000000");
  EXPECT_EQ(normalizeColor(u"rgb(1,2"), u"#000000");
  EXPECT_EQ(normalizeColor(u""), u"#000000");
  EXPECT_EQ(normalizeColor(u"rgb)1,2,3("), u"#000000");  // ")" before "("
  EXPECT_EQ(normalizeColor(u"(1,2,3)"), u"#000000");     // no "rgb"
  EXPECT_EQ(normalizeColor(u"\t#abc"), u"#000000");      // only spaces are trimmed
}

TEST(ColorText, SevenCharacterHashFormIsTakenWithoutLookingAtItsDigits) {
  EXPECT_EQ(normalizeColor(u"#zzzzzz"), u"#zzzzzz");
  EXPECT_EQ(normalizeColor(u"#abc "), u"#aabbcc");
}

TEST(ColorText, RgbFieldsAreReadAsWholeNumbers) {
  EXPECT_EQ(normalizeColor(u"rgb(-1,0,0)"), u"#ff0000");     // low 8 bits of -1
  EXPECT_EQ(normalizeColor(u"rgb(256,257,+2)"), u"#000102");
  EXPECT_EQ(normalizeColor(u"rgb(\t7,\t 8, 9)"), u"#070809"); // leading tabs and blanks
  EXPECT_EQ(normalizeColor(u"rgb($ff,$1A,$)"), u"#ff1a00");   // "$" hexadecimal
  EXPECT_EQ(normalizeColor(u"rgb(,,)"), u"#000000");          // empty fields
  EXPECT_EQ(normalizeColor(u"rgb(5)"), u"#050000");           // missing fields
  EXPECT_EQ(normalizeColor(u"rgb(12px,3.9,4e2)"), u"#0c0304"); // reading stops at a non-digit
  EXPECT_EQ(normalizeColor(u"rgb(-$10,x,99999999999)"), u"#f000ff");
}

// Authors type "$" numbers in either case, and mix them: every letter digit
// reads the same in both, in the normal form and in the colour the picker
// and the swatches take.
TEST(ColorText, DollarHexDigitsReadAlikeInEitherCase) {
  for (char16_t letter = u'a'; letter <= u'f'; ++letter) {
    const char16_t capital = letter - u'a' + u'A';
    const std::u16string upper = {u'$', capital, capital}, lower = {u'$', letter, letter};
    const std::u16string mixed = {u'$', capital, letter};
    EXPECT_EQ(normalizeColor(u"rgb(" + upper + u"," + lower + u"," + mixed + u")"),
              std::u16string({u'#', letter, letter, letter, letter, letter, letter}))
        << "digit " << static_cast<char>(capital);
  }
  EXPECT_EQ(normalizeColor(u"RGB($FF,$0F,$F0)"), u"#ff0ff0");
  UiColor color = colorFromText(u"rgb($FF,$Ab,$cD)");
  EXPECT_EQ(color.red, 0xFF);
  EXPECT_EQ(color.green, 0xAB);
  EXPECT_EQ(color.blue, 0xCD);
}

TEST(ColorText, HexByteKeepsTheLowEightBits) {
  EXPECT_EQ(hexByte(10), u"0a");
  EXPECT_EQ(hexByte(255), u"ff");
  EXPECT_EQ(hexByte(256), u"00");
  EXPECT_EQ(hexByte(-1), u"ff");
  EXPECT_EQ(hexByte(0), u"00");
}

TEST(ColorText, ColourOfATextAndBack) {
  UiColor c = colorFromText(u"rgba(255,0,0,0.5)");
  EXPECT_EQ(c.red, 255);
  EXPECT_EQ(c.green, 0);
  EXPECT_EQ(c.blue, 0);
  c = colorFromText(u"linear-gradient(135deg,#cc2244,#2244cc)");
  EXPECT_EQ(colorToText(c), u"#000000");
  // A pair is read up to its first character that is no hexadecimal digit.
  c = colorFromText(u"#1zzz3f");
  EXPECT_EQ(c.red, 1);
  EXPECT_EQ(c.green, 0);
  EXPECT_EQ(c.blue, 0x3f);
  EXPECT_EQ(colorToText(colorFromText(u"#ABC")), u"#aabbcc");
}
