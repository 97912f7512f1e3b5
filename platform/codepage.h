#pragma once
// Conversions between UTF-16 and the system ANSI code page, the encoding of
// every string that crosses to Kesto.
#include <cstddef>
#include <string>

// Zero-terminated ANSI text to UTF-16; a null pointer gives empty text.
std::u16string ansiToUtf16(const char* text);
// How many of the first `bytes` bytes of ANSI text are whole characters: a
// piece that long converts to what it gives inside the whole text. Less than
// `bytes` only where a multi-byte character straddles the end.
size_t ansiWholeCharacterBytes(const char* text, size_t bytes);
// Appends the UTF-16 of `bytes` bytes of ANSI text (whole characters).
void appendAnsiAsUtf16(const char* text, size_t bytes, std::u16string& out);
// The number of ANSI bytes that `length` UTF-16 units convert to, without a
// terminator. Characters the code page lacks become its default character.
size_t ansiLengthOf(const char16_t* text, size_t length);
// Converts into `out`, which holds exactly ansiLengthOf(text, length) bytes.
void utf16ToAnsi(const char16_t* text, size_t length, char* out, size_t outLength);
// The active ANSI code page number (1252 in the stand-in).
unsigned activeAnsiCodePage();
