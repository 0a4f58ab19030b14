// The per-step dispatch: which registered drive the next simulation step
// advances. Drives are taken in a fixed cyclic order, buckets ascending and
// each chain from its head, keeping only two cursors: a bucket and a link of
// its chain.
#ifndef TARSEL_STEP_DISPATCH_H
#define TARSEL_STEP_DISPATCH_H

#include "registry/keyed_table.h"

#include <cstdint>

// Moves the cursors on by one entry of driveRegistry and returns that entry;
// null, after at most one pass over the buckets, when there is none (also
// when the registry is missing or has no buckets).
KeyedEntry *NextStepEntry();

// The module is loaded, with a drive registry of that many buckets, or
// unloaded (0): the dispatch starts at the first bucket.
void ResetStepDispatch(uint32_t bucketCount);

// The simulation run has ended: the next run's dispatch starts at the first bucket.
void RewindStepDispatch();

#endif
