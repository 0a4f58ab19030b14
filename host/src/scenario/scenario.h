// A parsed flight scenario: the world to build and the pilot's actions.
// Plain records; every name here has been checked by the parser.
#ifndef HOST_SCENARIO_SCENARIO_H
#define HOST_SCENARIO_SCENARIO_H

#include "Orbitersdk.h"
#include "world/world.h"

#include <string>
#include <vector>

namespace scenario {

// The SOUND option: which stand-in sound libraries the flight loads.
enum class SoundLibrary { Full, None, NoReplace, NoId, XRSound, Both, XRSoundOld, XRSoundNull };

struct Environment {
    double step = 0.1;  // s
    double start = 0.0; // s
    bool gravity = false;
    double aperture = 20.0; // degrees
    std::string camera;     // empty: the first vessel
    SoundLibrary sound = SoundLibrary::Full;
    bool reuse = false; // new vessels take the places of deleted ones
};

struct BodyEntry {
    std::string name;
    double mass = 0.0;
    double size = 0.0;
    VECTOR3 pos{};
    VECTOR3 vel{};
};

struct TankEntry {
    double capacity = 0.0;
    double mass = 0.0;
};

struct DockEntry {
    int port = 0;
    std::string other;
    int otherPort = 0;
    int line = 0; // where it was declared, for messages
};

struct ShipEntry {
    std::string name;
    std::string className;
    VECTOR3 rpos{};
    VECTOR3 rvel{};
    VECTOR3 dir{{0.0, 0.0, 1.0}};
    VECTOR3 up{{0.0, 1.0, 0.0}}; // made square to dir by the world; parallel: any axis
    double mass = host::kDefaultVesselMass;
    double size = host::kDefaultVesselSize;
    std::vector<TankEntry> tanks;
    int ports = 0;
    std::vector<DockEntry> docks; // each connection once
    VECTOR3 cameraOffset{};
    bool landed = false;
};

enum class Op {
    Run,
    Until,
    Steps,
    Open,
    Close,
    Key,
    Button,
    Input,
    Cancel,
    Camera,
    Aperture,
    Turn,
    Point,
    Dock,
    Undock,
    SetTank,
    Delete,
    Echo,
    PrintVessel,
    PrintObjects,
    PrintPage,
    PrintButtons,
    Snapshot,
    ExpectLine,
    ExpectNear,
    ExpectVel,
    ExpectTank,
    ExpectCount,
    ExpectExists,
    ExpectGone,
};

// One flight command. Which fields count depends on op:
//   vessel    v of the command
//   name      obj, the other vessel of DOCK, the class of EXPECT COUNT, the SNAPSHOT file
//   text      INPUT and ECHO text, the label of EXPECT LINE
//   expected  the text EXPECT LINE looks for
//   position  display position
//   index     key code, button, tank, port, or EXPECT COUNT's number
//   index2    button event, the other vessel's port
//   width, height   OPEN size
//   vec, up   TURN axes (hasUp), EXPECT NEAR/VEL position or velocity
//   value     seconds of RUN/UNTIL, degrees of APERTURE, kg of SETTANK/EXPECT TANK
//   tolerance EXPECT NEAR/VEL/TANK
//   steps     STEPS count
struct Command {
    Op op = Op::Run;
    int line = 0;
    std::string vessel;
    std::string name;
    std::string text;
    std::string expected;
    int position = 0;
    int index = 0;
    int index2 = 0;
    int width = 256;
    int height = 256;
    VECTOR3 vec{};
    VECTOR3 up{};
    bool hasUp = false;
    double value = 0.0;
    double tolerance = 0.0;
    long long steps = 0;
};

struct Scenario {
    std::string file; // as named by the user, for messages
    std::vector<std::string> description;
    Environment environment;
    std::vector<BodyEntry> bodies;
    std::vector<ShipEntry> ships;
    std::vector<Command> flight;
};

} // namespace scenario

#endif
