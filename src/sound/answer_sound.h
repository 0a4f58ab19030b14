// How the module answers the pilot: it says nothing in words, but an
// accepted command or entry plays slot 51 and a refused one slot 55.
#ifndef TARSEL_ANSWER_SOUND_H
#define TARSEL_ANSWER_SOUND_H

#include "sound/sound_bridge.h"

#include <cstdint>

constexpr int kAcceptSlot = 51;
constexpr int kRefuseSlot = 55;

inline void PlayAnswer(int32_t soundId, bool accepted) {
    PlayWave(soundId, accepted ? kAcceptSlot : kRefuseSlot, 0, 255, 0);
}

#endif
