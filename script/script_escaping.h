#pragma once
// User text spliced into a single-quoted script string literal, which itself
// travels inside a double-quoted parameter of a Kesto action line.
#include <string>
#include <string_view>

// Doubles backslashes and writes double quotes as \u0022, apostrophes as \',
// carriage returns as \r and line feeds as \n; nothing else changes. The
// result holds no double quote and no line break.
std::u16string escapeScriptString(const std::u16string& text);
// The same, appended to `out`. Each character is escaped on its own, so a
// text may be escaped piece by piece.
void appendEscapedScriptText(std::u16string_view text, std::u16string& out);
