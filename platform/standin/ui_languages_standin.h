#pragma once
// What only the stand-in offers: the language list it reports, set as a
// Windows user would set their display languages. It starts as English
// ("en-US") alone.
#include <initializer_list>

// The names to report, most preferred first; none makes the platform give
// no list at all.
void standinSetUiLanguages(std::initializer_list<const char16_t*> names);
