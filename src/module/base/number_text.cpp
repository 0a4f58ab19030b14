#include "module/base/number_text.h"

#include <cctype>
#include <climits>
#include <cstdlib>

int SaturatingAtoi(const char *text) {
    if (!text) {
        return 0;
    }
    while (std::isspace(static_cast<unsigned char>(*text))) {
        ++text;
    }
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') {
        ++text;
    }
    // Accumulate as a negative number, whose range reaches INT_MIN.
    int value = 0;
    for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
        int digit = *text - '0';
        if (value < (INT_MIN + digit) / 10) {
            return negative ? INT_MIN : INT_MAX;
        }
        value = value * 10 - digit;
    }
    if (negative) {
        return value;
    }
    return value == INT_MIN ? INT_MAX : -value;
}

double ReadNumber(const char *text) {
    if (!text)
        return 0.0;
    // The module never changes the C locale, so the point is '.'.
    char *end = nullptr;
    const double value = std::strtod(text, &end);
    // No number: 0, as C says, also where a runtime keeps a sign it read ("- 5").
    return end == text ? 0.0 : value;
}
