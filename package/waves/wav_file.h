// 16-bit PCM WAV files, mono.
#ifndef TARSEL_WAV_FILE_H
#define TARSEL_WAV_FILE_H

#include <cstdint>
#include <string>
#include <vector>

namespace waves {

constexpr int kSampleRate = 22050; // Hz

// The whole file: the RIFF header, the format chunk and the data chunk.
std::vector<uint8_t> WavBytes(const std::vector<int16_t> &samples, int sampleRate);
// Writes the file; false when it cannot be written.
bool WriteWav(const std::string &path, const std::vector<int16_t> &samples, int sampleRate);

} // namespace waves

#endif
