// Opening the simulator's files by the paths the module uses, which are
// relative to the working directory and written with backslashes.
#ifndef TARSEL_HOST_PATH_H
#define TARSEL_HOST_PATH_H

#include <cstdio>

// fopen with the path's backslashes taken as folder separators; on Windows
// the path is passed unchanged.
std::FILE *OpenHostFile(const char *path, const char *mode);

#endif
