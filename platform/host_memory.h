#pragma once
// Host strings live in fixed, zero-initialised blocks of the platform's
// global allocator, because Kesto releases the ones it keeps with the same
// allocator. These are the only functions that touch that allocator.
#include <cstddef>

// Returns a zero-filled block of `bytes` bytes, or null when none is left.
char* hostBlockAlloc(size_t bytes);
// Releases a block from hostBlockAlloc (or one Kesto allocated the same way).
void hostBlockFree(char* block);

// Bookkeeping of live blocks, kept by the stand-in so tests can catch a leak,
// a double release or the release of a pointer that was never handed out.
struct HostMemoryStats {
  long allocations = 0;   // blocks handed out
  long releases = 0;      // blocks released
  long live = 0;          // handed out and not yet released
  long badReleases = 0;   // releases of unknown or already released pointers
  size_t liveBytes = 0;
  size_t peakBytes = 0;   // largest liveBytes seen since the last reset
};
// Fills `stats` and returns true where the platform tracks blocks; false
// on Windows, where GlobalAlloc keeps its own books.
bool hostMemoryStats(HostMemoryStats& stats);
void hostMemoryResetPeak();
// True when `block` is a live block (stand-in only; Windows asks GlobalSize).
bool hostBlockIsLive(const char* block);
