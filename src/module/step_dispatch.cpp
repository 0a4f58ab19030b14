#include "module/step_dispatch.h"

#include "module/base/module_state.h"

namespace {

// The bucket the next step looks at first and the link of its chain to take;
// the drive registry's bucket count, fixed while the module is loaded.
uint32_t stepBucket = 0;
int32_t stepChain = 0;
uint32_t stepBucketCount = 0;

// Takes the bucket at stepBucket, moves stepBucket on, and returns the entry
// stepChain links behind that bucket's head, or null.
KeyedEntry *TakeFromNextBucket() {
    KeyedEntry *slot = driveRegistry->BucketAt(stepBucket);
    if (++stepBucket >= stepBucketCount) {
        stepBucket = 0;
    }
    if (!slot || !slot->key) {
        return nullptr;
    }
    int32_t links = stepChain++;
    for (; links > 0 && slot; --links) {
        slot = slot->next;
    }
    if (!slot) {
        stepChain = 0;
    }
    return slot;
}

} // namespace

KeyedEntry *NextStepEntry() {
    if (!driveRegistry || stepBucketCount == 0) {
        return nullptr;
    }
    if (stepBucket >= stepBucketCount) {
        stepBucket = 0;
    }
    const uint32_t start = stepBucket;
    KeyedEntry *chosen = nullptr;
    do {
        chosen = TakeFromNextBucket();
    } while (!chosen && stepBucket != start);
    if (!chosen) {
        return nullptr;
    }
    if (chosen->next) {
        // The next call comes back to this bucket for the following link.
        stepBucket = start;
    } else {
        stepChain = 0;
    }
    return chosen;
}

void RewindStepDispatch() {
    stepBucket = 0;
    stepChain = 0;
}

void ResetStepDispatch(uint32_t bucketCount) {
    RewindStepDispatch();
    stepBucketCount = bucketCount;
}
