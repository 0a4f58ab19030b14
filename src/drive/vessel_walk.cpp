#include "drive/vessel_walk.h"

#include <cstring>
#include <new>

namespace {

// At least twice the bound, a power of two, so that probes stay short.
uint32_t SlotCount(uint32_t bound) {
    uint32_t slots = 16;
    while (slots < 2 * uint64_t{bound} && slots < (uint32_t{1} << 31))
        slots <<= 1;
    return slots;
}

uint32_t Spread(OBJHANDLE vessel) {
    uint64_t bits = reinterpret_cast<uintptr_t>(vessel);
    bits ^= bits >> 33;
    bits *= 0xff51afd7ed558ccdull;
    bits ^= bits >> 33;
    return static_cast<uint32_t>(bits);
}

} // namespace

VesselWalk::VesselWalk(uint32_t bound) : bound_(bound) {
    const uint32_t slots = SlotCount(bound);
    reached_ = new (std::nothrow) OBJHANDLE[slots];
    frames_ = new (std::nothrow) Frame[bound ? bound : 1];
    if (reached_) {
        std::memset(static_cast<void *>(reached_), 0, slots * sizeof(OBJHANDLE));
        slotMask_ = slots - 1;
    }
}

VesselWalk::~VesselWalk() {
    delete[] reached_;
    delete[] frames_;
}

bool VesselWalk::Reach(OBJHANDLE vessel) {
    if (!vessel || reachedCount_ >= bound_)
        return false;
    for (uint32_t slot = Spread(vessel) & slotMask_;; slot = (slot + 1) & slotMask_) {
        if (reached_[slot] == vessel)
            return false;
        if (!reached_[slot]) {
            reached_[slot] = vessel;
            ++reachedCount_;
            return true;
        }
    }
}

void VesselWalk::Push(OBJHANDLE vessel) {
    if (depth_ < bound_)
        frames_[depth_++] = Frame{vessel, 0};
}
