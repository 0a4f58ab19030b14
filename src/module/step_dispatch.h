// The per-step dispatch: which registered drive the next simulation step
// advances. Drives are taken in a fixed cyclic order, buckets ascending and
// each chain from its head, keeping only the cursors stepBucket and stepChain.
#ifndef TARSEL_STEP_DISPATCH_H
#define TARSEL_STEP_DISPATCH_H

#include "registry/keyed_table.h"

// Moves the cursors on by one entry of driveRegistry and returns that entry;
// null, after at most one pass over the buckets, when there is none (also
// when the registry is missing or has no buckets).
KeyedEntry *NextStepEntry();

#endif
