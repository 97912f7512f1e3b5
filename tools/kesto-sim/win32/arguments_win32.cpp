// Kesto takes its command line as Unicode; so does its stand-in. Output is
// written as bytes, without the C runtime's line-end translation.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "tools/kesto-sim/text.h"

std::vector<std::u16string> programArguments(int, char**) {
  _setmode(_fileno(stdout), _O_BINARY);
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::u16string> arguments;
  for (int i = 1; i < count; ++i) {
    const wchar_t* w = wide[i];
    arguments.emplace_back(reinterpret_cast<const char16_t*>(w));
  }
  LocalFree(wide);
  return arguments;
}
