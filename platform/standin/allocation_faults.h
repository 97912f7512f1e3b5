#pragma once
// Fault injection of the stand-in platform: tests make the Nth allocation
// from now fail, to see that running out of memory at any point ends an
// action quietly. The stand-in's host blocks and file buffers count here;
// so does a test program's own operator new, where it replaces the global
// one (tests/faults). Native builds only.

// From now on, count allocations and fail the `nth` (from 1); 0 fails none.
void failAllocationNumber(long nth);
// Counts one allocation; true when it is the one that must fail.
bool allocationMustFail();
// True while allocations are counted: armed and not paused.
bool allocationsWatched();
// Allocations counted since failAllocationNumber, and whether one failed.
long allocationsCounted();
bool allocationFailed();

// While one of these lives, allocations are neither counted nor failed: for
// the stand-in's own books and for the code that plays Kesto or the author.
struct AllocationFaultsPaused {
  AllocationFaultsPaused();
  ~AllocationFaultsPaused();
  AllocationFaultsPaused(const AllocationFaultsPaused&) = delete;
  AllocationFaultsPaused& operator=(const AllocationFaultsPaused&) = delete;
};
