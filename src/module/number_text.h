// Number parsing for text from the settings file and the display's input boxes.
#ifndef TARSEL_NUMBER_TEXT_H
#define TARSEL_NUMBER_TEXT_H

// atoi as the Windows runtime does it: leading blanks, an optional sign, then
// decimal digits; 0 without any digit; a value beyond int saturates at
// INT_MAX or INT_MIN instead of overflowing. A null text gives 0.
int SaturatingAtoi(const char *text);

#endif
