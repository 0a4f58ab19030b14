// The profile-file functions as the settings file meets them. The same
// tests run against the host's functions and, in the Windows build, against
// kernel32's.
#include "Orbitersdk.h"

#include "scratch_directory.h"

#include <cstring>
#include <tuple>

namespace {

const char kFile[] = ".\\p.ini";

class Profile : public ScratchDirectory {
protected:
    static std::string Get(const char *section, const char *key, const char *fallback = nullptr,
                           const char *file = kFile) {
        char buffer[256];
        std::memset(buffer, '#', sizeof buffer);
        DWORD length = GetPrivateProfileStringA(section, key, fallback, buffer, 256, file);
        EXPECT_EQ(length, std::strlen(buffer));
        return buffer;
    }

    // The file after one write into it, and whether the write succeeded.
    static std::pair<std::string, bool> Written(const std::string &before, const char *section,
                                                const char *key, const char *text) {
        WriteFile("p.ini", before);
        const bool written = WritePrivateProfileStringA(section, key, text, kFile);
        return {ReadFile("p.ini"), written};
    }
};

} // namespace

// Defaults and what the settings file never shows (settings_file_forms.scn
// reads its forms: a byte order mark, lone "\r" line ends, sections and
// keys without regard to case and blanks, the first of equal keys and
// sections, quotes): a value's quotes keep its blanks, an unmatched quote
// stays, an empty value is no default, and the names asked for are
// stripped; a line without "=", another section and an empty key give the
// default.
TEST_F(Profile, DefaultsQuotesAndNamesAsKernel32ReadsThem) {
    EXPECT_EQ(Get("A", "k", "dflt  "), "dflt"); // no file yet
    EXPECT_EQ(Get("A", "k", "\"  quoted default\"  "), "  quoted default");
    WriteFile("p.ini", "[A]\r\nk1=v\r\nk2=\"quoted \"\nk5=\"open\nk6=\nbare\n");
    using Row = std::tuple<const char *, const char *, const char *, const char *>;
    for (const auto &[section, key, fallback, expected] :
         {Row{"A", "k2", nullptr, "quoted "}, Row{"A", "k5", nullptr, "\"open"},
          Row{"A", "k6", "fallback", ""}, Row{" A ", " k1 ", nullptr, "v"},
          Row{"A", "bare", "d", "d"}, Row{"C", "k1", "d", "d"}, Row{"A", "", "d", "d"}})
        EXPECT_EQ(Get(section, key, fallback), expected) << section << "/" << key;
}

// A changed value writes the file anew: trimmed lines, blank ones dropped,
// "\r\n" line ends, comments kept as lines; the key keeps the name it has in
// the file. A new key goes at the end of its section.
TEST_F(Profile, WritingAChangeWritesTheWholeFileInItsNormalForm) {
    const std::string before = "; note\n[A]\n x = 1 \nK = old\n; end of A\n\n[B]\nk=b";
    EXPECT_EQ(Written(before, "a", "k", "new"),
              std::make_pair(std::string("; note\r\n[A]\r\nx=1\r\nK=new\r\n; end of A\r\n"
                                         "[B]\r\nk=b\r\n"),
                             true));
    EXPECT_EQ(Written(before, "A", "y", "  2 "),
              std::make_pair(std::string("; note\r\n[A]\r\nx=1\r\nK=old\r\n; end of A\r\ny=2 \r\n"
                                         "[B]\r\nk=b\r\n"),
                             true));
    EXPECT_EQ(Written(before, "C", "k", "\"c\""),
              std::make_pair(std::string("; note\r\n[A]\r\nx=1\r\nK=old\r\n; end of A\r\n"
                                         "[B]\r\nk=b\r\n[C]\r\nk=\"c\"\r\n"),
                             true));
    // The value the key has already: nothing is written.
    EXPECT_EQ(Written(before, "A", "k", "old"), std::make_pair(before, true));
}

TEST_F(Profile, NullTextRemovesAKeyAndANullKeyASection) {
    const std::string before = "[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n";
    EXPECT_EQ(Written(before, "A", "x", nullptr),
              std::make_pair(std::string("[A]\r\ny=2\r\n[B]\r\nz=3\r\n"), true));
    EXPECT_EQ(Written(before, "a", nullptr, nullptr),
              std::make_pair(std::string("[B]\r\nz=3\r\n"), true));
    EXPECT_EQ(Written(before, "A", "none", nullptr), std::make_pair(before, true));
    EXPECT_EQ(Written(before, "None", nullptr, nullptr), std::make_pair(before, true));
}

// A new file has "\r\n" line ends. A missing folder is not made: the write
// fails. A name without a folder is not a file of the working folder.
TEST_F(Profile, NewFilesAndMissingFolders) {
    EXPECT_TRUE(WritePrivateProfileStringA("S", "k", "v", kFile));
    EXPECT_EQ(ReadFile("p.ini"), "[S]\r\nk=v\r\n");
    EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "v", ".\\none\\p.ini"));
    EXPECT_FALSE(std::filesystem::exists("none"));

    WriteFile("bare.ini", "[S]\r\nk=here\r\n");
    EXPECT_NE(Get("S", "k", "d", "bare.ini"), "here");
    WritePrivateProfileStringA("S", "k", "there", "bare.ini");
    EXPECT_EQ(ReadFile("bare.ini"), "[S]\r\nk=here\r\n");
}
