// Stand-in for the platform's character lower-casing: ASCII, Latin-1 and the
// Latin Extended-A pairs, which covers every character a control ID uses,
// and the Greek and Cyrillic capitals, which access keys use.
#include "platform/text_case.h"

namespace {
char16_t lowerUnit(char16_t c) {
  if (c >= u'A' && c <= u'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  if (c == 0x178) return 0xFF;
  if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
    bool evenIsUpper = (c < 0x139) || (c > 0x148 && c < 0x179);
    if (evenIsUpper ? (c % 2 == 0) : (c % 2 == 1)) return c + 1;
  }
  if ((c >= 0x391 && c <= 0x3A9 && c != 0x3A2) || (c >= 0x410 && c <= 0x42F)) return c + 32;
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  return c;
}
}  // namespace

std::u16string lowerCaseText(const std::u16string& text) {
  std::u16string out = text;
  for (char16_t& c : out) c = lowerUnit(c);
  return out;
}
