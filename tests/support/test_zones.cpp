// The tests' zone folder and the machine's, and switching TZDIR between them.
#include "tests/support/test_zones.h"

#include <cstdlib>
#include <ctime>

namespace quillon::testing {
namespace {

void pointTZDIRAt(const std::string& folder)
{
    setenv("TZDIR", folder.c_str(), 1);
    tzset();
}

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
    pointTZDIRAt(testZoneFolder());
}

ScopedZoneFolder::ScopedZoneFolder(const std::string& folder)
    : m_previous(std::getenv("TZDIR") ? std::getenv("TZDIR") : "")
{
    pointTZDIRAt(folder);
}

ScopedZoneFolder::~ScopedZoneFolder()
{
    if (m_previous.empty()) {
        unsetenv("TZDIR");
        tzset();
    } else {
        pointTZDIRAt(m_previous);
    }
}

} // namespace quillon::testing
