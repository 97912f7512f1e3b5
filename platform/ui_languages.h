#pragma once
// The user-interface languages of the calling thread, most preferred first,
// as the platform loads its own resources by them: language names such as
// "de-DE", "pt-BR" or "zh-Hans-CN". Only read, never changed.
#include <cstddef>

// Writes the names into `buffer` as a list of zero-terminated names ended by
// an empty one ("de-DE\0en-US\0\0"). False, with the buffer unspecified,
// when the platform gives no list or it does not fit in `capacity` units.
bool threadUiLanguages(char16_t* buffer, size_t capacity);
