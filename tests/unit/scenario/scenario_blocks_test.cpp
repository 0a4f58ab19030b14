// The world blocks of a scenario file and their defaults.
#include "scenario_test_support.h"

using scenario::Scenario;
using scenario::SoundLibrary;

TEST(ScenarioBlocks, ReadsEveryBlockAndLine) {
    Scenario s = MustParse("; a comment line\n"
                           "BEGIN_DESC\n"
                           "Two ships; one \"tug\".\n"
                           "\n"
                           "END_DESC\n"
                           "BEGIN_ENVIRONMENT\n"
                           "  STEP 0.05   ; finer\n"
                           "  START 1e3\n"
                           "  GRAVITY ON\n"
                           "  APERTURE 30\n"
                           "  CAMERA tug\n"
                           "  SOUND NO_ID\n"
                           "END_ENVIRONMENT\n"
                           "BEGIN_BODIES\n"
                           "Earth MASS 5.97e24 SIZE 6.371e6 POS 0 0 0\n"
                           "Moon MASS 7.3e22 SIZE 1.7e6 POS 3.8e8 0 0 VEL 0 1000 0\n"
                           "END_BODIES\n"
                           "BEGIN_SHIPS\n"
                           "Glider:DeltaGlider\n"
                           "  RPOS 7e6 0 0\n"
                           "  RVEL 0 7500 0\n"
                           "  DIR 1 0 0\n"
                           "  UP 0 0 1\n"
                           "  MASS 11000\n"
                           "  SIZE 12\n"
                           "  TANK 1000 500\n"
                           "  TANK 200 0\n"
                           "  PORTS 2\n"
                           "  DOCK 1 Tug 0\n"
                           "  CAMOFS 0 1.5 6\n"
                           "END\n"
                           "Tug:Tug\n"
                           "  PORTS 1\n"
                           "END\n"
                           "END_SHIPS\n");
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
    EXPECT_EQ(s.bodies[0].vel.y, 0.0);
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

TEST(ScenarioBlocks, DefaultsWhenLeftOut) {
    Scenario s = MustParse("BEGIN_BODIES\nSun MASS 2e30 SIZE 7e8 POS 0 0 0\nEND_BODIES\n"
                           "BEGIN_SHIPS\nProbe:Probe\nEND\nEND_SHIPS\n");
    EXPECT_EQ(s.environment.step, 0.1);
    EXPECT_EQ(s.environment.start, 0.0);
    EXPECT_FALSE(s.environment.gravity);
    EXPECT_EQ(s.environment.aperture, 20.0);
    EXPECT_EQ(s.environment.camera, "");
    EXPECT_EQ(s.environment.sound, SoundLibrary::Full);
    const scenario::ShipEntry &p = s.ships.at(0);
    EXPECT_EQ(p.mass, 10000.0);
    EXPECT_EQ(p.size, 10.0);
    EXPECT_EQ(p.dir.z, 1.0);
    EXPECT_EQ(p.ports, 0);
    EXPECT_TRUE(p.tanks.empty());
}

TEST(ScenarioBlocks, NumbersAreCLiterals) {
    Scenario s = MustParse("BEGIN_BODIES\nB MASS 0x1p4 SIZE .5 POS -1E+2 +3. 1e-3\nEND_BODIES\n");
    EXPECT_EQ(s.bodies[0].mass, 16.0);
    EXPECT_EQ(s.bodies[0].size, 0.5);
    EXPECT_EQ(s.bodies[0].pos.x, -100.0);
    EXPECT_EQ(s.bodies[0].pos.y, 3.0);
    EXPECT_EQ(s.bodies[0].pos.z, 1e-3);
}

TEST(ScenarioBlocks, SoundChoices) {
    const std::pair<const char *, SoundLibrary> cases[] = {{"ON", SoundLibrary::Full},
                                                           {"OFF", SoundLibrary::None},
                                                           {"NO_REPLACE", SoundLibrary::NoReplace},
                                                           {"NO_ID", SoundLibrary::NoId}};
    for (const auto &[word, sound] : cases) {
        Scenario s = MustParse(std::string("BEGIN_ENVIRONMENT\nSOUND ") + word +
                               "\nEND_ENVIRONMENT\nBEGIN_BODIES\nB MASS 1 SIZE 1 POS 0 0 0\n"
                               "END_BODIES\n");
        EXPECT_EQ(s.environment.sound, sound) << word;
    }
}

TEST(ScenarioBlocks, CrLfLinesAndBlocksInAnyOrder) {
    Scenario s = MustParse("BEGIN_SHIPS\r\nA:X\r\nEND\r\nEND_SHIPS\r\n"
                           "BEGIN_BODIES\r\nB MASS 1 SIZE 1 POS 0 0 0\r\nEND_BODIES\r\n");
    EXPECT_EQ(s.ships.at(0).className, "X");
    EXPECT_EQ(s.bodies.at(0).name, "B");
}

TEST(ScenarioBlocks, MirroredDockIsOneConnection) {
    Scenario s =
        MustParse("BEGIN_BODIES\nB MASS 1 SIZE 1 POS 0 0 0\nEND_BODIES\nBEGIN_SHIPS\n"
                  "A:X\nPORTS 1\nDOCK 0 C 0\nEND\nC:X\nPORTS 1\nDOCK 0 a 0\nEND\nEND_SHIPS\n");
    EXPECT_EQ(s.ships[0].docks.size() + s.ships[1].docks.size(), 1u);
}
