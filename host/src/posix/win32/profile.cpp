// GetPrivateProfileStringA and WritePrivateProfileStringA as kernel32 has
// them (posix/win32/profile_file.h for the file's form):
// - sections and keys are matched without regard to case, their names'
//   blanks trimmed; the first section and the first key of a name count;
// - a value, or the default text, loses one pair of surrounding quotes (" or
//   '); the default text loses its trailing spaces first;
// - writing a value (its leading blanks dropped) that differs from the one in
//   the file, or removing a key (null text) or a section (null key), writes
//   the whole file anew in its normal form with "\r\n" line ends; a new key
//   goes at the end of its section, a new section at the end of the file;
//   writing the value a key already has leaves the file as it is;
// - the file's folder must exist: it is not created, and writing fails;
// - a path is relative to the working directory, backslashes separate
//   folders; a name without a folder would be Windows' own folder, which this
//   host has not: nothing is read from or written to it.
// Listing names (a null section or key when reading) is not provided: the
// default text is given instead.
#include "Orbitersdk.h"
#include "platform/native_path.h"
#include "posix/win32/profile_file.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

bool InAFolder(const char *path) {
    return std::strchr(path, '/') || std::strchr(path, '\\');
}

host::ProfileFile Load(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return host::ParseProfile(std::string(std::istreambuf_iterator<char>(in), {}));
}

bool Save(const std::string &path, const host::ProfileFile &file) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << host::ProfileText(file);
    out.close();
    return !out.fail();
}

// A value or default text as it is handed out: one pair of quotes removed,
// cut to the buffer.
DWORD CopyOut(std::string_view text, LPSTR buffer, DWORD size) {
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front())
        text = text.substr(1, text.size() - 2);
    if (!buffer || size == 0)
        return 0;
    DWORD count = DWORD(std::min<size_t>(text.size(), size - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return count;
}

} // namespace

WIN32_API DWORD WINAPI GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName,
                                                LPCSTR lpDefault, LPSTR lpReturnedString,
                                                DWORD nSize, LPCSTR lpFileName) {
    std::string_view fallback = lpDefault ? lpDefault : "";
    while (!fallback.empty() && fallback.back() == ' ')
        fallback.remove_suffix(1);
    if (!lpAppName || !lpKeyName || !*lpKeyName || !lpFileName || !InAFolder(lpFileName))
        return CopyOut(fallback, lpReturnedString, nSize);
    host::ProfileFile file = Load(host::NativePath(lpFileName));
    host::ProfileSection *section = host::FindProfileSection(file, lpAppName);
    host::ProfileEntry *entry = section ? host::FindProfileEntry(*section, lpKeyName) : nullptr;
    if (!entry || !entry->hasValue)
        return CopyOut(fallback, lpReturnedString, nSize);
    return CopyOut(entry->value, lpReturnedString, nSize);
}

WIN32_API BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName,
                                                 LPCSTR lpString, LPCSTR lpFileName) {
    if (!lpAppName || !lpFileName || !InAFolder(lpFileName))
        return FALSE;
    const std::string path = host::NativePath(lpFileName);
    host::ProfileFile file = Load(path);
    host::ProfileSection *section = host::FindProfileSection(file, lpAppName);
    if (!lpKeyName || !lpString) {
        if (!section)
            return TRUE;
        auto &sections = file.sections;
        auto &entries = section->entries;
        if (!lpKeyName) {
            sections.erase(sections.begin() + (section - sections.data()));
        } else if (host::ProfileEntry *entry = host::FindProfileEntry(*section, lpKeyName)) {
            entries.erase(entries.begin() + (entry - entries.data()));
        } else {
            return TRUE;
        }
        return Save(path, file);
    }
    if (!section) {
        file.sections.push_back({std::string(host::TrimProfileBlanks(lpAppName)), {}});
        section = &file.sections.back();
    }
    host::ProfileEntry *entry = host::FindProfileEntry(*section, lpKeyName);
    if (!entry) {
        section->entries.push_back({std::string(host::TrimProfileBlanks(lpKeyName)), false, {}});
        entry = &section->entries.back();
    }
    std::string_view value = lpString;
    while (!value.empty() && host::IsProfileBlank(value.front()))
        value.remove_prefix(1);
    if (entry->hasValue && entry->value == value)
        return TRUE;
    entry->hasValue = true;
    entry->value = std::string(value);
    return Save(path, file);
}
