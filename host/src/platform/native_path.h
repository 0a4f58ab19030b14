// Paths as the simulator's modules write them, with backslashes as folder
// separators, turned into paths this system opens. Header-only, so that the
// stand-in sound library uses it too.
#ifndef HOST_NATIVE_PATH_H
#define HOST_NATIVE_PATH_H

#include <algorithm>
#include <string>

namespace host {

inline std::string NativePath(const char *path) {
    std::string native(path ? path : "");
    std::replace(native.begin(), native.end(), '\\', '/');
    return native;
}

} // namespace host

#endif
