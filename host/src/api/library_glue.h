// The simulator's library glue, which a module's entry routine calls.
#ifndef HOST_LIBRARY_GLUE_H
#define HOST_LIBRARY_GLUE_H

#include "Orbitersdk.h"

// Calls the library's "InitModule" (looked up on that library handle) with the handle.
OAPIFUNC void InitLib(HINSTANCE hModule);

// A build-date text in the form "Mmm dd yyyy" (the compiler's __DATE__: English
// month abbreviation, day 1..31 possibly padded with a space, four-digit year)
// to yy * 10000 + mm * 100 + dd; "Apr 25 2006" gives 60425. Any other text gives 0.
OAPIFUNC int Date2Int(char *date);

#endif
