// Number parsing for text from the settings file and the display's input boxes.
#ifndef TARSEL_NUMBER_TEXT_H
#define TARSEL_NUMBER_TEXT_H

// atoi as the Windows runtime does it: leading blanks, an optional sign, then
// decimal digits; 0 without any digit; a value beyond int saturates at
// INT_MAX or INT_MIN instead of overflowing. A null text gives 0.
int SaturatingAtoi(const char *text);

// The leading decimal number of a text: leading blanks, an optional sign,
// decimal digits with an optional point and fraction, an optional exponent.
// Nothing else is a number, whatever the C library would also read: "0x10"
// gives 0, and "inf", "infinity" and "nan" give 0 too, so that the same text
// gives the same value on every platform. Without a number, and for a null
// text, the result is 0; a number too large for a double gives an infinity.
double ReadDecimal(const char *text);

#endif
