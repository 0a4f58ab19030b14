// Opening the simulator's files by the paths the module uses, which are
// relative to the working directory and written with backslashes.
#ifndef TARSEL_HOST_PATH_H
#define TARSEL_HOST_PATH_H

#include <cstdio>

// fopen with the path's backslashes taken as folder separators: they become
// forward slashes, which Windows takes as folder separators too, so that the
// same path opens the same file on every platform. Null also when there is
// no memory for the copy.
std::FILE *OpenHostFile(const char *path, const char *mode);

#endif
