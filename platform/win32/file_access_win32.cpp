#include "platform/file_access.h"

#include <windows.h>

namespace {
const wchar_t* widePath(const std::u16string& path) { return reinterpret_cast<const wchar_t*>(path.c_str()); }
}  // namespace

bool queryFileSize(const std::u16string& path, uint64_t& size) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(widePath(path), GetFileExInfoStandard, &data)) return false;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return true;
}

FileHandle openFileForReading(const std::u16string& path) {
  HANDLE file = CreateFileW(widePath(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  return file == INVALID_HANDLE_VALUE ? nullptr : file;
}

size_t readFromFile(FileHandle file, void* into, size_t bytes) {
  size_t total = 0;
  auto* out = static_cast<unsigned char*>(into);
  while (total < bytes) {
    DWORD want = bytes - total > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes - total);
    DWORD got = 0;
    if (!ReadFile(static_cast<HANDLE>(file), out + total, want, &got, nullptr) || got == 0) break;
    total += got;
  }
  return total;
}

void closeFile(FileHandle file) {
  if (file) CloseHandle(static_cast<HANDLE>(file));
}

unsigned char* fileBufferAlloc(size_t bytes) {
  return static_cast<unsigned char*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes ? bytes : 1));
}

void fileBufferFree(unsigned char* buffer) {
  if (buffer) HeapFree(GetProcessHeap(), 0, buffer);
}

bool fileBufferStats(FileBufferStats&) { return false; }
void fileBufferResetPeak() {}
