// The host's profile-file functions, as the settings file uses them.
#include "Orbitersdk.h"

#include "scratch_directory.h"

#include <cstring>
#include <tuple>

namespace {

class Profile : public ScratchDirectory {
protected:
    std::string Get(const char *section, const char *key, const char *fallback = nullptr) {
        char buffer[256];
        std::memset(buffer, '#', sizeof buffer);
        DWORD length = GetPrivateProfileStringA(section, key, fallback, buffer, 256, "p.ini");
        EXPECT_EQ(length, std::strlen(buffer));
        return buffer;
    }
};

} // namespace

TEST_F(Profile, ReadsWithoutRegardToCaseStrippingBlanksAndOnePairOfQuotes) {
    EXPECT_EQ(Get("A", "k", "dflt  "), "dflt"); // no file yet
    WriteFile("p.ini", "  [ A ]  \r\n  k1  =  spaced value \t\r\nk2=\"quoted \"\r\n"
                       "k3='single'\nk4=\"\"twice\"\"\nk5=\"open\nk6=\nk=1\nk=2\n[a]\nk=3\n"
                       "[settings]\nclassname=X\n");
    using Row = std::tuple<const char *, const char *, const char *, const char *>;
    for (const auto &[section, key, fallback, expected] :
         {Row{"a", "K1", nullptr, "spaced value"}, Row{"A", "k2", nullptr, "quoted "},
          Row{"A", "k3", nullptr, "single"}, Row{"A", "k4", nullptr, "\"twice\""},
          Row{"A", "k5", nullptr, "\"open"}, Row{"A", "k6", "fallback", ""},
          Row{"A", "k", nullptr, "1"}, // the first match counts
          Row{"SETTINGS", "ClassName", nullptr, "X"}, Row{"A", "ClassName", "d", "d"},
          Row{"C", "k", "d", "d"}}) {
        EXPECT_EQ(Get(section, key, fallback), expected) << section << "/" << key;
    }
}

TEST_F(Profile, WritingReplacesAKeyInPlaceAndKeepsEveryOtherLine) {
    const std::string before = "; note\r\n[A]\r\nx = 1\r\nK = old ; c\r\n\r\n[B]\r\nk=b\r\n";
    WriteFile("p.ini", before);
    EXPECT_TRUE(WritePrivateProfileStringA("a", "k", "new", "p.ini"));
    EXPECT_EQ(ReadFile("p.ini"), "; note\r\n[A]\r\nx = 1\r\nk=new\r\n\r\n[B]\r\nk=b\r\n");
    // A new key goes after the section's last line, before the blank one,
    // with the file's line ending.
    EXPECT_TRUE(WritePrivateProfileStringA("A", "y", "2", "p.ini"));
    EXPECT_EQ(ReadFile("p.ini"), "; note\r\n[A]\r\nx = 1\r\nk=new\r\ny=2\r\n\r\n[B]\r\nk=b\r\n");
}
