#include "platform/host_memory.h"

#include <windows.h>

char* hostBlockAlloc(size_t bytes) {
  return static_cast<char*>(GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, bytes));
}

void hostBlockFree(char* block) {
  if (block) GlobalFree(block);
}

bool hostMemoryStats(HostMemoryStats&) { return false; }
void hostMemoryResetPeak() {}

bool hostBlockIsLive(const char* block) {
  return block && GlobalSize(const_cast<char*>(block)) > 0;
}
