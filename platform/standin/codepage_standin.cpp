// Stand-in for the system ANSI code page: Windows code page 1252 with "?" as
// the default character, byte for byte as Windows converts it.
#include "platform/codepage.h"

#include <array>

namespace {
// 0x80 to 0x9F; the five bytes 1252 leaves undefined map to the C1 control
// of the same value, as Windows round-trips them.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t byteToUnit(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

char unitToByte(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  for (size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == unit) return static_cast<char>(0x80 + i);
  return '?';
}

// Calls emit(byte) for each byte the text converts to. Like Windows, each
// unit of a surrogate pair becomes a default character of its own.
template <typename Emit>
void convert(const char16_t* text, size_t length, Emit emit) {
  for (size_t i = 0; i < length; ++i) emit(unitToByte(text[i]));
}
}  // namespace

std::u16string ansiToUtf16(const char* text) {
  std::u16string out;
  if (text) appendAnsiAsUtf16(text, std::char_traits<char>::length(text), out);
  return out;
}

// One byte is one character in 1252.
size_t ansiWholeCharacterBytes(const char*, size_t bytes) { return bytes; }

void appendAnsiAsUtf16(const char* text, size_t bytes, std::u16string& out) {
  out.reserve(out.size() + bytes);
  for (size_t i = 0; i < bytes; ++i) out.push_back(byteToUnit(static_cast<unsigned char>(text[i])));
}

size_t ansiLengthOf(const char16_t* text, size_t length) {
  size_t count = 0;
  convert(text, length, [&](char) { ++count; });
  return count;
}

void utf16ToAnsi(const char16_t* text, size_t length, char* out, size_t outLength) {
  size_t written = 0;
  convert(text, length, [&](char byte) {
    if (written < outLength) out[written++] = byte;
  });
}

unsigned activeAnsiCodePage() { return 1252; }
