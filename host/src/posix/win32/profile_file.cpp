#include "posix/win32/profile_file.h"

#include "platform/text_case.h"

namespace host {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The next line of text from `at`, without its end; `at` moves past the end.
std::string_view NextLine(std::string_view text, size_t &at) {
    size_t end = text.find('\n', at);
    if (end == std::string_view::npos)
        end = text.find('\r', at);
    if (end == std::string_view::npos)
        end = text.size();
    std::string_view line = text.substr(at, end - at);
    at = end < text.size() ? end + 1 : end;
    return line;
}

void AddLine(ProfileFile &file, std::string_view line) {
    if (line.front() == '[') {
        const size_t close = line.rfind(']');
        if (close != std::string_view::npos && close > 0) {
            file.sections.push_back(
                {std::string(TrimProfileBlanks(line.substr(1, close - 1))), {}});
            return;
        }
    }
    ProfileEntry entry;
    const size_t equals = line.find('=');
    entry.key = std::string(TrimProfileBlanks(line.substr(0, equals)));
    if (equals != std::string_view::npos) {
        entry.hasValue = true;
        entry.value = std::string(TrimProfileBlanks(line.substr(equals + 1)));
    }
    file.sections.back().entries.push_back(entry);
}

// The first item whose name is the wanted one, its blanks trimmed and letter
// case ignored.
template <typename T>
T *FindNamed(std::vector<T> &items, std::string T::*name, std::string_view wanted) {
    wanted = TrimProfileBlanks(wanted);
    for (T &item : items)
        if (SameTextIgnoringCase(item.*name, wanted))
            return &item;
    return nullptr;
}

} // namespace

bool IsProfileBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1A';
}

std::string_view TrimProfileBlanks(std::string_view text) {
    while (!text.empty() && IsProfileBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsProfileBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

ProfileFile ParseProfile(std::string_view text) {
    ProfileFile file;
    file.sections.emplace_back();
    if (text.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        file.utf8Mark = true;
        text.remove_prefix(kUtf8Mark.size());
    }
    for (size_t at = 0; at < text.size();) {
        std::string_view line = TrimProfileBlanks(NextLine(text, at));
        if (!line.empty())
            AddLine(file, line);
    }
    return file;
}

std::string ProfileText(const ProfileFile &file) {
    std::string text = file.utf8Mark ? std::string(kUtf8Mark) : std::string();
    for (const ProfileSection &section : file.sections) {
        if (!section.name.empty())
            text += "[" + section.name + "]\r\n";
        for (const ProfileEntry &entry : section.entries)
            text += entry.key + (entry.hasValue ? "=" + entry.value : std::string()) + "\r\n";
    }
    return text;
}

ProfileSection *FindProfileSection(ProfileFile &file, std::string_view name) {
    return FindNamed(file.sections, &ProfileSection::name, name);
}

ProfileEntry *FindProfileEntry(ProfileSection &section, std::string_view key) {
    return FindNamed(section.entries, &ProfileEntry::key, key);
}

} // namespace host
