#pragma once
// Read-only access to the author's local files, for embedding them into
// scripts, and the buffers that reading needs. Paths are the Windows paths
// an author writes in a publication ("C:\pics\logo.png").
#include <cstddef>
#include <cstdint>
#include <string>

// An open file; null means none.
using FileHandle = void*;

// The size of an existing regular file. False when the path names nothing,
// a directory or something that cannot be asked.
bool queryFileSize(const std::u16string& path, uint64_t& size);
// Opens an existing file for reading, letting other readers in; null when
// it is missing or another program holds it so that reading is refused.
FileHandle openFileForReading(const std::u16string& path);
// Reads up to `bytes` bytes, as many as the file still has; returns the
// count read, which is short only at the end of the file or on an error.
size_t readFromFile(FileHandle file, void* into, size_t bytes);
void closeFile(FileHandle file);

// Buffers for file content: zero-filled, null when no memory is left.
unsigned char* fileBufferAlloc(size_t bytes);
void fileBufferFree(unsigned char* buffer);

// Bookkeeping of file buffers, kept by the stand-in so tests and benchmarks
// see the peak; false on Windows.
struct FileBufferStats {
  long live = 0;
  size_t liveBytes = 0;
  size_t peakBytes = 0;
};
bool fileBufferStats(FileBufferStats& stats);
void fileBufferResetPeak();
