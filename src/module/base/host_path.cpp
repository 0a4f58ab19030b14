#include "module/base/host_path.h"

#include <cstring>
#include <new>

std::FILE *OpenHostFile(const char *path, const char *mode) {
    const size_t length = std::strlen(path);
    char *withSlashes = new (std::nothrow) char[length + 1];
    if (!withSlashes)
        return nullptr;
    for (size_t i = 0; i <= length; ++i)
        withSlashes[i] = path[i] == '\\' ? '/' : path[i];
    std::FILE *file = std::fopen(withSlashes, mode);
    delete[] withSlashes;
    return file;
}
