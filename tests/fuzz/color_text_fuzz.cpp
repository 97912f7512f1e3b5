// Colour texts as authors type them: normalizeColor always gives "#" and
// six characters, reading its own result gives it back, and where that
// result is six hexadecimal digits the platform colour read from the text
// writes back to it.
#include "editors/color_text.h"
#include "tests/fuzz/fuzz_text.h"

namespace {
bool isLowerHex(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'); }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text = fuzzText(data, size);
  std::u16string color = normalizeColor(text);
  fuzzRequire(color.size() == 7 && color[0] == u'#', "normalizeColor gives #rrggbb's shape");
  fuzzRequire(normalizeColor(color) == color, "normalizeColor of its own result changes it");
  bool hex = true;
  for (size_t i = 1; i < color.size(); ++i) hex = hex && isLowerHex(color[i]);
  if (hex) fuzzRequire(colorToText(colorFromText(text)) == color, "the colour read differs from the text");

  int32_t value = 0;
  for (size_t i = 0; i < size && i < 4; ++i) value = static_cast<int32_t>(static_cast<uint32_t>(value) << 8 | data[i]);
  std::u16string pair = hexByte(value);
  const char16_t digits[] = u"0123456789abcdef";
  uint32_t low = static_cast<uint32_t>(value) & 0xFF;
  fuzzRequire(pair == std::u16string{digits[low >> 4], digits[low & 15]}, "hexByte is not the low byte in hex");
  return 0;
}
