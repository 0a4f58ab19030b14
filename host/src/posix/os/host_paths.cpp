#include "platform/host_paths.h"

namespace host {

std::string AbsolutePath(const std::string &path) {
    std::error_code ignored;
    return std::filesystem::absolute(path, ignored).lexically_normal().string();
}

std::filesystem::path SystemPath(const std::string &path) {
    return path;
}

} // namespace host
