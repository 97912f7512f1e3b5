#include <filesystem>
#include <fstream>
#include <string>

#include "tools/kesto-sim/run_support.h"
#include "tools/kesto-sim/text.h"

// Written as Wine shows a local directory (Z: is the root), so that the
// plug-in's stand-in file layer maps it back to the same place.
std::u16string publicationDirectory(const std::u16string& publicationFile) {
  std::error_code error;
  std::filesystem::path file = std::filesystem::absolute(utf16ToUtf8(publicationFile), error);
  std::u16string directory = u"Z:" + utf8ToUtf16(file.parent_path().string());
  for (char16_t& c : directory)
    if (c == u'/') c = u'\\';
  if (directory.back() != u'\\') directory.push_back(u'\\');
  return directory;
}

namespace {
uint64_t statusKilobytes(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field + ":", 0) == 0) return std::stoull(line.substr(field.size() + 1)) * 1024;
  return 0;
}
}  // namespace

ProcessMemory processMemory() {
  ProcessMemory memory;
  memory.privateBytes = statusKilobytes("VmData");
  memory.peakPrivateBytes = statusKilobytes("VmPeak");
  memory.peakResidentBytes = statusKilobytes("VmHWM");
  return memory;
}
