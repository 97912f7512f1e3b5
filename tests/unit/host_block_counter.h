#pragma once
// Counts the host blocks a test allocates and releases, where the platform
// keeps books on them (the stand-in); on Windows `tracked` is false.
#include "platform/host_memory.h"

struct BlockCounter {
  HostMemoryStats before;
  bool tracked = hostMemoryStats(before);
  long liveDelta() const {
    HostMemoryStats now;
    hostMemoryStats(now);
    return now.live - before.live;
  }
  long badReleases() const {
    HostMemoryStats now;
    hostMemoryStats(now);
    return now.badReleases - before.badReleases;
  }
};
