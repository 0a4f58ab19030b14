// InitLib and Date2Int.
#include "api/library_glue.h"

#include <cctype>
#include <cstring>

// The instance is the library's handle, as the module's entry routine got it.
void InitLib(HINSTANCE hModule) {
    if (!hModule)
        return;
    auto init = reinterpret_cast<void (*)(HINSTANCE)>(
        reinterpret_cast<void (*)()>(GetProcAddress(static_cast<HMODULE>(hModule), "InitModule")));
    if (init)
        init(hModule);
}

namespace {

// Reads exactly `digits` characters of which the leading ones may be spaces
// (at least one digit); -1 when they are not of that form.
int ReadNumber(const char *text, int digits) {
    int value = 0;
    bool seenDigit = false;
    for (int i = 0; i < digits; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == ' ' && !seenDigit)
            continue;
        if (!std::isdigit(c))
            return -1;
        seenDigit = true;
        value = value * 10 + (c - '0');
    }
    return seenDigit ? value : -1;
}

} // namespace

int Date2Int(char *date) {
    static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // "Mmm dd yyyy": exactly eleven characters.
    if (!date || std::strlen(date) != 11 || date[3] != ' ' || date[6] != ' ')
        return 0;
    int month = 0;
    for (int i = 0; i < 12 && month == 0; ++i)
        if (std::strncmp(date, months[i], 3) == 0)
            month = i + 1;
    int day = ReadNumber(date + 4, 2);
    int year = ReadNumber(date + 7, 4);
    if (month == 0 || day < 1 || day > 31 || year < 1000 || date[7] == ' ')
        return 0;
    return (year % 100) * 10000 + month * 100 + day;
}
