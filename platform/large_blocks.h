#pragma once
// Memory policy of the programs that handle large matrix texts.

// Keeps blocks of up to a few hundred megabytes in the process's heap once
// freed, instead of handing each back to the system: a large paste, set and
// show allocates several text and matrix buffers of tens of megabytes one
// after another, and fresh pages for each cost more than reading the
// numbers. The peak stays the same; what is kept is reused by the next
// buffer. Call once at start-up.
void KeepLargeBlocksForReuse();
