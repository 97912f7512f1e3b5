// How much memory one ksExecAction needs for a large text value: the growth
// of the process's resident peak while the action runs, beside the value
// that Kesto holds. Usage: large_text_memory MB [ACTION], ACTION 1 (ZUVO_Set,
// the default), 5 (ZUVO_Items SetText) or 7 (ZUVO_AddRow). The value repeats
// a line holding every character that escaping changes.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "host/entry_points.h"
#include "host/host_strings.h"
#include "platform/host_memory.h"

namespace {
long residentPeakKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  return 0;
}

size_t sentLength = 0;
int32_t takeLine(HostString line) {
  sentLength = std::strlen(line);
  return 1;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  size_t mb = std::strtoul(argv[1], nullptr, 10);
  int action = argc > 2 ? std::atoi(argv[2]) : 1;
  const char unit[] = "Line 'one' \"two\" C:\\dir\r\n";
  size_t unitBytes = sizeof unit - 1, count = mb * 1024 * 1024 / unitBytes;
  char* value = hostBlockAlloc(count * unitBytes + 1);
  if (!value) return 3;
  for (size_t i = 0; i < count; ++i) std::memcpy(value + i * unitBytes, unit, unitBytes);
  HostString list[4] = {toHostString(u"R"), toHostString(u"c"), toHostString(action == 5 ? u"SetText" : u"text"),
                        value};
  if (action == 7) std::swap(list[2], list[3]);
  ksRegisterScriptProcessor(takeLine);
  long before = residentPeakKb();
  int32_t result = ksExecAction(action, list);
  long after = residentPeakKb();
  std::printf("value %zu MB, result %d, line %zu bytes, resident peak grew %ld MB\n", mb, result, sentLength,
              (after - before) / 1024);
  for (HostString entry : list) freeHostString(entry);
  return 0;
}
