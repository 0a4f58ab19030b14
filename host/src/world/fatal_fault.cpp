#include "world/fatal_fault.h"

namespace host {

namespace {

std::string &Raised() {
    static std::string fault;
    return fault;
}

} // namespace

void RaiseFatalFault(const std::string &what) {
    if (Raised().empty())
        Raised() = what;
}

std::string TakeFatalFault() {
    std::string fault;
    fault.swap(Raised());
    return fault;
}

} // namespace host
