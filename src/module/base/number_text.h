// Number parsing for text from the settings file and the display's input boxes.
#ifndef TARSEL_NUMBER_TEXT_H
#define TARSEL_NUMBER_TEXT_H

// atoi as the Windows runtime does it: leading blanks, an optional sign, then
// decimal digits; 0 without any digit; a value beyond int saturates at
// INT_MAX or INT_MIN instead of overflowing. A null text gives 0.
int SaturatingAtoi(const char *text);

// The leading number of a text as the C runtime's strtod reads it, C99's
// forms: decimal, hexadecimal ("0x10" is 16, "0x1p4" is 16), and "inf",
// "infinity" and "nan" in any case. The simulator's runtime reads settings
// files so, and files written for it may rely on that. Without a number, and
// for a null text, the result is 0; the caller decides what to do with a
// result that is not finite ("inf", "nan", "1e999").
double ReadNumber(const char *text);

#endif
