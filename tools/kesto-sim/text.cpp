#include "tools/kesto-sim/text.h"

#include <cstdio>

#include "platform/codepage.h"
#include "platform/host_memory.h"

HostString makeHostString(const std::u16string& text) {
  size_t length = ansiLengthOf(text.data(), text.size());
  HostString block = hostBlockAlloc(length + 1);
  if (block) utf16ToAnsi(text.data(), text.size(), block, length);
  return block;
}

void releaseHostString(HostString text) { hostBlockFree(text); }

std::string hostStringToUtf8(const char* text) { return utf16ToUtf8(ansiToUtf16(text)); }

void printLine(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}
