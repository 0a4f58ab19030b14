#include "module/number_text.h"

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

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

double ReadDecimal(const char *text) {
    if (!text)
        return 0.0;
    const char *start = text;
    while (std::isspace(static_cast<unsigned char>(*start)))
        ++start;
    const char *p = start;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    // The C library would read "0x..." as hexadecimal; here it is the number 0.
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X'))
        return negative ? -0.0 : 0.0;
    // Without a digit in the mantissa ("inf", "nan", ".", letters) there is no number.
    const bool digitFirst = IsDigit(p[0]) || (p[0] == '.' && IsDigit(p[1]));
    if (!digitFirst)
        return 0.0;
    // From a digit on, the library's reading is decimal digits, point and
    // exponent, exactly the form wanted, and correctly rounded.
    return std::strtod(start, nullptr);
}
