// Date2Int: the compiler's __DATE__ form and nothing else (the plug-in's own
// date, as tarsel-sim loads it, is in every scenario's transcript).
#include "api/library_glue.h"

#include <gtest/gtest.h>

#include <string>

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
