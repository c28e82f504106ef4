// The information record each program carries about itself: identifiers, versions, the update
// feed. Generated at build time and compiled in.
#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

inline constexpr std::string_view kBundleIdentifierKey = "CFBundleIdentifier";
inline constexpr std::string_view kBundleShortVersionKey = "CFBundleShortVersionString";
inline constexpr std::string_view kBundleVersionKey = "CFBundleVersion";
inline constexpr std::string_view kFeedURLKey = "SUFeedURL";
// The base64 Ed25519 public key that release archives must be signed for.
inline constexpr std::string_view kPublicEDKeyKey = "SUPublicEDKey";

class BundleInfo {
public:
    virtual ~BundleInfo() = default;
    // The value under a key, or nothing when the record has no such key.
    virtual std::optional<std::string> value(std::string_view key) const = 0;
};

// A record held as a table: the generated one, and the ones tests make.
class StaticBundleInfo final : public BundleInfo {
public:
    StaticBundleInfo(std::initializer_list<std::pair<const std::string, std::string>> entries)
        : m_entries(entries)
    {
    }
    std::optional<std::string> value(std::string_view key) const override;

private:
    std::map<std::string, std::string, std::less<>> m_entries;
};

// What `program --version` prints: "quillon 0.2.0 (build 2100)". The updater reads the build back
// from a release's studio to see that it runs.
std::string versionLine(std::string_view program, const BundleInfo& info);

// The running program's own record. Each program links the one generated for it.
const BundleInfo& mainBundleInfo();

} // namespace quillon
