#pragma once
// Text as Kesto handles it: UTF-8 on the terminal and in files, host
// strings (ANSI, global allocator) toward the plug-in.
#include <string>
#include <vector>

#include "host/host_api.h"
#include "tools/shared/utf8.h"

// A host string allocated as Kesto would allocate it.
HostString makeHostString(const std::u16string& text);
void releaseHostString(HostString text);
// A host string shown on the terminal: its ANSI bytes read back as UTF-16.
std::string hostStringToUtf8(const char* text);
// Writes UTF-8 bytes to standard output exactly, with "\n" line ends.
void printLine(const std::string& line);
