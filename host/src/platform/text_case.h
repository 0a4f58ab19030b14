// Names the simulator matches without regard to letter case: objects,
// display modes, profile sections and keys, loaded libraries.
#ifndef HOST_TEXT_CASE_H
#define HOST_TEXT_CASE_H

#include <string>
#include <string_view>

namespace host {

std::string FoldCase(std::string_view text);
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

} // namespace host

#endif
