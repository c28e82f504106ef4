// The main of every GoogleTest program: the tests' own zone rules first, then the tests.
#include "tests/support/test_zones.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    quillon::testing::useTestZones();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
