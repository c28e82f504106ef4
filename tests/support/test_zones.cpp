// The tests' zone folder and the machine's.
#include "tests/support/test_zones.h"

#include <cstdlib>

namespace quillon::testing {
namespace {

std::string tzdirAtStart()
{
    const char* folder = std::getenv("TZDIR");
    return folder && *folder ? folder : "/usr/share/zoneinfo";
}

} // namespace

const std::string& systemZoneFolder()
{
    // Read before useTestZones() replaces TZDIR: the first call happens there.
    static const std::string folder = tzdirAtStart();
    return folder;
}

const std::string& testZoneFolder()
{
    static const std::string folder = QUILLON_TEST_ZONEINFO;
    return folder;
}

void useTestZones()
{
    (void)systemZoneFolder();
    setTimeVariable("TZDIR", testZoneFolder());
}

} // namespace quillon::testing
