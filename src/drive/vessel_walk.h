// The bookkeeping of a walk over docked vessels: the vessels reached so far
// and the stack of those being walked. Both are sized once, for a bound on
// the number of vessels, and allocated without throwing.
#ifndef TARSEL_VESSEL_WALK_H
#define TARSEL_VESSEL_WALK_H

#include "Orbitersdk.h"

#include <cstdint>

class VesselWalk {
public:
    struct Frame {
        OBJHANDLE vessel;
        UINT nextPort; // the port to look at next
    };

    // Room for `bound` vessels.
    explicit VesselWalk(uint32_t bound);
    ~VesselWalk();
    VesselWalk(const VesselWalk &) = delete;
    VesselWalk &operator=(const VesselWalk &) = delete;

    // False when the memory could not be had; nothing else may then be used.
    bool Ready() const { return reached_ && frames_; }
    // Marks a vessel reached; false when it was reached before (or there is
    // no room left, so that a walk never outgrows its bound).
    bool Reach(OBJHANDLE vessel);
    // A reached vessel to walk; ignored when the stack is full.
    void Push(OBJHANDLE vessel);
    void Pop() { --depth_; }
    // The vessel being walked, null when the walk is over.
    Frame *Top() { return depth_ ? &frames_[depth_ - 1] : nullptr; }

private:
    OBJHANDLE *reached_ = nullptr; // open addressing, null for a free slot
    uint32_t slotMask_ = 0;
    uint32_t reachedCount_ = 0;
    uint32_t bound_ = 0;
    Frame *frames_ = nullptr;
    uint32_t depth_ = 0;
};

#endif
