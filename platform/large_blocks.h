#pragma once
// Memory policy of the programs that handle large matrices and texts.

// Keeps blocks of up to a few hundred megabytes in the process's heap once
// freed, instead of handing each back to the system: a large paste, set and
// show allocates several text and matrix buffers of tens of megabytes one
// after another, and fresh pages for each cost more than reading the
// numbers. The peak stays the same; what is kept is reused by the next
// buffer. Call once at start-up.
void KeepLargeBlocksForReuse();

// KeepLargeBlocksForReuse, and the first few hundred megabytes of the heap
// marked for huge pages where the system offers them: a fresh 8 MB matrix
// then costs four page faults instead of two thousand, which is most of the
// time a just-started program spends loading its registers. For programs
// whose memory is mostly a few large matrices: a window's many mid-sized
// text buffers each fault in two megabytes instead, and run slower
// (measured: paste, set and first paint of a 1000 x 1000 text took 70 ms
// without, 115-140 ms with).
void PlaceLargeBlocksOnHugePages();
