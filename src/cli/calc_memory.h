#pragma once
// How kvor-calc takes its memory. A run on a large project builds tables of
// millions of cells in a few hundred milliseconds; taken 4 KB page by page
// from the system, the first touch of each page (over ten thousand of them)
// costs as much as the evaluation itself. kvor-calc therefore keeps all its
// allocations in one heap that grows in large steps and asks for that heap to
// be backed by large pages where the system offers them (transparent huge
// pages on request). Freed memory stays in the heap for the next table
// instead of going back to the system. Nothing of this changes what is
// computed; where the system refuses a step, memory is taken as before.

namespace kvor {

// Call once at the start of main, before the other threads start.
void prepareCalcHeap();

}  // namespace kvor
