#pragma once
// Background threads run below normal priority so that the user interface
// stays responsive. Linux ignores scheduling priorities of ordinary threads,
// so this raises the calling thread's nice value instead.
namespace vistello {

// Lowers the calling thread's priority by a few nice steps (never above 19).
// Returns false when the system refused.
bool lowerCurrentThreadPriority();
// The same by a number of nice steps (a thread that must keep up with the user: 1).
bool lowerCurrentThreadPriority(int steps);

// The calling thread's nice value (for checks).
int currentThreadNice();

} // namespace vistello
