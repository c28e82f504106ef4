// What each program knows of its own build: its identifier, its versions and its update feed.
// Generated at build time and compiled in.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// A record made by hand (a test's) names only the fields it needs: the rest stay empty.
struct BuildInfo {
    std::string identifier {}; // the program's reverse-DNS name, com.quillon.Quillon
    std::string version {}; // what people read: 0.1.0
    std::string build {}; // what update feeds are compared with: 2100
    std::string feedURL {}; // the update feed of a release build; blank in a development build
    std::string updatePublicKey {}; // base64 Ed25519 key that release archives must be signed for
    bool operator==(const BuildInfo&) const = default;
};

// What `program --version` prints: "quillon 0.2.0 (build 2100)". The updater reads the build back
// from a release's studio to see that it runs.
std::string versionLine(std::string_view program, const BuildInfo& info);

// The running program's own record. Each program links the one generated for it.
const BuildInfo& thisBuild();

} // namespace quillon
