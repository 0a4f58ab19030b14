// The world blocks of a scenario file.
#include "scenario_test_support.h"

using scenario::Scenario;
using scenario::SoundLibrary;

// Windows line ends and the blocks in any order.
TEST(ScenarioBlocks, ReadsEveryBlockAndLine) {
    Scenario s = MustParse("; a comment line\r\n"
                           "BEGIN_DESC\r\nTwo ships; one \"tug\".\r\n\r\nEND_DESC\r\n"
                           "BEGIN_SHIPS\r\n"
                           "Glider:DeltaGlider\r\n  RPOS 7e6 0 0\r\n  RVEL 0 7500 0\r\n"
                           "  DIR 1 0 0\r\n  UP 0 0 1\r\n  MASS 11000\r\n  SIZE 12\r\n"
                           "  TANK 1000 500\r\n  TANK 200 0\r\n  PORTS 2\r\n"
                           "  DOCK 1 Tug 0\r\n  CAMOFS 0 1.5 6\r\nEND\r\n"
                           "Tug:Tug\r\n  PORTS 1\r\nEND\r\n"
                           "END_SHIPS\r\n"
                           "BEGIN_ENVIRONMENT\r\n"
                           "  STEP 0.05   ; finer\r\n  START 1e3\r\n  GRAVITY ON\r\n"
                           "  APERTURE 30\r\n  CAMERA tug\r\n  SOUND NO_ID\r\n"
                           "END_ENVIRONMENT\r\n"
                           "BEGIN_BODIES\r\n"
                           "Earth MASS 5.97e24 SIZE 6.371e6 POS 0 0 0\r\n"
                           "Moon MASS 7.3e22 SIZE 1.7e6 POS 3.8e8 0 0 VEL 0 1000 0\r\n"
                           "END_BODIES\r\n");
    ASSERT_EQ(s.description.size(), 2u);
    EXPECT_EQ(s.description[0], "Two ships; one \"tug\".");
    EXPECT_EQ(s.environment.step, 0.05);
    EXPECT_EQ(s.environment.start, 1000.0);
    EXPECT_TRUE(s.environment.gravity);
    EXPECT_EQ(s.environment.aperture, 30.0);
    EXPECT_EQ(s.environment.camera, "tug");
    EXPECT_EQ(s.environment.sound, SoundLibrary::NoId);
    ASSERT_EQ(s.bodies.size(), 2u);
    EXPECT_EQ(s.bodies[1].name, "Moon");
    EXPECT_EQ(s.bodies[1].pos.x, 3.8e8);
    EXPECT_EQ(s.bodies[1].vel.y, 1000.0);
    ASSERT_EQ(s.ships.size(), 2u);
    const scenario::ShipEntry &g = s.ships[0];
    EXPECT_EQ(g.name, "Glider");
    EXPECT_EQ(g.className, "DeltaGlider");
    EXPECT_EQ(g.rpos.x, 7e6);
    EXPECT_EQ(g.rvel.y, 7500.0);
    EXPECT_EQ(g.dir.x, 1.0);
    EXPECT_EQ(g.up.z, 1.0);
    EXPECT_EQ(g.mass, 11000.0);
    EXPECT_EQ(g.size, 12.0);
    ASSERT_EQ(g.tanks.size(), 2u);
    EXPECT_EQ(g.tanks[0].capacity, 1000.0);
    EXPECT_EQ(g.tanks[0].mass, 500.0);
    EXPECT_EQ(g.ports, 2);
    ASSERT_EQ(g.docks.size(), 1u);
    EXPECT_EQ(g.docks[0].port, 1);
    EXPECT_EQ(g.docks[0].other, "Tug");
    EXPECT_EQ(g.docks[0].otherPort, 0);
    EXPECT_EQ(g.cameraOffset.z, 6.0);
    EXPECT_TRUE(s.flight.empty());
}

TEST(ScenarioBlocks, SoundChoices) {
    const std::pair<const char *, SoundLibrary> cases[] = {{"ON", SoundLibrary::Full},
                                                           {"OFF", SoundLibrary::None},
                                                           {"NO_REPLACE", SoundLibrary::NoReplace},
                                                           {"NO_ID", SoundLibrary::NoId}};
    for (const auto &[word, sound] : cases)
        EXPECT_EQ(MustParse(WithFlight("", std::string("SOUND ") + word)).environment.sound, sound)
            << word;
}

TEST(ScenarioBlocks, MirroredDockIsOneConnection) {
    Scenario s =
        MustParse("BEGIN_BODIES\nB MASS 1 SIZE 1 POS 0 0 0\nEND_BODIES\nBEGIN_SHIPS\n"
                  "A:X\nPORTS 1\nDOCK 0 C 0\nEND\nC:X\nPORTS 1\nDOCK 0 a 0\nEND\nEND_SHIPS\n");
    EXPECT_EQ(s.ships[0].docks.size() + s.ships[1].docks.size(), 1u);
}
