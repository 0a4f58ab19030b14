#include "registry/keyed_table.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// lookup2 as Bob Jenkins published it, in its own layout: the mix and the
// tail switch whose cases fall through.
// clang-format off
void ReferenceMix(uint32_t &a, uint32_t &b, uint32_t &c) {
    a -= b; a -= c; a ^= (c >> 13);
    b -= c; b -= a; b ^= (a << 8);
    c -= a; c -= b; c ^= (b >> 13);
    a -= b; a -= c; a ^= (c >> 12);
    b -= c; b -= a; b ^= (a << 16);
    c -= a; c -= b; c ^= (b >> 5);
    a -= b; a -= c; a ^= (c >> 3);
    b -= c; b -= a; b ^= (a << 10);
    c -= a; c -= b; c ^= (b >> 15);
}

uint32_t ReferenceLookup2(const uint8_t *k, uint32_t length, uint32_t initval) {
    uint32_t a, b, c, len;
    len = length;
    a = b = 0x9e3779b9;
    c = initval;
    while (len >= 12) {
        a += (k[0] + ((uint32_t)k[1] << 8) + ((uint32_t)k[2] << 16) + ((uint32_t)k[3] << 24));
        b += (k[4] + ((uint32_t)k[5] << 8) + ((uint32_t)k[6] << 16) + ((uint32_t)k[7] << 24));
        c += (k[8] + ((uint32_t)k[9] << 8) + ((uint32_t)k[10] << 16) + ((uint32_t)k[11] << 24));
        ReferenceMix(a, b, c);
        k += 12; len -= 12;
    }
    c += length;
    switch (len) {
    case 11: c += ((uint32_t)k[10] << 24); [[fallthrough]];
    case 10: c += ((uint32_t)k[9] << 16); [[fallthrough]];
    case 9: c += ((uint32_t)k[8] << 8); [[fallthrough]];
    case 8: b += ((uint32_t)k[7] << 24); [[fallthrough]];
    case 7: b += ((uint32_t)k[6] << 16); [[fallthrough]];
    case 6: b += ((uint32_t)k[5] << 8); [[fallthrough]];
    case 5: b += k[4]; [[fallthrough]];
    case 4: a += ((uint32_t)k[3] << 24); [[fallthrough]];
    case 3: a += ((uint32_t)k[2] << 16); [[fallthrough]];
    case 2: a += ((uint32_t)k[1] << 8); [[fallthrough]];
    case 1: a += k[0];
    }
    ReferenceMix(a, b, c);
    return c;
}
// clang-format on

} // namespace

TEST(HashKey, MatchesPublishedLookup2ForEveryTailLength) {
    // Bytes of every value, high ones included, so that sign extension would show.
    uint8_t bytes[61];
    for (size_t i = 0; i < sizeof bytes; ++i) {
        bytes[i] = uint8_t(i * 97 + 200);
    }
    for (uint32_t initial : {0u, 1u, 0xdeadbeefu}) {
        for (uint32_t length = 0; length <= 60; ++length) {
            // Offset by one byte: the blocks need not be aligned.
            EXPECT_EQ(KeyedTable::HashKey(bytes + 1, length, initial),
                      ReferenceLookup2(bytes + 1, length, initial))
                << "length " << length << " initial " << initial;
        }
    }
}

TEST(HashKey, PinnedValues) {
    // Computed once; they guard the implementation and the reference alike.
    auto HashText = [](const char *text, uint32_t initial = 0) {
        return KeyedTable::HashKey(reinterpret_cast<const uint8_t *>(text),
                                   uint32_t(std::strlen(text)), initial);
    };
    EXPECT_EQ(KeyedTable::HashKey(nullptr, 0, 0), 0xbd49d10du);
    EXPECT_EQ(HashText("Tarsel"), 0x91813284u);
    EXPECT_EQ(HashText("0x55d0c7a1e2b0"), 0xba55d252u);
    EXPECT_EQ(HashText("Four score and seven years ago"), 0x50f2424bu);
    EXPECT_EQ(HashText("Four score and seven years ago", 1), 0x89deae7eu);
}
