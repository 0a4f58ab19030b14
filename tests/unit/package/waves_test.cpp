// The package's six waves: valid 16-bit PCM files that start and end on
// silence, and a charge hum that loops without a click.
#include "synth.h"
#include "wav_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

uint32_t Read(const std::vector<uint8_t> &b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | b[at + i];
    return v;
}

std::string Tag(const std::vector<uint8_t> &b, size_t at) {
    return std::string(b.begin() + at, b.begin() + at + 4);
}

int Step(int16_t a, int16_t b) {
    return std::abs(int(b) - int(a));
}

TEST(Waves, FilesAreMono16BitPcmWithTheSamplesInOrder) {
    const std::vector<int16_t> samples = {0, 1, -1, 32767, -32768};
    const std::vector<uint8_t> b = waves::WavBytes(samples, 22050);
    ASSERT_EQ(b.size(), 44u + 10u);
    EXPECT_EQ(Tag(b, 0), "RIFF");
    EXPECT_EQ(Read(b, 4, 4), 36u + 10u);
    EXPECT_EQ(Tag(b, 8), "WAVE");
    EXPECT_EQ(Tag(b, 12), "fmt ");
    EXPECT_EQ(Read(b, 16, 4), 16u);
    EXPECT_EQ(Read(b, 20, 2), 1u) << "PCM";
    EXPECT_EQ(Read(b, 22, 2), 1u) << "mono";
    EXPECT_EQ(Read(b, 24, 4), 22050u);
    EXPECT_EQ(Read(b, 28, 4), 44100u);
    EXPECT_EQ(Read(b, 32, 2), 2u);
    EXPECT_EQ(Read(b, 34, 2), 16u);
    EXPECT_EQ(Tag(b, 36), "data");
    EXPECT_EQ(Read(b, 40, 4), 10u);
    EXPECT_EQ(Read(b, 44, 2), 0u);
    EXPECT_EQ(Read(b, 46, 2), 1u);
    EXPECT_EQ(Read(b, 48, 2), 0xFFFFu);
    EXPECT_EQ(Read(b, 50, 2), 0x7FFFu);
    EXPECT_EQ(Read(b, 52, 2), 0x8000u);
}

TEST(Waves, EachSoundIsAudibleAndStartsAndEndsWithoutAClick) {
    const std::vector<waves::Wave> all = waves::AllWaves();
    const char *files[] = {"load.wav", "engage.wav", "woosh1.wav",
                           "bang.wav", "woosh2.wav", "cancel.wav"};
    ASSERT_EQ(all.size(), 6u);
    for (size_t w = 0; w < all.size(); ++w) {
        const std::vector<int16_t> &s = all[w].samples;
        EXPECT_STREQ(all[w].file, files[w]);
        ASSERT_GT(s.size(), 2000u) << files[w];
        int peak = 0, largestStep = 0;
        for (size_t i = 0; i < s.size(); ++i) {
            peak = std::max(peak, std::abs(int(s[i])));
            if (i > 0)
                largestStep = std::max(largestStep, Step(s[i - 1], s[i]));
        }
        EXPECT_GT(peak, 32767 / 4) << files[w];
        EXPECT_LT(peak, 32767) << files[w] << " clips";
        if (w == 0) {
            // The hum loops: the way back to its start is no larger a step than any within it.
            EXPECT_LE(Step(s.back(), s.front()), largestStep) << files[w];
        } else {
            EXPECT_LE(std::abs(int(s.front())), 64) << files[w];
            EXPECT_LE(std::abs(int(s.back())), 64) << files[w];
        }
    }
}

} // namespace
