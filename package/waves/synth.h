// The six sounds of the drive, made from sines, sweeps and noise, so that
// the package carries waves of its own.
#ifndef TARSEL_SYNTH_H
#define TARSEL_SYNTH_H

#include <cstdint>
#include <string>
#include <vector>

namespace waves {

struct Wave {
    const char *file; // the name the module loads, in Sound\TarselMFD
    std::vector<int16_t> samples;
};

// A hum of whole periods only, so that it loops without a click.
std::vector<int16_t> ChargeHum();
// A bright decaying chime: a command accepted.
std::vector<int16_t> EngageChime();
// Rising and falling sweeps with rushing noise: the velocity ramps.
std::vector<int16_t> RisingSweep();
std::vector<int16_t> FallingSweep();
// A noise burst over a low thump: the jump.
std::vector<int16_t> Bang();
// A short low buzz: a command refused.
std::vector<int16_t> CancelBuzz();

// All six, in slot order 50 to 55.
std::vector<Wave> AllWaves();

} // namespace waves

#endif
