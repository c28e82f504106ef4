// Looking zones up in the system's tz database, and finding the machine's zone.
#include "platform/calendar/time_zone.h"

#include "platform/calendar/zone_rules.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>

namespace quillon {
namespace {

constexpr std::size_t kMaxIdentifierLength = 255;
constexpr std::size_t kMaxRememberedZones = 1024;
constexpr std::string_view kZoneinfoMarker = "zoneinfo/";

std::string zoneinfoDirectory()
{
    const char* directory = std::getenv("TZDIR");
    return directory && *directory ? directory : "/usr/share/zoneinfo";
}

// An identifier is a relative path of plain components: nothing may climb out of the database.
bool isPlausibleIdentifier(std::string_view identifier)
{
    if (identifier.empty() || identifier.size() > kMaxIdentifierLength || identifier.front() == '/')
        return false;
    std::size_t start = 0;
    while (start <= identifier.size()) {
        std::size_t end = identifier.find('/', start);
        if (end == std::string_view::npos)
            end = identifier.size();
        const std::string_view component = identifier.substr(start, end - start);
        if (component.empty() || component == "." || component == "..")
            return false;
        for (char character : component) {
            const bool plain = (character >= 'A' && character <= 'Z')
                || (character >= 'a' && character <= 'z') || (character >= '0' && character <= '9')
                || character == '_' || character == '-' || character == '+' || character == '.';
            if (!plain)
                return false;
        }
        start = end + 1;
    }
    return true;
}

// Zone files are read once per file; a process shows a handful of zones over and over. Keyed by
// path rather than identifier, so that a process that points TZDIR elsewhere reads the new folder.
class ZoneCache {
public:
    std::shared_ptr<const ZoneRules> rulesFor(const std::string& identifier)
    {
        const std::string path = zoneinfoDirectory() + "/" + identifier;
        std::lock_guard lock(m_mutex);
        auto found = m_rules.find(path);
        if (found != m_rules.end())
            return found->second;
        std::shared_ptr<const ZoneRules> rules;
        if (auto loaded = ZoneRules::loadFile(path))
            rules = std::make_shared<const ZoneRules>(std::move(*loaded));
        else if (identifier == "UTC")
            rules = std::make_shared<const ZoneRules>(ZoneRules::fixed(0));
        // Unknown names are remembered too, but only so many: they come from stored settings.
        if (rules || m_rules.size() < kMaxRememberedZones)
            m_rules.emplace(path, rules);
        return rules;
    }

private:
    std::mutex m_mutex;
    std::map<std::string, std::shared_ptr<const ZoneRules>, std::less<>> m_rules;
};

ZoneCache& zoneCache()
{
    static ZoneCache cache;
    return cache;
}

std::optional<std::string> identifierFromPath(std::string_view path)
{
    const std::size_t marker = path.rfind(kZoneinfoMarker);
    if (marker == std::string_view::npos)
        return std::nullopt;
    std::string_view identifier = path.substr(marker + kZoneinfoMarker.size());
    if (identifier.starts_with("posix/"))
        identifier.remove_prefix(6);
    return std::string(identifier);
}

std::optional<std::string> readTimezoneName(const char* path)
{
    std::ifstream file(path);
    std::string line;
    if (!file || !std::getline(file, line))
        return std::nullopt;
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r' || line.back() == '\t'))
        line.pop_back();
    if (!isPlausibleIdentifier(line))
        return std::nullopt;
    return line;
}

} // namespace

TimeZone::TimeZone(std::string identifier, std::shared_ptr<const ZoneRules> rules)
    : m_identifier(std::move(identifier))
    , m_rules(std::move(rules))
{
}

std::optional<TimeZone> TimeZone::named(std::string_view identifier)
{
    if (!isPlausibleIdentifier(identifier))
        return std::nullopt;
    std::string name(identifier);
    auto rules = zoneCache().rulesFor(name);
    if (!rules)
        return std::nullopt;
    return TimeZone(std::move(name), std::move(rules));
}

TimeZone TimeZone::utc()
{
    if (auto zone = named("UTC"))
        return *zone;
    return TimeZone("UTC", std::make_shared<const ZoneRules>(ZoneRules::fixed(0)));
}

TimeZone TimeZone::current()
{
    if (const char* variable = std::getenv("TZ"); variable && *variable) {
        std::string_view value = variable;
        if (value.front() == ':')
            value.remove_prefix(1);
        if (value.starts_with('/')) {
            if (auto rules = ZoneRules::loadFile(std::string(value)))
                return TimeZone(identifierFromPath(value).value_or(std::string(value)),
                    std::make_shared<const ZoneRules>(std::move(*rules)));
        } else if (auto zone = named(value)) {
            return *zone;
        } else if (auto rules = ZoneRules::fromPosixString(value)) {
            return TimeZone(std::string(value), std::make_shared<const ZoneRules>(std::move(*rules)));
        }
    }

    std::error_code error;
    const std::filesystem::path localtime = "/etc/localtime";
    const std::filesystem::path target = std::filesystem::read_symlink(localtime, error);
    if (!error) {
        if (auto identifier = identifierFromPath(target.string())) {
            if (auto zone = named(*identifier))
                return *zone;
        }
    }
    if (auto rules = ZoneRules::loadFile(localtime.string())) {
        // A copied rather than linked zone file carries no name; Debian records it beside it.
        std::string identifier = "localtime";
        if (auto named = readTimezoneName("/etc/timezone"))
            identifier = *named;
        return TimeZone(std::move(identifier), std::make_shared<const ZoneRules>(std::move(*rules)));
    }
    return utc();
}

bool TimeZone::operator==(const TimeZone& other) const
{
    return m_identifier == other.m_identifier && (m_rules == other.m_rules || *m_rules == *other.m_rules);
}

std::int32_t TimeZone::offsetSeconds(Instant instant) const
{
    return m_rules->offsetAt(wholeUnixSeconds(instant));
}

} // namespace quillon
