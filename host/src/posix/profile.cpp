// GetPrivateProfileStringA and WritePrivateProfileStringA over plain files,
// with the Windows behaviour modules rely on:
// - sections and keys are matched without regard to case; the first match counts;
// - a value loses its surrounding blanks and one pair of surrounding quotes;
// - writing replaces a key's line in place, adds a missing key after the last
//   line of its section and a missing section at the end, and keeps every
//   other line byte for byte; a null text removes the key, a null key the section;
// - paths are relative to the working directory, backslashes separate folders.
// Unlike Windows, writing also creates missing parent folders, so that a fresh
// simulator root needs no preparation. Listing names (a null section or key
// when reading) is not provided: the default text is given instead.
#include "Orbitersdk.h"
#include "platform/native_path.h"
#include "platform/text_case.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The file's lines, each with its own line ending (the last may have none).
std::vector<std::string> ReadLines(const std::string &path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!in.eof()) {
            line += '\n';
        }
        lines.push_back(line);
    }
    return lines;
}

bool SectionName(const std::string &line, std::string_view &name) {
    std::string_view text = Trim(line);
    if (text.empty() || text.front() != '[') {
        return false;
    }
    size_t close = text.find(']');
    name =
        Trim(text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    return true;
}

bool IsSection(const std::string &line, const char *section) {
    std::string_view name;
    return SectionName(line, name) && host::SameTextIgnoringCase(name, section);
}

// Splits "key = value" into its trimmed parts; false for a line without '='.
bool KeyValue(const std::string &line, std::string_view &key, std::string_view &value) {
    std::string_view text = line;
    size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        return false;
    }
    key = Trim(text.substr(0, equals));
    value = Trim(text.substr(equals + 1));
    return true;
}

// The range of lines [first, last) of a section, header included; first ==
// lines.size() when the section is absent.
struct SectionRange {
    size_t first, last;
};

SectionRange FindSection(const std::vector<std::string> &lines, const char *section) {
    size_t first = 0;
    while (first < lines.size() && !IsSection(lines[first], section)) {
        ++first;
    }
    size_t last = first == lines.size() ? first : first + 1;
    std::string_view ignored;
    while (last < lines.size() && !SectionName(lines[last], ignored)) {
        ++last;
    }
    return {first, last};
}

// The index of the key's line within the section, or range.last.
size_t FindKey(const std::vector<std::string> &lines, SectionRange range, const char *key) {
    for (size_t i = range.first + 1; i < range.last; ++i) {
        std::string_view name, value;
        if (KeyValue(lines[i], name, value) && host::SameTextIgnoringCase(name, key)) {
            return i;
        }
    }
    return range.last;
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\'')) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

DWORD CopyOut(std::string_view text, LPSTR buffer, DWORD size) {
    if (!buffer || size == 0) {
        return 0;
    }
    DWORD count = DWORD(std::min<size_t>(text.size(), size - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return count;
}

std::string LineEnding(const std::string &line) {
    size_t end = line.find_last_not_of("\r\n");
    return end == std::string::npos ? line : line.substr(end + 1);
}

// New lines follow the file's own line ending; "\n" for a new file.
std::string FileLineEnding(const std::vector<std::string> &lines) {
    for (const std::string &line : lines) {
        std::string ending = LineEnding(line);
        if (!ending.empty()) {
            return ending;
        }
    }
    return "\n";
}

bool WriteLines(const std::string &path, const std::vector<std::string> &lines) {
    std::error_code error;
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) {
        std::filesystem::create_directories(parent, error);
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string &line : lines) {
        out << line;
    }
    out.close();
    return !out.fail();
}

void Remove(std::vector<std::string> &lines, size_t first, size_t last) {
    lines.erase(lines.begin() + long(first), lines.begin() + long(last));
}

} // namespace

WIN32_API DWORD WINAPI GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName,
                                                LPCSTR lpDefault, LPSTR lpReturnedString,
                                                DWORD nSize, LPCSTR lpFileName) {
    // Windows drops trailing blanks of the default text too.
    std::string_view fallback = lpDefault ? lpDefault : "";
    while (!fallback.empty() && IsBlank(fallback.back())) {
        fallback.remove_suffix(1);
    }
    if (!lpAppName || !lpKeyName || !lpFileName) {
        return CopyOut(fallback, lpReturnedString, nSize);
    }
    std::vector<std::string> lines = ReadLines(host::NativePath(lpFileName));
    SectionRange range = FindSection(lines, lpAppName);
    if (range.first == lines.size()) {
        return CopyOut(fallback, lpReturnedString, nSize);
    }
    size_t line = FindKey(lines, range, lpKeyName);
    if (line == range.last) {
        return CopyOut(fallback, lpReturnedString, nSize);
    }
    std::string_view key, value;
    KeyValue(lines[line], key, value);
    return CopyOut(Unquote(value), lpReturnedString, nSize);
}

WIN32_API BOOL WINAPI WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName,
                                                 LPCSTR lpString, LPCSTR lpFileName) {
    if (!lpAppName || !lpFileName) {
        return FALSE;
    }
    const std::string path = host::NativePath(lpFileName);
    std::vector<std::string> lines = ReadLines(path);
    SectionRange range = FindSection(lines, lpAppName);
    const bool sectionFound = range.first < lines.size();

    if (!lpKeyName) {
        if (!sectionFound) {
            return TRUE;
        }
        Remove(lines, range.first, range.last);
        return WriteLines(path, lines);
    }
    size_t line = sectionFound ? FindKey(lines, range, lpKeyName) : lines.size();
    const bool keyFound = sectionFound && line < range.last;
    if (!lpString) {
        if (!keyFound) {
            return TRUE;
        }
        Remove(lines, line, line + 1);
        return WriteLines(path, lines);
    }

    const std::string ending = FileLineEnding(lines);
    const std::string entry = std::string(lpKeyName) + "=" + lpString;
    if (keyFound) {
        lines[line] = entry + LineEnding(lines[line]);
    } else if (sectionFound) {
        // After the section's last line that is not blank.
        size_t at = range.last;
        while (at > range.first + 1 && Trim(lines[at - 1]).empty()) {
            --at;
        }
        if (LineEnding(lines[at - 1]).empty()) {
            lines[at - 1] += ending;
        }
        lines.insert(lines.begin() + long(at), entry + ending);
    } else {
        if (!lines.empty() && LineEnding(lines.back()).empty()) {
            lines.back() += ending;
        }
        lines.push_back("[" + std::string(lpAppName) + "]" + ending);
        lines.push_back(entry + ending);
    }
    return WriteLines(path, lines);
}
