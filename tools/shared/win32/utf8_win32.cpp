// The platform's converter: MultiByteToWideChar and WideCharToMultiByte with
// CP_UTF8 and no flags, which put U+FFFD in place of what is not valid.
#include <windows.h>

#include "tools/shared/utf8.h"

std::u16string utf8ToUtf16(const std::string& text) {
  if (text.empty()) return {};
  int size = static_cast<int>(text.size());
  int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::u16string out(static_cast<size_t>(length), u'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, reinterpret_cast<wchar_t*>(out.data()), length);
  return out;
}

std::string utf16ToUtf8(const std::u16string& text) {
  if (text.empty()) return {};
  const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
  int size = static_cast<int>(text.size());
  int length = WideCharToMultiByte(CP_UTF8, 0, wide, size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, size, out.data(), length, nullptr, nullptr);
  return out;
}
