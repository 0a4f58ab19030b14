// The host's profile-file functions, as the settings file uses them.
#include "Orbitersdk.h"

#include "scratch_directory.h"

#include <cstring>

namespace {

class Profile : public ScratchDirectory {
protected:
    std::string Get(const char *section, const char *key, const char *fallback = nullptr,
                    DWORD size = 256) {
        char buffer[256];
        std::memset(buffer, '#', sizeof buffer);
        DWORD length = GetPrivateProfileStringA(section, key, fallback, buffer, size, "p.ini");
        EXPECT_EQ(length, std::strlen(buffer));
        return buffer;
    }
};

} // namespace

TEST_F(Profile, MatchesSectionsAndKeysWithoutRegardToCase) {
    WriteFile("p.ini", "[Sizes]\nDrives=3\n[settings]\nclassname=X\n");
    EXPECT_EQ(Get("SIZES", "drives"), "3");
    EXPECT_EQ(Get("Settings", "ClassName"), "X");
    EXPECT_EQ(Get("Sizes", "ClassName"), "");
}

TEST_F(Profile, StripsBlanksAndOnePairOfQuotes) {
    WriteFile("p.ini", "  [ A ]  \r\n  k1  =  spaced value \t\r\nk2=\"quoted \"\r\n"
                       "k3='single'\nk4=\"\"twice\"\"\nk5=\"open\nk6=\n");
    EXPECT_EQ(Get("A", "k1"), "spaced value");
    EXPECT_EQ(Get("A", "k2"), "quoted ");
    EXPECT_EQ(Get("A", "k3"), "single");
    EXPECT_EQ(Get("A", "k4"), "\"twice\"");
    EXPECT_EQ(Get("A", "k5"), "\"open");
    EXPECT_EQ(Get("A", "k6", "fallback"), "");
}

TEST_F(Profile, DefaultWhenMissing) {
    EXPECT_EQ(Get("A", "k", "dflt  "), "dflt");
    EXPECT_EQ(Get("A", "k", nullptr), "");
    WriteFile("p.ini", "[A]\nother=1\n[B]\nk=2\n");
    EXPECT_EQ(Get("A", "k", "d"), "d");
    EXPECT_EQ(Get("C", "k", "d"), "d");
}

TEST_F(Profile, FirstMatchCounts) {
    WriteFile("p.ini", "[A]\nk=1\nk=2\n[a]\nk=3\n");
    EXPECT_EQ(Get("A", "k"), "1");
}

TEST_F(Profile, ResultIsCutToTheBuffer) {
    WriteFile("p.ini", "[A]\nk=abcdefgh\n");
    EXPECT_EQ(Get("A", "k", nullptr, 5), "abcd");
    EXPECT_EQ(Get("A", "k", nullptr, 1), "");
    char untouched = 'z';
    EXPECT_EQ(GetPrivateProfileStringA("A", "k", nullptr, &untouched, 0, "p.ini"), 0u);
    EXPECT_EQ(untouched, 'z');
}

TEST_F(Profile, WritingCreatesFoldersFileAndSections) {
    EXPECT_TRUE(WritePrivateProfileStringA("A", "k", "1", "dir\\sub\\new.ini"));
    EXPECT_TRUE(WritePrivateProfileStringA("B", "j", "2", "dir\\sub\\new.ini"));
    EXPECT_TRUE(WritePrivateProfileStringA("A", "m", "3", "dir\\sub\\new.ini"));
    EXPECT_EQ(ReadFile("dir/sub/new.ini"), "[A]\nk=1\nm=3\n[B]\nj=2\n");
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

TEST_F(Profile, WritingAfterAnUnterminatedLastLine) {
    WriteFile("p.ini", "[A]\nk=1");
    EXPECT_TRUE(WritePrivateProfileStringA("A", "j", "2", "p.ini"));
    EXPECT_TRUE(WritePrivateProfileStringA("B", "i", "3", "p.ini"));
    EXPECT_EQ(ReadFile("p.ini"), "[A]\nk=1\nj=2\n[B]\ni=3\n");
}

TEST_F(Profile, NullTextRemovesTheKeyAndNullKeyTheSection) {
    WriteFile("p.ini", "[A]\nk=1\nj=2\n[B]\ni=3\n");
    EXPECT_TRUE(WritePrivateProfileStringA("A", "k", nullptr, "p.ini"));
    EXPECT_EQ(ReadFile("p.ini"), "[A]\nj=2\n[B]\ni=3\n");
    EXPECT_TRUE(WritePrivateProfileStringA("A", nullptr, nullptr, "p.ini"));
    EXPECT_EQ(ReadFile("p.ini"), "[B]\ni=3\n");
    // Removing what is not there does not make a file.
    EXPECT_TRUE(WritePrivateProfileStringA("A", "k", nullptr, "none.ini"));
    EXPECT_FALSE(std::filesystem::exists("none.ini"));
}

TEST_F(Profile, WrittenValueReadsBack) {
    EXPECT_TRUE(WritePrivateProfileStringA("Settings", "ClassName", "50% \"fast\"", "p.ini"));
    EXPECT_EQ(Get("settings", "classname"), "50% \"fast\"");
}

TEST_F(Profile, UnwritablePathFails) {
    WriteFile("blocker", "a file, not a folder");
    EXPECT_FALSE(WritePrivateProfileStringA("A", "k", "1", "blocker\\p.ini"));
}
