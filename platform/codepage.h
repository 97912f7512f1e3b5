#pragma once
// Conversions between UTF-16 and the system ANSI code page, the encoding of
// every string that crosses to Kesto.
#include <cstddef>
#include <string>

// Zero-terminated ANSI text to UTF-16; a null pointer gives empty text.
std::u16string ansiToUtf16(const char* text);
// The number of ANSI bytes that `length` UTF-16 units convert to, without a
// terminator. Characters the code page lacks become its default character.
size_t ansiLengthOf(const char16_t* text, size_t length);
// Converts into `out`, which holds exactly ansiLengthOf(text, length) bytes.
void utf16ToAnsi(const char16_t* text, size_t length, char* out, size_t outLength);
// The active ANSI code page number (1252 in the stand-in).
unsigned activeAnsiCodePage();
