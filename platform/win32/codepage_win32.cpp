#include "platform/codepage.h"

#include <windows.h>

#include <climits>

namespace {
// Without WC_NO_BEST_FIT_CHARS Windows turns missing characters into
// look-alikes (a fullwidth apostrophe into an apostrophe), which would undo
// escaping; with it they become the default character. UTF-8 refuses the flag
// and needs none, since it can represent every character.
DWORD conversionFlags() { return GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS; }

// WideCharToMultiByte takes int lengths; convert long texts piece by piece,
// never splitting a surrogate pair.
size_t pieceLength(const char16_t* text, size_t remaining) {
  const size_t limit = 1u << 24;
  if (remaining <= limit) return remaining;
  size_t n = limit;
  if (text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) --n;
  return n;
}
}  // namespace

std::u16string ansiToUtf16(const char* text) {
  if (!text || !*text) return {};
  int units = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (units <= 1) return {};
  std::u16string out(static_cast<size_t>(units), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, reinterpret_cast<wchar_t*>(out.data()), units);
  out.resize(static_cast<size_t>(units - 1));
  return out;
}

size_t ansiLengthOf(const char16_t* text, size_t length) {
  size_t total = 0;
  while (length > 0) {
    size_t n = pieceLength(text, length);
    total += static_cast<size_t>(WideCharToMultiByte(CP_ACP, conversionFlags(),
        reinterpret_cast<const wchar_t*>(text), static_cast<int>(n), nullptr, 0, nullptr, nullptr));
    text += n;
    length -= n;
  }
  return total;
}

void utf16ToAnsi(const char16_t* text, size_t length, char* out, size_t outLength) {
  while (length > 0 && outLength > 0) {
    size_t n = pieceLength(text, length);
    int room = outLength > INT_MAX ? INT_MAX : static_cast<int>(outLength);
    int written = WideCharToMultiByte(CP_ACP, conversionFlags(), reinterpret_cast<const wchar_t*>(text),
                                      static_cast<int>(n), out, room, nullptr, nullptr);
    if (written <= 0) return;
    text += n;
    length -= n;
    out += written;
    outLength -= static_cast<size_t>(written);
  }
}

namespace {
// In UTF-8 a piece may end inside a character whose lead byte announces
// more bytes than the piece still has: that character is left out.
size_t wholeUtf8Bytes(const char* text, size_t bytes) {
  size_t continuation = 0;
  while (continuation < 3 && continuation < bytes && (text[bytes - 1 - continuation] & 0xC0) == 0x80) ++continuation;
  if (continuation == bytes) return bytes;
  auto lead = static_cast<unsigned char>(text[bytes - 1 - continuation]);
  size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  return length > continuation + 1 ? bytes - 1 - continuation : bytes;
}
}  // namespace

size_t ansiWholeCharacterBytes(const char* text, size_t bytes) {
  if (GetACP() == CP_UTF8) return wholeUtf8Bytes(text, bytes);
  CPINFO info;
  if (!GetCPInfo(CP_ACP, &info) || info.MaxCharSize == 1) return bytes;
  // A trail byte can look like a lead byte, so the walk starts at the front.
  bool lead[256] = {};
  for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i]; i += 2)
    for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b) lead[b] = true;
  size_t at = 0;
  while (at < bytes) {
    size_t length = lead[static_cast<unsigned char>(text[at])] ? 2 : 1;
    if (at + length > bytes) break;
    at += length;
  }
  return at;
}

void appendAnsiAsUtf16(const char* text, size_t bytes, std::u16string& out) {
  while (bytes > 0) {
    int piece = bytes > (1u << 30) ? static_cast<int>(ansiWholeCharacterBytes(text, 1u << 30))
                                   : static_cast<int>(bytes);
    int units = MultiByteToWideChar(CP_ACP, 0, text, piece, nullptr, 0);
    if (units <= 0) return;
    size_t at = out.size();
    out.resize(at + static_cast<size_t>(units));
    MultiByteToWideChar(CP_ACP, 0, text, piece, reinterpret_cast<wchar_t*>(&out[at]), units);
    text += piece;
    bytes -= static_cast<size_t>(piece);
  }
}

unsigned activeAnsiCodePage() { return GetACP(); }
