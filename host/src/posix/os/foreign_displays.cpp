// Here every module is built with the host's own C++ ABI.
#include "platform/foreign_displays.h"

namespace host {

const DisplayCalls *ForeignDisplayCalls(const MFD *) {
    return nullptr;
}

} // namespace host
