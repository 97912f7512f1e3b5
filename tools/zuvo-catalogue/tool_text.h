#pragma once
// zuvo-catalogue's terminal side: arguments in, UTF-8 lines out.
#include <string>
#include <vector>

std::u16string utf8ToUtf16(const std::string& text);
std::string utf16ToUtf8(const std::u16string& text);
// The program's arguments without the program name: UTF-8 natively, the
// ANSI code page on Windows. Also puts standard output into byte mode.
std::vector<std::u16string> toolArguments(int argc, char** argv);
// Writes the text and "\n" to standard output as UTF-8.
void printLine(const std::u16string& line);
// Writes the text and "\n" to standard error.
void printError(const std::string& line);
