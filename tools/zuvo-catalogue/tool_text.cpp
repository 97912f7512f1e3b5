#include "tools/zuvo-catalogue/tool_text.h"

#include <cstdio>

void printLine(const std::u16string& line) {
  std::string bytes = utf16ToUtf8(line);
  bytes += '\n';
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

void printError(const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); }
