#pragma once
// The fault-sweep program's own global operator new: it fails where the
// stand-in's fault injection says, and keeps count of the blocks allocated
// while allocations are watched, so that a run can be checked for leaks.

// Blocks allocated while watched and not yet released.
long watchedBlocksLive();
