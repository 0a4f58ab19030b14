// Paths as the host writes them and as the system opens them. They are the
// same, except for the Windows build run under Wine: there the host takes and
// writes Linux paths ("/work/out/demo.png") as tarsel-sim does, and opens
// them by the names Wine gives them ("Z:\work\out\demo.png").
#ifndef HOST_HOST_PATHS_H
#define HOST_HOST_PATHS_H

#include <filesystem>
#include <string>

namespace host {

// The path made absolute against the current folder and normalised, in the
// form the host writes it (folders separated by '/' on Linux and under Wine).
std::string AbsolutePath(const std::string &path);
// The path as the system's file functions open it.
std::filesystem::path SystemPath(const std::string &path);

} // namespace host

#endif
