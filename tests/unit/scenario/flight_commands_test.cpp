// What the parser makes of flight commands whose effect a flight does not show.
#include "scenario/flight_parser.h"
#include "scenario_test_support.h"

#include <tuple>

using scenario::Command;

namespace {

Command One(const std::string &line) {
    scenario::Scenario s = MustParse(WithFlight(line));
    EXPECT_EQ(s.flight.size(), 1u) << line;
    return s.flight.empty() ? Command() : s.flight[0];
}

} // namespace

TEST(FlightCommands, DisplayCommandsAndKeyForms) {
    Command open = One("OPEN alpha 3"), sized = One("OPEN Alpha 11 320 200");
    EXPECT_EQ(open.vessel, "Alpha") << "names take the declared spelling";
    EXPECT_EQ(std::tie(open.position, open.width, open.height), std::make_tuple(3, 256, 256));
    EXPECT_EQ(std::tie(sized.width, sized.height), std::make_tuple(320, 200));
    EXPECT_EQ(One("BUTTON Alpha 0 5").index2, PANEL_MOUSE_LBDOWN);
    // KEY takes a letter or a number.
    const std::pair<const char *, int> keys[] = {
        {"J", OAPI_KEY_J}, {"A", OAPI_KEY_A}, {"Z", OAPI_KEY_Z}, {"0x24", 0x24}, {"46", 46},
        {"c", OAPI_KEY_C}, {"1.5", -1},       {"-1", -1},        {"Ä", -1},      {"0x100", -1}};
    for (const auto &[word, code] : keys)
        EXPECT_EQ(scenario::KeyCodeOf(word), code) << word;
    EXPECT_EQ(One("KEY Alpha 0 0x24").index, 0x24);
}

TEST(FlightCommands, InputTakesTheRestOfTheLine) {
    EXPECT_EQ(One("INPUT 1.5e9").text, "1.5e9");
    EXPECT_EQ(One("INPUT   Moon base  ; comment").text, "Moon base");
    EXPECT_EQ(One("INPUT \"\"").text, "");
    EXPECT_EQ(One("INPUT \"a; \\\"b\\\"\"").text, "a; \"b\"");
    EXPECT_EQ(One("INPUT \"two\" words").text, "\"two\" words");
    EXPECT_EQ(One("ECHO  Charging: 3 cells ").text, "Charging: 3 cells");
}
