// The package's six waves: valid 16-bit PCM files that start and end on
// silence, and a charge hum that loops without a click.
#include "synth.h"
#include "wav_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

static int Step(int16_t a, int16_t b) {
    return std::abs(int(b) - int(a));
}

// RIFF, 46 bytes to follow; WAVE; a format chunk of 16 bytes: PCM, mono,
// 22050 samples a second, 44100 bytes a second, 2 bytes a sample, 16 bits;
// a data chunk of 10 bytes: the samples, little-endian, in order.
TEST(Waves, FilesAreMono16BitPcmWithTheSamplesInOrder) {
    const std::vector<uint8_t> b = waves::WavBytes({0, 1, -1, 32767, -32768}, 22050);
    EXPECT_EQ(std::string(b.begin(), b.end()),
              std::string("RIFF\x2e\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xac\0\0"
                          "\x02\0\x10\0data\x0a\0\0\0\0\0\x01\0\xff\xff\xff\x7f\0\x80",
                          54));
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
