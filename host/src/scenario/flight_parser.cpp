// The commands of the BEGIN_FLIGHT block.
#include "scenario/flight_parser.h"

#include "scenario/scenario_names.h"
#include "scenario/scenario_parser.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace scenario {

namespace {

constexpr int kMaxDisplaySize = 4096; // pixels; keeps pictures of pages reasonable

// The scan codes of the letters A to Z.
const int kLetterCodes[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                              0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                              0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};

// Words of a flight line, with the look-ups the commands share.
class FlightReader : public LineReader {
public:
    FlightReader(const Line &line, const Scenario &declared)
        : LineReader(line, 1), declared_(declared) {}

    const Scenario &Declared() const { return declared_; }

    const ShipEntry &Vessel() {
        std::string name = Name("vessel name");
        const ShipEntry *ship = FindShip(declared_, name);
        if (!ship)
            Fail(FindBody(declared_, name) ? "'" + name + "' is a body, not a vessel"
                                           : "unknown vessel '" + name + "'");
        return *ship;
    }

    int Position() { return static_cast<int>(Whole("display position", 0, MAXMFD - 1)); }

    int Port(const ShipEntry &ship) {
        if (ship.ports == 0) {
            Word("port");
            Fail("vessel '" + ship.name + "' has no docking ports");
        }
        return static_cast<int>(Whole("port of " + ship.name, 0, ship.ports - 1));
    }

    int Tank(const ShipEntry &ship) {
        if (ship.tanks.empty()) {
            Word("tank index");
            Fail("vessel '" + ship.name + "' has no tanks");
        }
        return static_cast<int>(
            Whole("tank index of " + ship.name, 0, static_cast<long long>(ship.tanks.size()) - 1));
    }

    double NonNegative(const std::string &what) {
        double value = Number(what);
        if (value < 0.0)
            Fail(what + " must not be negative");
        return value;
    }

    void CheckSteps(double steps) {
        if (steps > static_cast<double>(kMaxSteps))
            Fail("too many steps (at most " + std::to_string(kMaxSteps) + ")");
    }

private:
    const Scenario &declared_;
};

void ReadVesselAndPosition(FlightReader &r, Command &c) {
    c.vessel = r.Vessel().name;
    c.position = r.Position();
}

void ReadRun(FlightReader &r, Command &c) {
    c.value = r.NonNegative("seconds");
    r.CheckSteps(c.value / r.Declared().environment.step);
}

void ReadUntil(FlightReader &r, Command &c) {
    c.value = r.Number("time");
    const Environment &env = r.Declared().environment;
    r.CheckSteps((c.value - env.start) / env.step);
}

void ReadSteps(FlightReader &r, Command &c) {
    c.steps = r.Whole("step count", 0, kMaxSteps);
}

void ReadOpen(FlightReader &r, Command &c) {
    ReadVesselAndPosition(r, c);
    if (!r.AtEnd()) {
        c.width = static_cast<int>(r.Whole("width", 1, kMaxDisplaySize));
        c.height = static_cast<int>(r.Whole("height", 1, kMaxDisplaySize));
    }
}

void ReadKey(FlightReader &r, Command &c) {
    ReadVesselAndPosition(r, c);
    std::string word = r.Word("key");
    c.index = KeyCodeOf(word);
    if (c.index < 0)
        r.Fail("key '" + word + "' is neither a letter A-Z nor a number 0-255");
}

void ReadButton(FlightReader &r, Command &c) {
    ReadVesselAndPosition(r, c);
    c.index = static_cast<int>(r.Whole("button", 0, 255));
    c.index2 = r.AtEnd() ? PANEL_MOUSE_LBDOWN : static_cast<int>(r.Whole("event", 0, 255));
}

void ReadInput(FlightReader &r, Command &c) {
    if (r.AtEnd())
        r.Fail("missing text (\"\" for an empty one)");
    c.text = r.Rest();
}

void ReadNothing(FlightReader &, Command &) {}

void ReadObject(FlightReader &r, Command &c) {
    c.name = r.Name("object name");
}

void ReadAperture(FlightReader &r, Command &c) {
    c.value = r.Number("aperture");
    if (c.value <= 0.0)
        r.Fail("aperture must be more than 0 degrees");
}

void ReadTurn(FlightReader &r, Command &c) {
    c.vessel = r.Vessel().name;
    c.vec = r.Axis("direction");
    if (r.AtEnd())
        return;
    if (r.Word("UP") != "UP")
        r.Fail("expected UP x y z after the direction");
    c.up = r.Axis("up axis");
    c.hasUp = true;
    if (Parallel(c.vec, c.up))
        r.Fail("up axis is parallel to the direction");
}

void ReadPoint(FlightReader &r, Command &c) {
    c.vessel = r.Vessel().name;
    c.name = r.Name("object name");
    if (SameName(c.name, c.vessel))
        r.Fail("a vessel cannot point at itself");
}

void ReadDock(FlightReader &r, Command &c) {
    const ShipEntry &ship = r.Vessel();
    c.vessel = ship.name;
    c.index = r.Port(ship);
    const ShipEntry &other = r.Vessel();
    if (&other == &ship)
        r.Fail("a vessel cannot dock to itself");
    c.name = other.name;
    c.index2 = r.Port(other);
}

void ReadUndock(FlightReader &r, Command &c) {
    const ShipEntry &ship = r.Vessel();
    c.vessel = ship.name;
    c.index = r.Port(ship);
}

void ReadSetTank(FlightReader &r, Command &c) {
    const ShipEntry &ship = r.Vessel();
    c.vessel = ship.name;
    c.index = r.Tank(ship);
    c.value = r.NonNegative("propellant mass");
    double capacity = ship.tanks[c.index].capacity;
    if (c.value > capacity) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", capacity);
        r.Fail("tank " + std::to_string(c.index) + " of " + ship.name + " holds at most " + text +
               " kg");
    }
}

void ReadDelete(FlightReader &r, Command &c) {
    c.name = r.Name("vessel name");
    if (FindBody(r.Declared(), c.name))
        r.Fail("'" + c.name + "' is a body, not a vessel");
}

void ReadEcho(FlightReader &r, Command &c) {
    c.text = r.Rest();
}

void ReadVessel(FlightReader &r, Command &c) {
    c.vessel = r.Vessel().name;
}

void ReadSnapshot(FlightReader &r, Command &c) {
    ReadVesselAndPosition(r, c);
    c.name = r.Word("file name");
    if (c.name.empty())
        r.Fail("the file name is empty");
}

void ReadExpectLine(FlightReader &r, Command &c) {
    ReadVesselAndPosition(r, c);
    c.text = r.Word("label");
    c.expected = r.Word("text");
}

void ReadExpectPlace(FlightReader &r, Command &c) {
    c.vessel = r.Vessel().name;
    c.vec = r.Vector(c.op == Op::ExpectNear ? "position" : "velocity");
    c.tolerance = r.NonNegative("tolerance");
}

void ReadExpectTank(FlightReader &r, Command &c) {
    const ShipEntry &ship = r.Vessel();
    c.vessel = ship.name;
    c.index = r.Tank(ship);
    c.value = r.Number("propellant mass");
    c.tolerance = r.NonNegative("tolerance");
}

void ReadExpectCount(FlightReader &r, Command &c) {
    c.name = r.Name("class name");
    c.index = static_cast<int>(r.Whole("count", 0, 1000000000));
}

struct Form {
    const char *word;
    Op op;
    void (*read)(FlightReader &, Command &);
};

const Form kCommands[] = {
    {"RUN", Op::Run, ReadRun},
    {"UNTIL", Op::Until, ReadUntil},
    {"STEPS", Op::Steps, ReadSteps},
    {"OPEN", Op::Open, ReadOpen},
    {"CLOSE", Op::Close, ReadVesselAndPosition},
    {"KEY", Op::Key, ReadKey},
    {"BUTTON", Op::Button, ReadButton},
    {"INPUT", Op::Input, ReadInput},
    {"CANCEL", Op::Cancel, ReadNothing},
    {"CAMERA", Op::Camera, ReadObject},
    {"APERTURE", Op::Aperture, ReadAperture},
    {"TURN", Op::Turn, ReadTurn},
    {"POINT", Op::Point, ReadPoint},
    {"DOCK", Op::Dock, ReadDock},
    {"UNDOCK", Op::Undock, ReadUndock},
    {"SETTANK", Op::SetTank, ReadSetTank},
    {"DELETE", Op::Delete, ReadDelete},
    {"ECHO", Op::Echo, ReadEcho},
    {"SNAPSHOT", Op::Snapshot, ReadSnapshot},
};

const Form kPrints[] = {
    {"VESSEL", Op::PrintVessel, ReadVessel},
    {"OBJECTS", Op::PrintObjects, ReadNothing},
    {"PAGE", Op::PrintPage, ReadVesselAndPosition},
    {"BUTTONS", Op::PrintButtons, ReadVesselAndPosition},
};

const Form kChecks[] = {
    {"LINE", Op::ExpectLine, ReadExpectLine},    {"NEAR", Op::ExpectNear, ReadExpectPlace},
    {"VEL", Op::ExpectVel, ReadExpectPlace},     {"TANK", Op::ExpectTank, ReadExpectTank},
    {"COUNT", Op::ExpectCount, ReadExpectCount}, {"EXISTS", Op::ExpectExists, ReadObject},
    {"GONE", Op::ExpectGone, ReadObject},
};

template <size_t N> const Form *FindForm(const Form (&forms)[N], const Token *token) {
    if (!token || token->quoted)
        return nullptr;
    for (const Form &form : forms)
        if (token->text == form.word)
            return &form;
    return nullptr;
}

} // namespace

int KeyCodeOf(const std::string &word) {
    if (word.size() == 1 && std::isalpha(static_cast<unsigned char>(word[0])))
        return kLetterCodes[std::toupper(static_cast<unsigned char>(word[0])) - 'A'];
    double value = 0.0;
    if (!ParseNumber(word, &value) || value != std::floor(value) || value < 0.0 || value > 255.0)
        return -1;
    return static_cast<int>(value);
}

Command ParseFlightLine(const Line &line, const Scenario &declared) {
    const std::vector<Token> &words = WordsOf(line);
    Command command;
    command.line = line.number;
    FlightReader reader(line, declared);
    const Token &first = words.front();
    const Form *form = FindForm(kCommands, &first);
    if (!form && first.text == "PRINT") {
        form = FindForm(kPrints, reader.Peek());
        if (!form)
            reader.Fail(reader.AtEnd() ? "missing what to PRINT (VESSEL, OBJECTS, PAGE, BUTTONS)"
                                       : "unknown PRINT item '" + reader.Peek()->text + "'");
        reader.Word("item");
    } else if (!form && first.text == "EXPECT") {
        form = FindForm(kChecks, reader.Peek());
        if (!form)
            reader.Fail(reader.AtEnd() ? "missing what to EXPECT"
                                       : "unknown check '" + reader.Peek()->text + "'");
        reader.Word("check");
    }
    if (!form)
        reader.Fail("unknown command '" + first.text + "'");
    command.op = form->op;
    form->read(reader, command);
    reader.End();
    return command;
}

} // namespace scenario
