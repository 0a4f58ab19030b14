// Texts the host gives the module: pointers as the Windows C runtime writes
// them, which the module's drive keys are made of (the host sets this C
// library up so before anything runs), and Date2Int, which reads the
// compiler's __DATE__ form and nothing else (the plug-in's own date, as
// tarsel-sim loads it, is in every scenario's transcript).
#include "api/library_glue.h"

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

TEST(Date2Int, ReadsTheCompilerDateFormAndNothingElse) {
    EXPECT_EQ(Date2Int(std::string("Apr 25 2006").data()), 60425);
    EXPECT_EQ(Date2Int(std::string("Jan  1 2000").data()), 101);
    EXPECT_EQ(Date2Int(std::string("Dec 31 1999").data()), 991231);
    for (const char *bad :
         {"", "Apr 25 06", "apr 25 2006", "Foo 25 2006", "Apr 32 2006", "Apr 00 2006",
          "Apr  x 2006", "Apr 25  206", "Apr 25 2006 ", "Apr-25-2006", "Apr    2006"})
        EXPECT_EQ(Date2Int(std::string(bad).data()), 0) << '"' << bad << '"';
    EXPECT_EQ(Date2Int(nullptr), 0);
}
