#pragma once
// zuvo-catalogue's terminal side: arguments in, UTF-8 lines out.
#include <string>

#include "tools/shared/utf8.h"

// Writes the text and "\n" to standard output as UTF-8.
void printLine(const std::u16string& line);
// Writes the text and "\n" to standard error.
void printError(const std::string& line);
