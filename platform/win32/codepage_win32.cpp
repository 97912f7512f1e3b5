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

unsigned activeAnsiCodePage() { return GetACP(); }
