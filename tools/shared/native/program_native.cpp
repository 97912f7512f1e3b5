#include "tools/shared/program.h"
#include "tools/shared/utf8.h"

std::vector<std::u16string> programArguments(int argc, char** argv) {
  std::vector<std::u16string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(utf8ToUtf16(argv[i]));
  return arguments;
}

void* programInstance() { return nullptr; }
