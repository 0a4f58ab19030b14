// Reading and applying a vessel's state through the extended status record.
#ifndef HOST_VESSEL_STATUS_H
#define HOST_VESSEL_STATUS_H

#include "world/world.h"

namespace host {

// The body whose gravity pulls hardest on the vessel (mass / distance^2; a
// body at distance 0 wins outright); null when there are no bodies.
Body *StrongestPull(const Vessel &v);

// Fills a version-2 record: rbody (StrongestPull), rpos/rvel relative to it,
// arot, status; vrot, base, surface and list fields zero or null (the host
// allocates no lists). The flag word is left as the caller set it.
void ReadStatus(const Vessel &v, VESSELSTATUS2 *vs);

// Applies rbody, rpos, rvel, arot and status of a version-2 record; nothing
// else of the vessel changes. A landed record (status 1) keeps the vessel's
// position and velocity: the host has no surfaces to set it down on. A null
// rbody means the global frame; an rbody the host never handed out makes the
// call do nothing (false).
bool ApplyStatus(Vessel &v, const VESSELSTATUS2 &vs);

} // namespace host

#endif
