// The blocks of a scenario file and the checks across them.
#include "scenario/scenario_parser.h"

#include "platform/host_paths.h"
#include "platform/text_case.h"

#include "scenario/flight_parser.h"
#include "scenario/scenario_names.h"
#include "scenario/scenario_text.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <utility>

namespace scenario {

namespace {

constexpr int kMaxPorts = 64;

bool IsWord(const Line &line, const char *word) {
    return line.error.empty() && !line.tokens.empty() && !line.tokens[0].quoted &&
           line.tokens[0].text == word;
}

bool StartsBlock(const Line &line) {
    return line.error.empty() && !line.tokens.empty() && !line.tokens[0].quoted &&
           line.tokens[0].text.compare(0, 6, "BEGIN_") == 0;
}

// The lines between a BEGIN_X line and its END_X line.
struct Block {
    std::string name; // "DESC", "SHIPS", ...
    int line = 0;
    std::vector<const Line *> lines;
};

class Parser {
public:
    explicit Parser(Scenario &out) : out_(out) {}

    void Parse(const std::vector<Line> &lines) {
        std::vector<Block> blocks = CollectBlocks(lines);
        for (const Block &block : blocks)
            if (block.name == "DESC")
                ReadDescription(block);
            else if (block.name == "ENVIRONMENT")
                ReadEnvironment(block);
            else if (block.name == "BODIES")
                ReadBodies(block);
        for (const Block &block : blocks)
            if (block.name == "SHIPS")
                ReadShips(block);
        int lastLine = lines.empty() ? 1 : lines.back().number;
        if (out_.bodies.empty())
            throw ScenarioError(lastLine, "the scenario declares no bodies (BEGIN_BODIES)");
        CheckDocks();
        CheckCamera();
        for (const Block &block : blocks)
            if (block.name == "FLIGHT")
                for (const Line *line : block.lines)
                    if (!WordsOf(*line).empty())
                        out_.flight.push_back(ParseFlightLine(*line, out_));
    }

private:
    Scenario &out_;
    int cameraLine_ = 0;
    std::map<std::string, int> names_; // folded name -> line of its declaration

    std::vector<Block> CollectBlocks(const std::vector<Line> &lines) {
        static const std::set<std::string> kBlocks = {"DESC", "ENVIRONMENT", "BODIES", "SHIPS",
                                                      "FLIGHT"};
        std::vector<Block> blocks;
        std::set<std::string> seen;
        for (size_t i = 0; i < lines.size(); ++i) {
            const std::vector<Token> &words = WordsOf(lines[i]);
            if (words.empty())
                continue;
            const std::string &word = words[0].text;
            std::string name = StartsBlock(lines[i]) ? word.substr(6) : "";
            if (!kBlocks.count(name))
                throw ScenarioError(lines[i].number, "unknown keyword '" + word + "'");
            if (!seen.insert(name).second)
                throw ScenarioError(lines[i].number, "second " + word + " block");
            LineReader(lines[i], 1).End();
            Block block;
            block.name = name;
            block.line = lines[i].number;
            std::string end = "END_" + name;
            for (++i; i < lines.size() && !IsWord(lines[i], end.c_str()); ++i) {
                if (name != "DESC" && StartsBlock(lines[i])) {
                    std::string message = lines[i].tokens[0].text;
                    message.append(" inside ").append(word).append(" (missing ");
                    throw ScenarioError(lines[i].number, message.append(end).append("?)"));
                }
                block.lines.push_back(&lines[i]);
            }
            if (i == lines.size())
                throw ScenarioError(block.line, std::string(word).append(" has no ").append(end));
            if (name != "DESC")
                LineReader(lines[i], 1).End();
            blocks.push_back(block);
        }
        return blocks;
    }

    void Declare(const std::string &name, int line) {
        auto [it, inserted] = names_.emplace(host::FoldCase(name), line);
        if (!inserted)
            throw ScenarioError(line, "duplicate name '" + name + "' (first declared on line " +
                                          std::to_string(it->second) + ")");
    }

    void ReadDescription(const Block &block) {
        for (const Line *line : block.lines)
            out_.description.push_back(line->raw);
    }

    void ReadEnvironment(const Block &block) {
        Environment &env = out_.environment;
        std::set<std::string> given;
        for (const Line *line : block.lines) {
            LineReader r(*line);
            if (r.AtEnd())
                continue;
            std::string key = r.Word("keyword");
            if (!given.insert(key).second)
                r.Fail(key + " given twice");
            if (key == "STEP") {
                env.step = r.Number("step length");
                if (env.step <= 0.0)
                    r.Fail("STEP must be more than 0");
            } else if (key == "START") {
                env.start = r.Number("start time");
            } else if (key == "GRAVITY") {
                env.gravity = Choice(r, "GRAVITY", {{"ON", 1}, {"OFF", 0}}) == 1;
            } else if (key == "APERTURE") {
                // As the flight's APERTURE: the camera clamps it to what it accepts.
                env.aperture = r.Number("aperture");
                if (env.aperture <= 0.0)
                    r.Fail("APERTURE must be more than 0 degrees");
            } else if (key == "CAMERA") {
                env.camera = r.Name("camera target");
                cameraLine_ = line->number;
            } else if (key == "REUSE") {
                env.reuse = Choice(r, "REUSE", {{"ON", 1}, {"OFF", 0}}) == 1;
            } else if (key == "SOUND") {
                env.sound = static_cast<SoundLibrary>(
                    Choice(r, "SOUND",
                           {{"ON", static_cast<int>(SoundLibrary::Full)},
                            {"OFF", static_cast<int>(SoundLibrary::None)},
                            {"NO_REPLACE", static_cast<int>(SoundLibrary::NoReplace)},
                            {"NO_ID", static_cast<int>(SoundLibrary::NoId)},
                            {"XRSOUND", static_cast<int>(SoundLibrary::XRSound)},
                            {"BOTH", static_cast<int>(SoundLibrary::Both)},
                            {"XRSOUND_OLD", static_cast<int>(SoundLibrary::XRSoundOld)},
                            {"XRSOUND_NULL", static_cast<int>(SoundLibrary::XRSoundNull)}}));
            } else {
                r.Fail("unknown environment keyword '" + key + "'");
            }
            r.End();
        }
    }

    static int Choice(LineReader &r, const std::string &key,
                      const std::vector<std::pair<std::string, int>> &choices) {
        std::string word = r.Word("value of " + key);
        std::string names;
        for (const auto &[name, value] : choices) {
            if (word == name)
                return value;
            names += (names.empty() ? "" : ", ") + name;
        }
        r.Fail(key + " must be one of " + names + ", not '" + word + "'");
    }

    void ReadBodies(const Block &block) {
        for (const Line *line : block.lines) {
            LineReader r(*line);
            if (r.AtEnd())
                continue;
            BodyEntry body;
            body.name = r.Name("body name");
            Declare(body.name, line->number);
            std::set<std::string> given;
            while (!r.AtEnd()) {
                std::string key = r.Word("keyword");
                if (!given.insert(key).second)
                    r.Fail(key + " given twice");
                if (key == "MASS")
                    body.mass = NonNegative(r, "body mass");
                else if (key == "SIZE")
                    body.size = NonNegative(r, "body size");
                else if (key == "POS")
                    body.pos = r.Vector("position");
                else if (key == "VEL")
                    body.vel = r.Vector("velocity");
                else
                    r.Fail("unknown body keyword '" + key + "' (MASS, SIZE, POS, VEL)");
            }
            for (const char *needed : {"MASS", "SIZE", "POS"})
                if (!given.count(needed))
                    r.Fail("body " + body.name + " has no " + needed);
            out_.bodies.push_back(body);
        }
    }

    static double NonNegative(LineReader &r, const std::string &what) {
        double value = r.Number(what);
        if (value < 0.0)
            r.Fail(what + " must not be negative");
        return value;
    }

    void ReadShips(const Block &block) {
        ShipEntry *ship = nullptr;
        int shipLine = 0;
        std::set<std::string> given;
        for (const Line *line : block.lines) {
            LineReader r(*line);
            if (r.AtEnd())
                continue;
            if (!ship) {
                std::string header = r.Name("NAME:CLASS");
                size_t colon = header.find(':');
                if (colon == std::string::npos)
                    r.Fail("expected NAME:CLASS or END_SHIPS, found '" + header + "'");
                if (colon == 0 || colon + 1 == header.size())
                    r.Fail("'" + header + "' needs a name and a class");
                r.End();
                Declare(header.substr(0, colon), line->number);
                out_.ships.emplace_back();
                ship = &out_.ships.back();
                ship->name = header.substr(0, colon);
                ship->className = header.substr(colon + 1);
                shipLine = line->number;
                given.clear();
                continue;
            }
            std::string key = r.Word("keyword");
            if (key == "END") {
                r.End();
                FinishShip(*ship, given.count("UP") > 0, line->number);
                ship = nullptr;
                continue;
            }
            if (key != "TANK" && key != "DOCK" && !given.insert(key).second)
                r.Fail(key + " given twice");
            ReadShipLine(r, key, *ship, line->number);
            r.End();
        }
        if (ship)
            throw ScenarioError(shipLine, "vessel " + ship->name + " has no END");
    }

    void ReadShipLine(LineReader &r, const std::string &key, ShipEntry &ship, int line) {
        if (key == "RPOS") {
            ship.rpos = r.Vector("position");
        } else if (key == "RVEL") {
            ship.rvel = r.Vector("velocity");
        } else if (key == "DIR") {
            ship.dir = r.Axis("DIR");
        } else if (key == "UP") {
            ship.up = r.Axis("UP");
        } else if (key == "MASS") {
            ship.mass = NonNegative(r, "vessel mass");
        } else if (key == "SIZE") {
            ship.size = NonNegative(r, "vessel size");
        } else if (key == "TANK") {
            TankEntry tank;
            tank.capacity = NonNegative(r, "tank capacity");
            tank.mass = NonNegative(r, "tank content");
            if (tank.mass > tank.capacity)
                r.Fail("the tank holds more than its capacity");
            ship.tanks.push_back(tank);
        } else if (key == "PORTS") {
            ship.ports = static_cast<int>(r.Whole("number of ports", 0, kMaxPorts));
        } else if (key == "DOCK") {
            DockEntry dock;
            dock.port = static_cast<int>(r.Whole("port", 0, kMaxPorts - 1));
            dock.other = r.Name("vessel name");
            dock.otherPort = static_cast<int>(r.Whole("port of " + dock.other, 0, kMaxPorts - 1));
            dock.line = line;
            ship.docks.push_back(dock);
        } else if (key == "CAMOFS") {
            ship.cameraOffset = r.Vector("camera offset");
        } else if (key == "LANDED") {
            ship.landed = true;
        } else {
            r.Fail("unknown vessel keyword '" + key + "'");
        }
    }

    // Without UP the world takes any axis square to DIR.
    static void FinishShip(const ShipEntry &ship, bool hasUp, int line) {
        if (hasUp && Parallel(ship.dir, ship.up))
            throw ScenarioError(line, "vessel " + ship.name + ": UP is parallel to DIR");
    }

    // Every connection once: the mirror of a connection already declared is dropped.
    void CheckDocks() {
        std::map<std::pair<std::string, int>, std::pair<std::string, int>> used;
        for (ShipEntry &ship : out_.ships) {
            std::vector<DockEntry> kept;
            for (const DockEntry &dock : ship.docks) {
                int line = dock.line;
                const ShipEntry *other = CheckDock(ship, dock);
                auto here = std::make_pair(host::FoldCase(ship.name), dock.port);
                auto there = std::make_pair(host::FoldCase(other->name), dock.otherPort);
                auto found = used.find(here);
                if (found != used.end() && found->second == there)
                    continue;
                if (found != used.end())
                    throw ScenarioError(line, "port " + std::to_string(dock.port) + " of " +
                                                  ship.name + " is already docked");
                if (used.count(there))
                    throw ScenarioError(line, "port " + std::to_string(dock.otherPort) + " of " +
                                                  other->name + " is already docked");
                used[here] = there;
                used[there] = here;
                kept.push_back(dock);
                kept.back().other = other->name;
            }
            ship.docks = kept;
        }
    }

    const ShipEntry *CheckDock(const ShipEntry &ship, const DockEntry &dock) const {
        int line = dock.line;
        const ShipEntry *other = FindShip(out_, dock.other);
        if (!other)
            throw ScenarioError(line, FindBody(out_, dock.other)
                                          ? "'" + dock.other + "' is a body, not a vessel"
                                          : "unknown vessel '" + dock.other + "'");
        if (other == &ship)
            throw ScenarioError(line, "a vessel cannot dock to itself");
        for (const auto &[vessel, port] :
             {std::make_pair(&ship, dock.port), std::make_pair(other, dock.otherPort)})
            if (port >= vessel->ports)
                throw ScenarioError(line, "port " + std::to_string(port) + " of " + vessel->name +
                                              " does not exist (PORTS " +
                                              std::to_string(vessel->ports) + ")");
        return other;
    }

    void CheckCamera() const {
        const std::string &name = out_.environment.camera;
        if (!name.empty() && !FindShip(out_, name) && !FindBody(out_, name))
            throw ScenarioError(cameraLine_, "unknown camera target '" + name + "'");
    }
};

} // namespace

bool ParseScenario(const std::string &text, const std::string &fileName, Scenario *out,
                   std::string *error) {
    Scenario parsed;
    parsed.file = fileName;
    try {
        std::vector<Line> lines = SplitLines(text);
        Parser(parsed).Parse(lines);
    } catch (const ScenarioError &e) {
        *error = fileName + ":" + std::to_string(e.line) + ": " + e.what();
        return false;
    }
    *out = std::move(parsed);
    return true;
}

bool LoadScenarioFile(const std::string &path, Scenario *out, std::string *error) {
    std::error_code ec;
    std::ifstream in;
    const std::filesystem::path file = host::SystemPath(path);
    if (!std::filesystem::is_directory(file, ec))
        in.open(file, std::ios::binary);
    std::ostringstream text;
    if (in.is_open())
        text << in.rdbuf();
    if (!in.is_open() || in.bad()) {
        *error = path + ": cannot read the scenario file";
        return false;
    }
    return ParseScenario(text.str(), path, out, error);
}

} // namespace scenario
