// Here every module is built with the host's own C++ ABI.
#include "display/module_display.h"

namespace host {

const DisplayCalls *ForeignDisplayCalls(const MFD *) {
    return nullptr;
}

} // namespace host
