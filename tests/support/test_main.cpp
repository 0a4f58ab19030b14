// The test programs' entry: the host's platform first, as tarsel-sim has it.
#include "platform/platform_setup.h"

#include <gtest/gtest.h>

int main(int argc, char **argv) {
    host::PreparePlatform();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
