#include "platform/ui_languages.h"

#include <windows.h>

// The user's and the system's fallbacks are merged in, as Windows does when
// it picks a module's resources for this thread.
bool threadUiLanguages(char16_t* buffer, size_t capacity) {
  if (capacity < 2 || capacity > 0xFFFFFFFFu) return false;
  ULONG count = 0;
  ULONG units = static_cast<ULONG>(capacity);
  DWORD flags = MUI_LANGUAGE_NAME | MUI_MERGE_USER_FALLBACK | MUI_MERGE_SYSTEM_FALLBACK;
  if (!GetThreadPreferredUILanguages(flags, &count, reinterpret_cast<wchar_t*>(buffer), &units)) return false;
  return count > 0;
}
