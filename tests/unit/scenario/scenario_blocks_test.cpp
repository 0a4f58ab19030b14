// The world blocks of a scenario file.
#include "scenario_test_support.h"

#include <tuple>

using scenario::SoundLibrary;

// Windows line ends and the blocks in any order.
TEST(ScenarioBlocks, ReadsEveryBlockAndLine) {
    scenario::Scenario s =
        MustParse("; a comment line\r\n"
                  "BEGIN_DESC\r\nTwo ships; one \"tug\".\r\n\r\nEND_DESC\r\n"
                  "BEGIN_SHIPS\r\n"
                  "Glider:DeltaGlider\r\n  RPOS 7e6 0 0\r\n  RVEL 0 7500 0\r\n"
                  "  DIR 1 0 0\r\n  UP 0 0 1\r\n  MASS 11000\r\n  SIZE 12\r\n"
                  "  TANK 1000 500\r\n  TANK 200 0\r\n  PORTS 2\r\n"
                  "  DOCK 1 Tug 0\r\n  CAMOFS 0 1.5 6\r\n  LANDED\r\nEND\r\n"
                  "Tug:Tug\r\n  PORTS 1\r\n  DOCK 0 glider 1\r\nEND\r\n"
                  "END_SHIPS\r\n"
                  "BEGIN_ENVIRONMENT\r\n"
                  "  STEP 0.05   ; finer\r\n  START 1e3\r\n  GRAVITY ON\r\n"
                  "  APERTURE 30\r\n  CAMERA tug\r\n  SOUND NO_ID\r\n  REUSE ON\r\n"
                  "END_ENVIRONMENT\r\n"
                  "BEGIN_BODIES\r\n"
                  "Earth MASS 5.97e24 SIZE 6.371e6 POS 0 0 0\r\n"
                  "Moon MASS 7.3e22 SIZE 1.7e6 POS 3.8e8 0 0 VEL 0 1000 0\r\n"
                  "END_BODIES\r\n");
    ASSERT_EQ(s.description.size(), 2u);
    EXPECT_EQ(s.description[0], "Two ships; one \"tug\".");
    const scenario::Environment &e = s.environment;
    EXPECT_EQ(std::tie(e.step, e.start, e.gravity, e.aperture, e.camera, e.sound, e.reuse),
              std::make_tuple(0.05, 1000.0, true, 30.0, "tug", SoundLibrary::NoId, true));
    EXPECT_FALSE(MustParse(WithFlight("")).environment.reuse) << "off unless asked";
    ASSERT_EQ(s.bodies.size(), 2u);
    const scenario::BodyEntry &moon = s.bodies[1];
    EXPECT_EQ(std::tie(moon.name, moon.pos.x, moon.vel.y), std::make_tuple("Moon", 3.8e8, 1000.0));
    ASSERT_EQ(s.ships.size(), 2u);
    const scenario::ShipEntry &g = s.ships[0];
    EXPECT_EQ(std::tie(g.name, g.className, g.rpos.x, g.rvel.y, g.dir.x, g.up.z, g.mass, g.size),
              std::make_tuple("Glider", "DeltaGlider", 7e6, 7500.0, 1.0, 1.0, 11000.0, 12.0));
    ASSERT_EQ(g.tanks.size(), 2u);
    EXPECT_EQ(std::tie(g.tanks[0].capacity, g.tanks[0].mass), std::make_tuple(1000.0, 500.0));
    EXPECT_EQ(g.ports, 2);
    ASSERT_EQ(g.docks.size(), 1u);
    EXPECT_EQ(std::tie(g.docks[0].port, g.docks[0].other, g.docks[0].otherPort),
              std::make_tuple(1, "Tug", 0));
    EXPECT_TRUE(s.ships[1].docks.empty()) << "a mirrored DOCK line is the same connection";
    EXPECT_EQ(g.cameraOffset.z, 6.0);
    EXPECT_TRUE(g.landed);
    EXPECT_FALSE(s.ships[1].landed);
    EXPECT_TRUE(s.flight.empty());
}
