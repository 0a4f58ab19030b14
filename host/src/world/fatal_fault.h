// A fault of the module that the genuine simulator would not survive: it
// would crash there. The host notes it, and the flight ends at the command
// that met it, with an error saying so.
#ifndef HOST_WORLD_FATAL_FAULT_H
#define HOST_WORLD_FATAL_FAULT_H

#include <string>

namespace host {

void RaiseFatalFault(const std::string &what);
// The fault raised since the last call, taken; empty when none was.
std::string TakeFatalFault();

} // namespace host

#endif
