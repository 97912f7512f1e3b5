// Windows hands the command line over as Unicode; output is written as
// bytes, without the C runtime's line-end translation.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "tools/shared/program.h"

std::vector<std::u16string> programArguments(int, char**) {
  _setmode(_fileno(stdout), _O_BINARY);
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::u16string> arguments;
  for (int i = 1; i < count; ++i) arguments.emplace_back(reinterpret_cast<const char16_t*>(wide[i]));
  LocalFree(wide);
  return arguments;
}

void* programInstance() { return GetModuleHandleW(nullptr); }
