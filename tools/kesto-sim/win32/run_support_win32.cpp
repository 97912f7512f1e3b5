#include <windows.h>
// psapi.h needs windows.h first.
#include <psapi.h>

#include "tools/kesto-sim/run_support.h"

std::u16string publicationDirectory(const std::u16string& publicationFile) {
  const wchar_t* file = reinterpret_cast<const wchar_t*>(publicationFile.c_str());
  DWORD length = GetFullPathNameW(file, 0, nullptr, nullptr);
  if (length == 0) return u".\\";
  std::u16string full(length, u'\0');
  length = GetFullPathNameW(file, length, reinterpret_cast<wchar_t*>(full.data()), nullptr);
  full.resize(length);
  size_t slash = full.find_last_of(u"\\/");
  return slash == std::u16string::npos ? u".\\" : full.substr(0, slash) + u"\\";
}

ProcessMemory processMemory() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  ProcessMemory memory;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))) return memory;
  memory.privateBytes = counters.PagefileUsage;
  memory.peakPrivateBytes = counters.PeakPagefileUsage;
  memory.peakResidentBytes = counters.PeakWorkingSetSize;
  return memory;
}
