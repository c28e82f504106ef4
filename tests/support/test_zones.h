// The zone rules tests read: a folder of their own, so that expectations hold whatever release of
// the tz database the machine has, and the machine's, for comparisons with the C library.
#pragma once

#include "tests/support/scoped_time_variable.h"

#include <string>

namespace quillon::testing {

// Points TZDIR at the tests' folder for the rest of the process and remembers the machine's. Test
// programs call it first thing in main; everything that reads zones by name then reads ours.
void useTestZones();

// The folder built from tests/zones/zone_rules.zi.
const std::string& testZoneFolder();

// The folder TZDIR named when the program started, else the system's default.
const std::string& systemZoneFolder();

// Points TZDIR (and so the C library) at a folder for the guard's lifetime.
class ScopedZoneFolder : public ScopedTimeVariable {
public:
    explicit ScopedZoneFolder(const std::string& folder)
        : ScopedTimeVariable("TZDIR", folder)
    {
    }
};

} // namespace quillon::testing
