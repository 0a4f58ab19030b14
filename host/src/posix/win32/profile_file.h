// A profile (INI) file as kernel32 reads and writes it: the file's lines
// trimmed of blanks, blank lines dropped, "[name]" headers (text after the
// last ']' ignored; a '[' without ']' is an ordinary line), "key=value"
// lines (key and value trimmed at the '='), and any other line a key without
// a value (comments included). Lines before the first header form a section
// without a name. Lines end at "\n", or at "\r" where no "\n" follows.
#ifndef HOST_POSIX_PROFILE_FILE_H
#define HOST_POSIX_PROFILE_FILE_H

#include <string>
#include <string_view>
#include <vector>

namespace host {

struct ProfileEntry {
    std::string key;
    bool hasValue = false;
    std::string value;
};

struct ProfileSection {
    std::string name; // empty: the lines before the first header
    std::vector<ProfileEntry> entries;
};

struct ProfileFile {
    bool utf8Mark = false; // the file began with a UTF-8 byte order mark
    std::vector<ProfileSection> sections;
};

// Never empty: the first section is the one without a name.
ProfileFile ParseProfile(std::string_view text);
// "[name]" and "key=value" (or "key") lines, each ended by "\r\n".
std::string ProfileText(const ProfileFile &file);

// The first section or entry of that name, the name's blanks trimmed, letter
// case ignored; null when there is none.
ProfileSection *FindProfileSection(ProfileFile &file, std::string_view name);
ProfileEntry *FindProfileEntry(ProfileSection &section, std::string_view key);

// Blanks as kernel32 trims them: white space and the DOS end-of-file mark.
bool IsProfileBlank(char c);
std::string_view TrimProfileBlanks(std::string_view text);

} // namespace host

#endif
