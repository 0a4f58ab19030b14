// Values the SDK headers share with the simulator: a module built against
// them passes these numbers and records across the boundary unchanged.
#include "Orbitersdk.h"

#include <gtest/gtest.h>

#include <cstddef>

TEST(SdkHeaders, MouseEventsHaveTheSimulatorsBits) {
    const int events[] = {PANEL_MOUSE_LBDOWN, PANEL_MOUSE_RBDOWN,    PANEL_MOUSE_LBUP,
                          PANEL_MOUSE_RBUP,   PANEL_MOUSE_LBPRESSED, PANEL_MOUSE_RBPRESSED};
    const int bits[] = {0x01, 0x02, 0x04, 0x08, 0x10, 0x20};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(events[i], bits[i]) << i;
}

TEST(SdkHeaders, TheOpenRecordHoldsSizeThenTheModeRecord) {
    EXPECT_EQ(offsetof(MFDMODEOPENSPEC, w), 0u);
    EXPECT_EQ(offsetof(MFDMODEOPENSPEC, h), 4u);
    EXPECT_EQ(offsetof(MFDMODEOPENSPEC, spec), 8u);
    EXPECT_EQ(sizeof(MFDMODEOPENSPEC), 16u);
    EXPECT_EQ(sizeof(MFDMODESPECEX), 32u);
}
