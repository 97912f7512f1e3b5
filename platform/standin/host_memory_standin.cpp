// Stand-in for the global allocator: ordinary heap blocks, each one recorded
// so that tests see leaks, double releases and releases of foreign pointers.
#include "platform/host_memory.h"
#include "platform/standin/allocation_faults.h"

#include <cstdlib>
#include <unordered_map>

namespace {
std::unordered_map<const char*, size_t>& liveBlocks() {
  static std::unordered_map<const char*, size_t> blocks;
  return blocks;
}
HostMemoryStats counters;
}  // namespace

char* hostBlockAlloc(size_t bytes) {
  if (allocationMustFail()) return nullptr;
  char* block = static_cast<char*>(std::calloc(bytes ? bytes : 1, 1));
  if (!block) return nullptr;
  AllocationFaultsPaused books;
  liveBlocks()[block] = bytes;
  counters.allocations++;
  counters.live++;
  counters.liveBytes += bytes;
  if (counters.liveBytes > counters.peakBytes) counters.peakBytes = counters.liveBytes;
  return block;
}

void hostBlockFree(char* block) {
  if (!block) return;
  auto found = liveBlocks().find(block);
  if (found == liveBlocks().end()) {
    counters.badReleases++;  // never handed out, or released before: leave it alone
    return;
  }
  counters.liveBytes -= found->second;
  liveBlocks().erase(found);
  counters.releases++;
  counters.live--;
  std::free(block);
}

bool hostMemoryStats(HostMemoryStats& stats) {
  stats = counters;
  return true;
}

void hostMemoryResetPeak() { counters.peakBytes = counters.liveBytes; }

bool hostBlockIsLive(const char* block) { return liveBlocks().count(block) != 0; }
