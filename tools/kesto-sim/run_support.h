#pragma once
// What exec and run need of the system beneath kesto-sim: where a
// publication lives, and the process's memory figures for measurements.
#include <cstdint>
#include <string>

// The directory of the publication file as a Windows path with a trailing
// backslash, the value of Kesto's path variable "[PubDir]".
std::u16string publicationDirectory(const std::u16string& publicationFile);

// The process's memory: current and peak private bytes, and the peak of the
// resident set. Zero where the system does not say.
struct ProcessMemory {
  uint64_t privateBytes = 0;
  uint64_t peakPrivateBytes = 0;
  uint64_t peakResidentBytes = 0;
};
ProcessMemory processMemory();
