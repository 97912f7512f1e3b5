// Stand-in for the system ANSI code page, byte for byte as Windows converts
// without best fit: code page 1252 from its table, and the double-byte code
// page 932 through the C library's converter (glibc's CP932 is Windows's
// table). Missing characters become "?", each unit of a surrogate pair one
// of its own; bytes that are no 932 character read as U+30FB, the code
// page's default character.
#include "platform/codepage.h"

#include <iconv.h>

#include <array>
#include <cstdlib>
#include <cstring>

#include "platform/standin/codepage_standin.h"

namespace {
// 0x80 to 0x9F; the five bytes 1252 leaves undefined map to the C1 control
// of the same value, as Windows round-trips them.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
constexpr char16_t kDefault932 = 0x30FB;

unsigned initialCodePage() {
  for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) return std::strncmp(value, "ja", 2) == 0 ? 932 : 1252;
  }
  return 1252;
}

unsigned& activeCodePage() {
  static unsigned codePage = initialCodePage();
  return codePage;
}

// ---- 1252 ----

char16_t byteToUnit1252(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

char unitToByte1252(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  for (size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == unit) return static_cast<char>(0x80 + i);
  return '?';
}

// ---- 932 ----

// One converter per direction, opened on first use and kept: the stand-in
// runs on one thread, like the plug-in.
iconv_t converter(bool toUnicode) {
  static iconv_t decode = iconv_open("UTF-16LE", "CP932");
  static iconv_t encode = iconv_open("CP932", "UTF-16LE");
  return toUnicode ? decode : encode;
}

// Converts one character's worth of input; returns the bytes of input used
// (0 when the input starts with no character of the code page) and leaves
// the output in `out`/`outBytes`.
size_t convertOne(iconv_t cd, const char* in, size_t inBytes, char* out, size_t& outBytes) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* inPtr = const_cast<char*>(in);
  size_t inLeft = inBytes;
  char* outPtr = out;
  size_t outLeft = outBytes;
  iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  outBytes = outBytes - outLeft;
  return outBytes ? inBytes - inLeft : 0;
}

bool isLeadByte932(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

void decode932(const char* text, size_t length, std::u16string& out) {
  for (size_t at = 0; at < length;) {
    // A character takes at most two bytes; offer two and keep what one gives.
    char units[4];
    size_t produced = 2;
    size_t used = convertOne(converter(true), text + at, length - at < 2 ? length - at : 2, units, produced);
    if (used == 0 || produced != 2) {
      out.push_back(kDefault932);
      at += 1;
      continue;
    }
    out.push_back(static_cast<char16_t>(static_cast<unsigned char>(units[0]) |
                                        static_cast<unsigned char>(units[1]) << 8));
    at += used;
  }
}

// The bytes of one UTF-16 unit in 932, zero-padded; false when the code page
// has no such character. Only mappings that read back to the same character
// count: glibc also writes some look-alikes (the yen sign as 0x5C, the
// backslash's byte), which Windows without best fit turns into "?".
bool encodeOne932(char16_t unit, char (&bytes)[4]) {
  if (unit >= 0xD800 && unit <= 0xDFFF) return false;
  char in[2] = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  size_t produced = 2;
  bytes[0] = bytes[1] = bytes[2] = bytes[3] = 0;
  if (convertOne(converter(false), in, 2, bytes, produced) == 0) return false;
  std::u16string back;
  decode932(bytes, std::strlen(bytes), back);
  return back == std::u16string(1, unit);
}

template <typename Emit>
void encode932(const char16_t* text, size_t length, Emit emit) {
  for (size_t i = 0; i < length; ++i) {
    if (text[i] < 0x80) {  // ASCII is itself in 932, the backslash included
      emit(static_cast<char>(text[i]));
      continue;
    }
    char bytes[4];
    if (!encodeOne932(text[i], bytes)) {
      emit('?');
      continue;
    }
    for (size_t b = 0; b < 2 && bytes[b]; ++b) emit(bytes[b]);
  }
}

// Calls emit(byte) for each byte the text converts to.
template <typename Emit>
void convert(const char16_t* text, size_t length, Emit emit) {
  if (activeCodePage() == 932) {
    encode932(text, length, emit);
    return;
  }
  for (size_t i = 0; i < length; ++i) emit(unitToByte1252(text[i]));
}
}  // namespace

bool standinSetAnsiCodePage(unsigned codePage) {
  if (codePage != 1252 && codePage != 932) return false;
  activeCodePage() = codePage;
  return true;
}

std::u16string ansiToUtf16(const char* text) {
  std::u16string out;
  if (text) appendAnsiAsUtf16(text, std::char_traits<char>::length(text), out);
  return out;
}

// One byte is one character in 1252; in 932 a lead byte starts a pair. A
// trail byte can look like a lead byte, so the walk starts at the front.
size_t ansiWholeCharacterBytes(const char* text, size_t bytes) {
  if (activeCodePage() != 932) return bytes;
  size_t at = 0;
  while (at < bytes) {
    size_t length = isLeadByte932(static_cast<unsigned char>(text[at])) ? 2 : 1;
    if (at + length > bytes) break;
    at += length;
  }
  return at;
}

void appendAnsiAsUtf16(const char* text, size_t bytes, std::u16string& out) {
  if (activeCodePage() == 932) return decode932(text, bytes, out);
  out.reserve(out.size() + bytes);
  for (size_t i = 0; i < bytes; ++i) out.push_back(byteToUnit1252(static_cast<unsigned char>(text[i])));
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

unsigned activeAnsiCodePage() { return activeCodePage(); }
