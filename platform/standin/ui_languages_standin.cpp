#include "platform/ui_languages.h"

#include <string>

#include "platform/standin/ui_languages_standin.h"

namespace {
// The list in the platform's form: each name followed by a zero.
std::u16string reported(u"en-US\0", 6);
}  // namespace

void standinSetUiLanguages(std::initializer_list<const char16_t*> names) {
  reported.clear();
  for (const char16_t* name : names) {
    reported += name;
    reported += u'\0';
  }
}

bool threadUiLanguages(char16_t* buffer, size_t capacity) {
  if (reported.empty() || reported.size() + 1 > capacity) return false;
  reported.copy(buffer, reported.size());
  buffer[reported.size()] = u'\0';
  return true;
}
