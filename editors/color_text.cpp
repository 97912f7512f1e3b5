#include "editors/color_text.h"

#include "editors/editor_framework.h"
#include "platform/text_case.h"

namespace {
const char16_t kHexDigits[] = u"0123456789abcdef";

// Colour texts are lower-cased before any digit is read, so the letter
// digits are the lower-case ones; upper-case digits come through that one
// step, which the tests of upper-case colours watch.
int digitValue(char16_t c, int base) {
  int value = -1;
  if (c >= u'0' && c <= u'9') value = c - u'0';
  else if (c >= u'a' && c <= u'f') value = c - u'a' + 10;
  return value < base ? value : -1;
}

// A whole number as a field of rgb(...) holds it: leading spaces and tabs,
// an optional sign, then decimal digits, or hexadecimal ones after "$".
// Reading stops at the first character that is no digit; no digits read as
// 0. The value wraps on overflow, which keeps its low 8 bits intact.
uint32_t readWholeNumber(const std::u16string& text) {
  size_t at = 0;
  while (at < text.size() && (text[at] == u' ' || text[at] == u'\t')) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) negative = text[at++] == u'-';
  int base = 10;
  if (at < text.size() && text[at] == u'$') {
    base = 16;
    ++at;
  }
  uint32_t value = 0;
  for (; at < text.size(); ++at) {
    int digit = digitValue(text[at], base);
    if (digit < 0) break;
    value = value * static_cast<uint32_t>(base) + static_cast<uint32_t>(digit);
  }
  return negative ? 0u - value : value;
}

// Field `n` (from 0) of a comma-separated text; empty past the end.
std::u16string commaField(const std::u16string& text, int n) {
  size_t start = 0;
  for (int field = 0; field < n; ++field) {
    size_t comma = text.find(u',', start);
    if (comma == std::u16string::npos) return {};
    start = comma + 1;
  }
  size_t end = text.find(u',', start);
  return text.substr(start, end == std::u16string::npos ? std::u16string::npos : end - start);
}

// The #rrggbb of rgb(r,g,b) or rgba(r,g,b,a); empty text when the text has
// no such form. The alpha is ignored.
std::u16string colorOfRgbForm(const std::u16string& text) {
  size_t open = text.find(u'(');
  size_t close = text.find(u')');
  if (text.find(u"rgb") == std::u16string::npos || open == std::u16string::npos ||
      close == std::u16string::npos || close < open)
    return {};
  std::u16string inside = text.substr(open + 1, close - open - 1);
  std::u16string out = u"#";
  for (int channel = 0; channel < 3; ++channel)
    out += hexByte(static_cast<int32_t>(readWholeNumber(trimSpaces(commaField(inside, channel))) & 0xFF));
  return out;
}

// A pair of hexadecimal characters, read up to its first non-digit.
uint8_t readHexPair(const std::u16string& text, size_t at) {
  int value = 0;
  for (size_t i = at; i < at + 2 && i < text.size(); ++i) {
    int digit = digitValue(text[i], 16);
    if (digit < 0) break;
    value = value * 16 + digit;
  }
  return static_cast<uint8_t>(value);
}
}  // namespace

std::u16string hexByte(int32_t value) {
  uint32_t low = static_cast<uint32_t>(value) & 0xFF;
  return {kHexDigits[low >> 4], kHexDigits[low & 0xF]};
}

std::u16string normalizeColor(const std::u16string& text) {
  std::u16string color = trimSpaces(lowerCaseText(text));
  if (!color.empty() && color[0] == u'#') {
    if (color.size() == 7) return color;
    if (color.size() == 4) return {u'#', color[1], color[1], color[2], color[2], color[3], color[3]};
  }
  std::u16string fromRgb = colorOfRgbForm(color);
  return fromRgb.empty() ? u"#000000" : fromRgb;
}

UiColor colorFromText(const std::u16string& text) {
  std::u16string digits = normalizeColor(text).substr(1);
  UiColor color;
  color.red = readHexPair(digits, 0);
  color.green = readHexPair(digits, 2);
  color.blue = readHexPair(digits, 4);
  return color;
}

std::u16string colorToText(UiColor color) {
  std::u16string text = u"#";
  for (uint8_t channel : {color.red, color.green, color.blue}) text += hexByte(channel);
  return text;
}
