// Stand-in for the file API: a drive-letter path is mapped onto the local
// file system as Wine maps its Z: drive ("Z:\tmp\a.png" is "/tmp/a.png"),
// so native runs can embed real files. Buffers are tracked for tests.
#include "platform/file_access.h"
#include "platform/standin/allocation_faults.h"
#include "platform/standin/file_access_standin.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <unordered_map>

namespace {
std::string localPath(const std::u16string& path) {
  std::string out;
  size_t start = path.size() >= 2 && path[1] == u':' ? 2 : 0;
  for (size_t i = start; i < path.size(); ++i) {
    char32_t c = path[i];
    if (c == u'\\') c = u'/';
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < path.size()) c = 0x10000 + ((c - 0xD800) << 10) + (path[++i] - 0xDC00);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out += {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
    } else if (c < 0x10000) {
      out += {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
              static_cast<char>(0x80 | (c & 0x3F))};
    } else {
      out += {static_cast<char>(0xF0 | (c >> 18)), static_cast<char>(0x80 | ((c >> 12) & 0x3F)),
              static_cast<char>(0x80 | ((c >> 6) & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
    }
  }
  return out;
}

std::unordered_map<const unsigned char*, size_t>& liveBuffers() {
  static std::unordered_map<const unsigned char*, size_t> buffers;
  return buffers;
}
FileBufferStats counters;
FileAccessHook accessHook = nullptr;

std::unordered_map<FileHandle, int>& readCounts() {
  static std::unordered_map<FileHandle, int> counts;
  return counts;
}

void reportAccess(FileHandle file) {
  if (accessHook) accessHook(file, readCounts()[file]);
}
}  // namespace

void setFileAccessHook(FileAccessHook hook) { accessHook = hook; }

bool queryFileSize(const std::u16string& path, uint64_t& size) {
  struct stat info;
  if (stat(localPath(path).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  size = static_cast<uint64_t>(info.st_size);
  return true;
}

FileHandle openFileForReading(const std::u16string& path) {
  FileHandle file = std::fopen(localPath(path).c_str(), "rb");
  if (!file) return nullptr;
  // Unbuffered, so that a change to the file between reads is seen.
  std::setvbuf(static_cast<FILE*>(file), nullptr, _IONBF, 0);
  AllocationFaultsPaused books;
  readCounts()[file] = 0;
  reportAccess(file);
  return file;
}

size_t readFromFile(FileHandle file, void* into, size_t bytes) {
  size_t got = std::fread(into, 1, bytes, static_cast<FILE*>(file));
  AllocationFaultsPaused books;
  readCounts()[file]++;
  reportAccess(file);
  return got;
}

void closeFile(FileHandle file) {
  if (!file) return;
  AllocationFaultsPaused books;
  readCounts().erase(file);
  std::fclose(static_cast<FILE*>(file));
}

unsigned char* fileBufferAlloc(size_t bytes) {
  if (allocationMustFail()) return nullptr;
  auto* buffer = static_cast<unsigned char*>(std::calloc(bytes ? bytes : 1, 1));
  if (!buffer) return nullptr;
  AllocationFaultsPaused books;
  liveBuffers()[buffer] = bytes;
  counters.live++;
  counters.liveBytes += bytes;
  if (counters.liveBytes > counters.peakBytes) counters.peakBytes = counters.liveBytes;
  return buffer;
}

void fileBufferFree(unsigned char* buffer) {
  auto found = liveBuffers().find(buffer);
  if (found == liveBuffers().end()) return;
  counters.live--;
  counters.liveBytes -= found->second;
  liveBuffers().erase(found);
  std::free(buffer);
}

bool fileBufferStats(FileBufferStats& stats) {
  stats = counters;
  return true;
}

void fileBufferResetPeak() { counters.peakBytes = counters.liveBytes; }
