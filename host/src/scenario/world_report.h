// The PRINT VESSEL and PRINT OBJECTS lines.
#ifndef HOST_SCENARIO_WORLD_REPORT_H
#define HOST_SCENARIO_WORLD_REPORT_H

#include "world/world.h"

#include <string>
#include <vector>

namespace scenario {

// A number as PRINT writes it: %.10g.
std::string FormatNumber(double value);
// Three numbers with spaces between.
std::string FormatTriple(const VECTOR3 &v);

// The vessel of that name (case-insensitive), or null when none is left.
Vessel *FindLiveVessel(const std::string &name);

// Position and velocity relative to body 0.
VECTOR3 RelativePos(const host::SimObject &o);
VECTOR3 RelativeVel(const host::SimObject &o);

// "vessel NAME pos X Y Z vel X Y Z dir X Y Z status N tanks M0 M1 ...", numbers in %.10g.
std::string VesselLine(const Vessel &v);
// "object INDEX NAME CLASS", one per object in object-list order.
std::vector<std::string> ObjectLines();

} // namespace scenario

#endif
