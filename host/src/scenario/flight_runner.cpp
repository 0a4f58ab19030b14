// The pilot's actions, one command at a time.
#include "scenario/flight_runner.h"

#include "display/displays.h"
#include "display/page_listing.h"
#include "platform/host_paths.h"
#include "platform/page_png.h"
#include "run/simulation.h"
#include "scenario/flight_checks.h"
#include "scenario/world_report.h"
#include "world/fatal_fault.h"
#include "world/module_logs.h"
#include "world/transcript.h"
#include "world/world.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>

namespace scenario {

namespace {

const double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

// The outcome of one command: empty when it went well.
using Failure = std::string;

long long StepsFor(const Command &c) {
    const host::WorldState &world = host::World();
    switch (c.op) {
    case Op::Run:
        return std::llround(c.value / world.stepLength);
    case Op::Until:
        return c.value > world.simTime ? std::llround((c.value - world.simTime) / world.stepLength)
                                       : 0;
    default:
        return c.steps;
    }
}

// Commands on a display or a vessel need it still to be there.
Vessel *Need(const std::string &name, Failure *failure) {
    Vessel *v = FindLiveVessel(name);
    if (!v)
        *failure = "vessel " + name + " does not exist";
    return v;
}

host::SimObject *NeedObject(const std::string &name, Failure *failure) {
    host::SimObject *o = host::World().FindByName(name);
    if (!o)
        *failure = "no object named " + name;
    return o;
}

VECTOR3 UpOf(const Vessel &v) {
    VECTOR3 up = {{0.0, 1.0, 0.0}};
    return host::MulMatrix(v.rot, up);
}

Failure Display(const Command &c) {
    Failure failure;
    Vessel *v = Need(c.vessel, &failure);
    if (!v)
        return failure;
    bool consumed = false;
    bool done = false;
    switch (c.op) {
    case Op::Open:
        done = host::OpenDisplay(v, c.position, c.width, c.height, &failure);
        break;
    case Op::Close:
        done = host::CloseDisplay(v, c.position, &failure);
        break;
    case Op::Key:
        done = host::SendKey(v, c.position, c.index, &consumed, &failure);
        break;
    default:
        done = host::SendButton(v, c.position, c.index, c.index2, &consumed, &failure);
        break;
    }
    return done ? Failure() : failure;
}

Failure PrintPage(const Command &c, const std::string &outDir) {
    Failure failure;
    Vessel *v = Need(c.vessel, &failure);
    host::Page page;
    if (!v || !host::DrawPage(v, c.position, &page, &failure))
        return failure;
    if (c.op == Op::PrintPage) {
        for (const std::string &line : host::PageListing(page))
            host::Print(line);
        return Failure();
    }
    // Named in the form the out folder was given in; opened as the system opens it.
    const std::string path = (std::filesystem::path(outDir) / c.name).generic_string();
    const std::filesystem::path file = host::SystemPath(path);
    std::error_code ignored;
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path(), ignored);
    if (!host::WritePagePng(page, path, &failure))
        return failure;
    host::Event("snapshot of display %s %d written to %s", v->name.c_str(), c.position,
                path.c_str());
    return Failure();
}

Failure PrintButtons(const Command &c) {
    Failure failure;
    Vessel *v = Need(c.vessel, &failure);
    std::vector<host::ButtonInfo> buttons;
    if (!v || !host::ListButtons(v, c.position, &buttons, &failure))
        return failure;
    for (const host::ButtonInfo &button : buttons)
        host::Print(host::ButtonLine(button));
    return Failure();
}

Failure Turn(const Command &c) {
    Failure failure;
    Vessel *v = Need(c.vessel, &failure);
    if (!v)
        return failure;
    VECTOR3 forward = c.vec;
    if (c.op == Op::Point) {
        host::SimObject *target = NeedObject(c.name, &failure);
        if (!target)
            return failure;
        forward = host::Sub(target->pos, v->pos);
        if (host::Length(forward) == 0.0)
            return "vessel " + v->name + " stands at " + target->name + "'s place";
    }
    v->rot = host::RotationFromAxes(forward, c.hasUp ? c.up : UpOf(*v));
    return Failure();
}

Failure Dock(const Command &c) {
    Failure failure;
    Vessel *v = Need(c.vessel, &failure);
    if (!v)
        return failure;
    if (c.op == Op::Undock) {
        // Undocking a free port changes nothing, as in the simulator.
        host::World().Undock(v, c.index);
        return Failure();
    }
    Vessel *other = Need(c.name, &failure);
    if (!other)
        return failure;
    if (!host::World().Dock(v, c.index, other, c.index2))
        return "cannot dock " + v->name + " port " + std::to_string(c.index) + " to " +
               other->name + " port " + std::to_string(c.index2) + ": a port is taken";
    return Failure();
}

Failure Delete(const Command &c) {
    Failure failure;
    Vessel *v = Need(c.name, &failure);
    if (!v)
        return failure;
    host::DeleteNow(v);
    return Failure();
}

Failure Execute(const Command &c, const std::string &outDir) {
    Failure failure;
    switch (c.op) {
    case Op::Run:
    case Op::Until:
    case Op::Steps:
        host::RunSteps(StepsFor(c));
        return Failure();
    case Op::Open:
    case Op::Close:
    case Op::Key:
    case Op::Button:
        return Display(c);
    case Op::Input:
        return host::AnswerInputBox(c.text, &failure) ? Failure() : failure;
    case Op::Cancel:
        return host::CancelInputBox(&failure) ? Failure() : failure;
    case Op::Camera:
        if (host::SimObject *o = NeedObject(c.name, &failure))
            host::World().cameraTarget = host::Handle(o);
        return failure;
    case Op::Aperture:
        host::World().SetCameraAperture(c.value * kRadiansPerDegree);
        return Failure();
    case Op::Turn:
    case Op::Point:
        return Turn(c);
    case Op::Dock:
    case Op::Undock:
        return Dock(c);
    case Op::SetTank:
        if (Vessel *v = Need(c.vessel, &failure)) {
            if (c.index >= static_cast<int>(v->tanks.size()))
                return "vessel " + v->name + " has no tank " + std::to_string(c.index);
            v->tanks[c.index].mass = c.value;
        }
        return failure;
    case Op::Delete:
        return Delete(c);
    case Op::Echo:
        host::Event("%s", c.text.c_str());
        return Failure();
    case Op::PrintVessel:
        if (Vessel *v = Need(c.vessel, &failure))
            host::Print(VesselLine(*v));
        return failure;
    case Op::PrintObjects:
        for (const std::string &line : ObjectLines())
            host::Print(line);
        return Failure();
    case Op::PrintPage:
    case Op::Snapshot:
        return PrintPage(c, outDir);
    case Op::PrintButtons:
        return PrintButtons(c);
    default:
        return CheckHolds(c, &failure) ? Failure() : "expectation failed: " + failure;
    }
}

} // namespace

FlightOutcome Fly(const Scenario &s, const std::string &outDir, std::ostream &errors) {
    FlightOutcome outcome;
    for (const Command &command : s.flight) {
        Failure failure = Execute(command, outDir);
        host::ReportModuleLogs();
        const std::string fatal = host::TakeFatalFault();
        if (!fatal.empty())
            failure = fatal + "; the flight ends here";
        if (failure.empty())
            continue;
        ++outcome.failures;
        // Keep the transcript and the messages in the order they happened.
        std::cout.flush();
        std::fflush(stdout);
        errors << s.file << ":" << command.line << ": " << failure << std::endl;
        if (!fatal.empty()) {
            outcome.fatal = true;
            break;
        }
    }
    return outcome;
}

} // namespace scenario
