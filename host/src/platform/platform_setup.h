// What the host sets up, before it loads a module, so that the platform the
// module meets behaves as the simulator's Windows platform does where the
// C library of this system differs.
#ifndef HOST_PLATFORM_SETUP_H
#define HOST_PLATFORM_SETUP_H

namespace host {

// Once, at the start of the program (tarsel-sim and the test programs).
void PreparePlatform();

} // namespace host

#endif
