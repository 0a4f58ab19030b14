// EXPECT: the world's and the pages' state against the scenario's figures.
#include "scenario/flight_checks.h"

#include "display/displays.h"
#include "display/page_listing.h"
#include "scenario/scenario_names.h"
#include "scenario/world_report.h"
#include "world/world.h"

#include <algorithm>
#include <cmath>

namespace scenario {

namespace {

std::string Quoted(const std::string &text) {
    return "\"" + text + "\"";
}

// Page texts are padded by their formats; the check is about the words.
std::string Trimmed(const std::string &text) {
    size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos)
        return "";
    return text.substr(b, text.find_last_not_of(' ') - b + 1);
}

Vessel *LiveVessel(const std::string &name, std::string *failure) {
    Vessel *v = FindLiveVessel(name);
    if (!v)
        *failure = "vessel " + name + " does not exist";
    return v;
}

bool CheckLine(const Command &c, std::string *failure) {
    Vessel *v = LiveVessel(c.vessel, failure);
    host::Page page;
    std::string error;
    if (!v)
        return false;
    if (!host::DrawPage(v, c.position, &page, &error)) {
        *failure = "LINE " + c.vessel + " " + std::to_string(c.position) + ": " + error;
        return false;
    }
    // The scenario is written in UTF-8, the page in code page 1252.
    for (host::DrawCall &call : page.calls)
        call.text = host::Cp1252ToUtf8(call.text);
    std::vector<std::string> texts;
    std::string what = "LINE " + c.vessel + " " + std::to_string(c.position) + " " +
                       Quoted(c.text) + " " + Quoted(c.expected);
    if (!host::TextsOnLabelLine(page, c.text, &texts)) {
        *failure = what + ": no text " + Quoted(c.text) + " on the page";
        return false;
    }
    std::string found;
    for (const std::string &text : texts) {
        if (Trimmed(text) == Trimmed(c.expected))
            return true;
        found += " " + Quoted(text);
    }
    *failure = what + ": found" + (found.empty() ? " nothing else on that line" : found);
    return false;
}

// The length of a difference whose squares may overflow though it is finite
// (positions near the largest double): scaled by its largest component then.
double Distance(const VECTOR3 &d) {
    const double plain = host::Length(d);
    if (!std::isinf(plain))
        return plain;
    const double scale = std::max({std::fabs(d.x), std::fabs(d.y), std::fabs(d.z)});
    if (std::isinf(scale))
        return scale;
    return scale * host::Length(host::Scale(d, 1.0 / scale));
}

bool CheckPlace(const Command &c, std::string *failure) {
    Vessel *v = LiveVessel(c.vessel, failure);
    if (!v)
        return false;
    bool position = c.op == Op::ExpectNear;
    VECTOR3 actual = position ? RelativePos(*v) : RelativeVel(*v);
    double off = Distance(host::Sub(actual, c.vec));
    if (off <= c.tolerance)
        return true;
    *failure = std::string(position ? "NEAR " : "VEL ") + c.vessel + " " + FormatTriple(c.vec) +
               " " + FormatNumber(c.tolerance) + ": found " + FormatTriple(actual) + ", " +
               FormatNumber(off) + (position ? " m" : " m/s") + " off";
    return false;
}

bool CheckTank(const Command &c, std::string *failure) {
    Vessel *v = LiveVessel(c.vessel, failure);
    if (!v)
        return false;
    if (c.index >= static_cast<int>(v->tanks.size())) {
        *failure = "vessel " + c.vessel + " has no tank " + std::to_string(c.index);
        return false;
    }
    double mass = v->tanks[c.index].mass;
    if (std::fabs(mass - c.value) <= c.tolerance)
        return true;
    *failure = "TANK " + c.vessel + " " + std::to_string(c.index) + " " + FormatNumber(c.value) +
               " " + FormatNumber(c.tolerance) + ": found " + FormatNumber(mass) + " kg";
    return false;
}

bool CheckCount(const Command &c, std::string *failure) {
    int count = 0;
    for (const host::SimObject *o : host::World().objects)
        if (SameName(o->className, c.name))
            ++count;
    if (count == c.index)
        return true;
    *failure =
        "COUNT " + c.name + " " + std::to_string(c.index) + ": found " + std::to_string(count);
    return false;
}

bool CheckPresence(const Command &c, std::string *failure) {
    const host::SimObject *o = host::World().FindByName(c.name);
    bool wanted = c.op == Op::ExpectExists;
    if ((o != nullptr) == wanted)
        return true;
    *failure = std::string(wanted ? "EXISTS " : "GONE ") + c.name + ": " +
               (wanted ? "no such object"
                       : "object " + std::to_string(host::World().IndexOf(o)) + " is " + o->name +
                             " (" + o->className + ")");
    return false;
}

} // namespace

bool CheckHolds(const Command &check, std::string *failure) {
    switch (check.op) {
    case Op::ExpectLine:
        return CheckLine(check, failure);
    case Op::ExpectNear:
    case Op::ExpectVel:
        return CheckPlace(check, failure);
    case Op::ExpectTank:
        return CheckTank(check, failure);
    case Op::ExpectCount:
        return CheckCount(check, failure);
    case Op::ExpectExists:
    case Op::ExpectGone:
        return CheckPresence(check, failure);
    default:
        *failure = "not a check";
        return false;
    }
}

} // namespace scenario
