#include "platform/text_case.h"

#include <windows.h>

std::u16string lowerCaseText(const std::u16string& text) {
  std::u16string out = text;
  if (!out.empty()) CharLowerBuffW(reinterpret_cast<wchar_t*>(out.data()), static_cast<DWORD>(out.size()));
  return out;
}
