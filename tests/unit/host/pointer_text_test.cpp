// Pointers as the Windows C runtime writes them, which the module's drive
// keys are made of: the host sets this C library up so before anything runs.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

static std::string Text(const char *format, const void *pointer) {
    char text[64];
    std::snprintf(text, sizeof text, format, pointer);
    return text;
}

TEST(PointerText, SixteenUpperCaseHexDigitsWithoutPrefix) {
    static_assert(sizeof(void *) == 8, "the host is a 64-bit program");
    const void *place = reinterpret_cast<const void *>(uintptr_t{0x2000000000C0});
    EXPECT_EQ(Text("%p", place), "00002000000000C0");
    EXPECT_EQ(Text("%p", nullptr), "0000000000000000");
    EXPECT_EQ(Text("[%20p]", place), "[    00002000000000C0]");
    EXPECT_EQ(Text("[%-20p]", place), "[00002000000000C0    ]");
}
