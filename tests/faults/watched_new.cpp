// Replaces the global operator new and delete of this program. Each block
// carries a small header saying whether it was allocated while watched, so
// that releasing it later, watched or not, keeps the count right.
#include "tests/faults/watched_new.h"

#include <cstddef>
#include <cstdlib>
#include <new>

#include "platform/standin/allocation_faults.h"

namespace {
long watchedLive = 0;

struct alignas(std::max_align_t) BlockHeader {
  bool watched;
};

void* allocate(std::size_t bytes) noexcept {
  if (allocationMustFail()) return nullptr;
  bool watched = allocationsWatched();
  auto* header = static_cast<BlockHeader*>(std::malloc(sizeof(BlockHeader) + (bytes ? bytes : 1)));
  if (!header) return nullptr;
  header->watched = watched;
  if (watched) ++watchedLive;
  return header + 1;
}

void release(void* block) noexcept {
  if (!block) return;
  BlockHeader* header = static_cast<BlockHeader*>(block) - 1;
  if (header->watched) --watchedLive;
  std::free(header);
}

void* allocateOrThrow(std::size_t bytes) {
  void* block = allocate(bytes);
  if (!block) throw std::bad_alloc();
  return block;
}
}  // namespace

long watchedBlocksLive() { return watchedLive; }

void* operator new(std::size_t bytes) { return allocateOrThrow(bytes); }
void* operator new[](std::size_t bytes) { return allocateOrThrow(bytes); }
void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept { return allocate(bytes); }
void* operator new[](std::size_t bytes, const std::nothrow_t&) noexcept { return allocate(bytes); }
void operator delete(void* block) noexcept { release(block); }
void operator delete[](void* block) noexcept { release(block); }
void operator delete(void* block, std::size_t) noexcept { release(block); }
void operator delete[](void* block, std::size_t) noexcept { release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { release(block); }
