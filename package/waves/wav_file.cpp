#include "wav_file.h"

#include <fstream>

namespace waves {
namespace {

void Put(std::vector<uint8_t> &out, const char *tag) {
    out.insert(out.end(), tag, tag + 4);
}

// Little-endian, as RIFF files are.
void Put(std::vector<uint8_t> &out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

} // namespace

std::vector<uint8_t> WavBytes(const std::vector<int16_t> &samples, int sampleRate) {
    const uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> out;
    Put(out, "RIFF");
    Put(out, 36 + dataSize, 4);
    Put(out, "WAVE");
    Put(out, "fmt ");
    Put(out, 16, 4);                                    // format chunk size
    Put(out, 1, 2);                                     // PCM
    Put(out, 1, 2);                                     // mono
    Put(out, static_cast<uint32_t>(sampleRate), 4);     // samples per second
    Put(out, static_cast<uint32_t>(sampleRate) * 2, 4); // bytes per second
    Put(out, 2, 2);                                     // bytes per sample frame
    Put(out, 16, 2);                                    // bits per sample
    Put(out, "data");
    Put(out, dataSize, 4);
    for (int16_t s : samples)
        Put(out, static_cast<uint16_t>(s), 2);
    return out;
}

bool WriteWav(const std::string &path, const std::vector<int16_t> &samples, int sampleRate) {
    const std::vector<uint8_t> bytes = WavBytes(samples, sampleRate);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char *>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

} // namespace waves
