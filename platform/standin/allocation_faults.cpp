#include "platform/standin/allocation_faults.h"

namespace {
long failAt = 0;
long counted = 0;
bool failed = false;
int pauses = 0;
}  // namespace

void failAllocationNumber(long nth) {
  failAt = nth;
  counted = 0;
  failed = false;
}

bool allocationsWatched() { return pauses == 0 && failAt != 0; }

bool allocationMustFail() {
  if (!allocationsWatched()) return false;
  if (++counted != failAt) return false;
  failed = true;
  return true;
}

long allocationsCounted() { return counted; }
bool allocationFailed() { return failed; }

AllocationFaultsPaused::AllocationFaultsPaused() { ++pauses; }
AllocationFaultsPaused::~AllocationFaultsPaused() { --pauses; }
