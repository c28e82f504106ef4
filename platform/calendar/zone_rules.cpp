// Reading TZif files and answering offset and wall-clock questions from them.
#include "platform/calendar/zone_rules.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>

namespace quillon {

namespace {

constexpr std::size_t kMaxFileSize = 1024 * 1024;
constexpr std::size_t kHeaderSize = 44;
constexpr std::int32_t kMinOffset = -89'999; // -24:59:59
constexpr std::int32_t kMaxOffset = 93'599; // +25:59:59
constexpr std::int64_t kResolveWindow = 2 * 86'400;

class ByteReader {
public:
    explicit ByteReader(std::span<const unsigned char> data)
        : m_data(data)
    {
    }

    std::size_t remaining() const { return m_data.size() - m_pos; }
    bool has(std::uint64_t count) const { return count <= remaining(); }
    std::span<const unsigned char> take(std::size_t count)
    {
        const auto bytes = m_data.subspan(m_pos, count);
        m_pos += count;
        return bytes;
    }
    std::uint8_t u8() { return m_data[m_pos++]; }
    std::uint32_t u32()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value = (value << 8) | m_data[m_pos++];
        }
        return value;
    }
    std::uint64_t u64()
    {
        std::uint64_t value = 0;
        for (int i = 0; i < 8; ++i) {
            value = (value << 8) | m_data[m_pos++];
        }
        return value;
    }

private:
    std::span<const unsigned char> m_data;
    std::size_t m_pos = 0;
};

struct Header {
    char version = 0;
    std::uint32_t isutCount = 0;
    std::uint32_t isstdCount = 0;
    std::uint32_t leapCount = 0;
    std::uint32_t timeCount = 0;
    std::uint32_t typeCount = 0;
    std::uint32_t charCount = 0;

    // Counts are 32-bit, so this sum cannot overflow 64 bits.
    std::uint64_t dataSize(std::uint64_t timeSize) const
    {
        return std::uint64_t {timeCount} * (timeSize + 1) + std::uint64_t {typeCount} * 6 + charCount
            + std::uint64_t {leapCount} * (timeSize + 4) + isstdCount + isutCount;
    }
};

std::optional<Header> readHeader(ByteReader& reader)
{
    if (!reader.has(kHeaderSize)) {
        return std::nullopt;
    }
    const auto magic = reader.take(4);
    if (magic[0] != 'T' || magic[1] != 'Z' || magic[2] != 'i' || magic[3] != 'f') {
        return std::nullopt;
    }
    Header header;
    header.version = static_cast<char>(reader.u8());
    if (header.version != 0 && (header.version < '2' || header.version > '9')) {
        return std::nullopt;
    }
    reader.take(15);
    header.isutCount = reader.u32();
    header.isstdCount = reader.u32();
    header.leapCount = reader.u32();
    header.timeCount = reader.u32();
    header.typeCount = reader.u32();
    header.charCount = reader.u32();
    if (header.typeCount == 0 || (header.isstdCount != 0 && header.isstdCount != header.typeCount)
        || (header.isutCount != 0 && header.isutCount != header.typeCount)) {
        return std::nullopt;
    }
    return header;
}

struct DataBlock {
    std::vector<std::int64_t> times;
    std::vector<std::int32_t> offsetsAfter;
    std::int32_t firstTypeOffset = 0;
};

std::optional<DataBlock> readDataBlock(ByteReader& reader, const Header& header, std::uint64_t timeSize)
{
    if (!reader.has(header.dataSize(timeSize))) {
        return std::nullopt;
    }
    DataBlock block;
    block.times.reserve(header.timeCount);
    for (std::uint32_t i = 0; i < header.timeCount; ++i) {
        const std::int64_t time = timeSize == 8 ? static_cast<std::int64_t>(reader.u64())
                                                : std::int64_t {static_cast<std::int32_t>(reader.u32())};
        if (!block.times.empty() && time <= block.times.back()) {
            return std::nullopt;
        }
        block.times.push_back(time);
    }
    const auto typeIndices = reader.take(header.timeCount);

    std::vector<std::int32_t> typeOffsets;
    typeOffsets.reserve(header.typeCount);
    for (std::uint32_t i = 0; i < header.typeCount; ++i) {
        const auto offset = static_cast<std::int32_t>(reader.u32());
        const std::uint8_t isDst = reader.u8();
        const std::uint8_t designationIndex = reader.u8();
        if (offset < kMinOffset || offset > kMaxOffset || isDst > 1 || designationIndex >= header.charCount) {
            return std::nullopt;
        }
        typeOffsets.push_back(offset);
    }
    block.firstTypeOffset = typeOffsets.front();

    block.offsetsAfter.reserve(header.timeCount);
    for (const unsigned char index : typeIndices) {
        if (index >= typeOffsets.size()) {
            return std::nullopt;
        }
        block.offsetsAfter.push_back(typeOffsets[index]);
    }

    // Designations, leap-second records and the standard/UT indicators do not
    // affect offsets.
    reader.take(static_cast<std::size_t>(std::uint64_t {header.charCount}
        + std::uint64_t {header.leapCount} * (timeSize + 4) + header.isstdCount + header.isutCount));
    return block;
}

// Footer: "\n" TZ-string "\n". Absent and empty footers are both "no rule".
std::optional<std::optional<PosixTzRule>> readFooter(ByteReader& reader)
{
    if (reader.remaining() == 0) {
        return std::optional<PosixTzRule> {};
    }
    const auto rest = reader.take(reader.remaining());
    if (rest[0] != '\n') {
        return std::nullopt;
    }
    const auto end = std::find(rest.begin() + 1, rest.end(), static_cast<unsigned char>('\n'));
    if (end == rest.end()) {
        return std::nullopt;
    }
    const std::string_view text(
        reinterpret_cast<const char*>(rest.data()) + 1, static_cast<std::size_t>(end - rest.begin() - 1));
    if (text.empty()) {
        return std::optional<PosixTzRule> {};
    }
    auto rule = parsePosixTzRule(text);
    if (!rule) {
        return std::nullopt;
    }
    return rule;
}

} // namespace

std::optional<ZoneRules> ZoneRules::fromTzif(std::span<const unsigned char> data)
{
    ByteReader reader(data);
    const auto header = readHeader(reader);
    if (!header) {
        return std::nullopt;
    }
    std::optional<DataBlock> block;
    std::optional<PosixTzRule> footer;
    if (header->version == 0) {
        block = readDataBlock(reader, *header, 4);
    } else {
        // The 32-bit block only serves old readers, but must still be intact.
        if (!reader.has(header->dataSize(4))) {
            return std::nullopt;
        }
        reader.take(static_cast<std::size_t>(header->dataSize(4)));
        const auto header64 = readHeader(reader);
        if (!header64) {
            return std::nullopt;
        }
        block = readDataBlock(reader, *header64, 8);
        const auto parsedFooter = block ? readFooter(reader) : std::nullopt;
        if (!parsedFooter) {
            return std::nullopt;
        }
        footer = *parsedFooter;
    }
    if (!block) {
        return std::nullopt;
    }
    ZoneRules rules;
    rules.m_transitionTimes = std::move(block->times);
    rules.m_offsetsAfter = std::move(block->offsetsAfter);
    rules.m_initialOffset = block->firstTypeOffset;
    rules.m_footer = std::move(footer);
    return rules;
}

std::optional<ZoneRules> ZoneRules::fromPosixString(std::string_view tz)
{
    auto rule = parsePosixTzRule(tz);
    if (!rule) {
        return std::nullopt;
    }
    ZoneRules rules;
    rules.m_initialOffset = rule->standardOffset;
    rules.m_footer = std::move(rule);
    return rules;
}

ZoneRules ZoneRules::fixed(std::int32_t utcOffsetSeconds)
{
    ZoneRules rules;
    rules.m_initialOffset = utcOffsetSeconds;
    return rules;
}

std::optional<ZoneRules> ZoneRules::loadFile(const std::string& path)
{
    // Only regular files: a FIFO or a device named by TZ would block or never end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxFileSize)
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    if (!file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        return std::nullopt;
    return fromTzif(bytes);
}

std::int32_t ZoneRules::offsetFromTransition(std::size_t index) const
{
    if (m_footer && index + 1 == m_transitionTimes.size()) {
        return m_footer->offsetAt(m_transitionTimes[index]);
    }
    return m_offsetsAfter[index];
}

std::int32_t ZoneRules::offsetAt(std::int64_t unixSeconds) const
{
    if (m_transitionTimes.empty()) {
        return m_footer ? m_footer->offsetAt(unixSeconds) : m_initialOffset;
    }
    if (unixSeconds < m_transitionTimes.front()) {
        return m_initialOffset;
    }
    if (m_footer && unixSeconds >= m_transitionTimes.back()) {
        return m_footer->offsetAt(unixSeconds);
    }
    const auto after = std::upper_bound(m_transitionTimes.begin(), m_transitionTimes.end(), unixSeconds);
    return m_offsetsAfter[static_cast<std::size_t>(after - m_transitionTimes.begin() - 1)];
}

std::optional<std::int64_t> ZoneRules::nextTransitionAfter(std::int64_t unixSeconds) const
{
    const std::int32_t current = offsetAt(unixSeconds);
    const auto after = std::upper_bound(m_transitionTimes.begin(), m_transitionTimes.end(), unixSeconds);
    for (auto index = static_cast<std::size_t>(after - m_transitionTimes.begin());
         index < m_transitionTimes.size(); ++index) {
        if (offsetFromTransition(index) != current) {
            return m_transitionTimes[index];
        }
    }
    if (!m_footer) {
        return std::nullopt;
    }
    // The footer governs from the last transition on, and the offset there
    // equals `current`, so the footer's own next change is the answer.
    const std::int64_t from
        = m_transitionTimes.empty() ? unixSeconds : std::max(unixSeconds, m_transitionTimes.back());
    return m_footer->nextTransitionAfter(from);
}

std::int64_t ZoneRules::resolveLocal(std::int64_t localSeconds) const
{
    const std::int64_t local = std::clamp(localSeconds, -kMaxCalendarSeconds, kMaxCalendarSeconds);
    const std::int64_t windowEnd = local + kResolveWindow;
    // Offsets stay within about a day, so every instant whose wall clock can
    // read `local`, and every change that can skip it, lies in this window.
    std::int64_t segmentStart = local - kResolveWindow;
    std::int32_t offset = offsetAt(segmentStart);
    std::optional<std::int64_t> gapEnd;
    while (true) {
        const auto next = nextTransitionAfter(segmentStart);
        const std::int64_t segmentEnd = next ? std::min(*next, windowEnd) : windowEnd;
        const std::int64_t candidate = local - offset;
        if (candidate >= segmentStart && candidate < segmentEnd) {
            return candidate;
        }
        if (!next || *next >= windowEnd) {
            break;
        }
        const std::int32_t nextOffset = offsetAt(*next);
        if (!gapEnd && *next + offset <= local && local < *next + nextOffset) {
            gapEnd = *next;
        }
        segmentStart = *next;
        offset = nextOffset;
    }
    // A fixed offset beyond the window's reach has no segment of its own.
    return gapEnd ? *gapEnd : local - offsetAt(local - offsetAt(local));
}

} // namespace quillon
