#pragma once
// Text as Kesto handles it: UTF-8 on the terminal and in files, host
// strings (ANSI, global allocator) toward the plug-in.
#include <string>
#include <vector>

#include "host/host_api.h"

std::u16string utf8ToUtf16(const std::string& text);
std::string utf16ToUtf8(const std::u16string& text);
// A host string allocated as Kesto would allocate it.
HostString makeHostString(const std::u16string& text);
void releaseHostString(HostString text);
// A host string shown on the terminal: its ANSI bytes read back as UTF-16.
std::string hostStringToUtf8(const char* text);
// The program's arguments as Unicode, without the program name.
std::vector<std::u16string> programArguments(int argc, char** argv);
// Writes UTF-8 bytes to standard output exactly, with "\n" line ends.
void printLine(const std::string& line);
