#include "module/base/host_path.h"

#ifndef _WIN32
#include <string>
#endif

std::FILE *OpenHostFile(const char *path, const char *mode) {
#ifdef _WIN32
    return std::fopen(path, mode);
#else
    std::string native(path);
    for (char &c : native) {
        if (c == '\\') {
            c = '/';
        }
    }
    return std::fopen(native.c_str(), mode);
#endif
}
