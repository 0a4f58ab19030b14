// Bob Jenkins' lookup2 hash (1996), over a byte string of any alignment.
#include "registry/keyed_table.h"

#include <cstring>

namespace {

uint32_t LittleEndianWord(const uint8_t *p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// clang-format off
void Mix(uint32_t &a, uint32_t &b, uint32_t &c) {
    a -= b; a -= c; a ^= c >> 13;
    b -= c; b -= a; b ^= a << 8;
    c -= a; c -= b; c ^= b >> 13;
    a -= b; a -= c; a ^= c >> 12;
    b -= c; b -= a; b ^= a << 16;
    c -= a; c -= b; c ^= b >> 5;
    a -= b; a -= c; a ^= c >> 3;
    b -= c; b -= a; b ^= a << 10;
    c -= a; c -= b; c ^= b >> 15;
}
// clang-format on

} // namespace

uint32_t KeyedTable::HashKey(const uint8_t *bytes, uint32_t length, uint32_t initial) {
    uint32_t a = 0x9e3779b9;
    uint32_t b = 0x9e3779b9;
    uint32_t c = initial;
    uint32_t left = length;
    for (; left >= 12; left -= 12, bytes += 12) {
        a += LittleEndianWord(bytes);
        b += LittleEndianWord(bytes + 4);
        c += LittleEndianWord(bytes + 8);
        Mix(a, b, c);
    }
    // The last 0..11 bytes, zero-padded; c's lowest byte is kept for the length.
    uint8_t tail[12] = {};
    if (left > 0) {
        std::memcpy(tail, bytes, left);
    }
    c += length;
    a += LittleEndianWord(tail);
    b += LittleEndianWord(tail + 4);
    c += LittleEndianWord(tail + 8) << 8;
    Mix(a, b, c);
    return c;
}
