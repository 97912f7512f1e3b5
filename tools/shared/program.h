#pragma once
// What a tool gets from the system it starts on.
#include <string>
#include <vector>

// The program's arguments as UTF-16, without the program name: Windows
// hands them over as Unicode, elsewhere they are UTF-8. Also puts standard
// output into byte mode, so that "\n" reaches a file or pipe unchanged.
std::vector<std::u16string> programArguments(int argc, char** argv);
// The program's module handle for the UI runtime (null where there is none).
void* programInstance();
