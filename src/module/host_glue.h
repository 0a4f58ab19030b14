// The simulator's library glue. The SDK does not declare these two in its
// headers; every module declares them where it uses them.
#ifndef TARSEL_HOST_GLUE_H
#define TARSEL_HOST_GLUE_H

#include "Orbitersdk.h"

// Hands the loaded library's instance to the simulator, which then calls InitModule.
OAPIFUNC void InitLib(HINSTANCE hModule);
// A __DATE__ text such as "Apr 25 2006" to yy * 10000 + mm * 100 + dd.
OAPIFUNC int Date2Int(char *date);

#endif
