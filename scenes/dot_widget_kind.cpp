// The table of display kinds.
#include "scenes/dot_widget_kind.h"

#include "core/raw_value.h"

namespace quillon {
namespace {

struct KindInfo {
    std::string_view rawValue;
    std::string_view title;
    std::string_view symbolName;
    std::span<const DotSize> sizes;
    std::string_view widgetKind;
};

constexpr std::array<DotSize, 3> kWithoutSmall {DotSize::medium, DotSize::large, DotSize::extraLarge};
constexpr std::array<DotSize, 3> kUpToLarge {DotSize::small, DotSize::medium, DotSize::large};

constexpr std::array<KindInfo, kAllWidgetKinds.size()> kKinds {{
    {"worldBoard", "World Board", "globe", kWithoutSmall, "WorldBoard"},
    {"clock", "Clock", "clock", kUpToLarge, "DotClock"},
    {"day", "Day", "calendar", kUpToLarge, "DotDay"},
    {"progress", "Progress", "chart.bar.fill", kUpToLarge, "DotProgress"},
    {"countdown", "Countdown", "hourglass", kUpToLarge, "DotCountdown"},
    {"sign", "Sign", "text.bubble", kAllDotSizes, "DotSign"},
}};

const KindInfo& info(DotWidgetKind kind)
{
    return kKinds[static_cast<std::size_t>(kind)];
}

} // namespace

std::string_view rawValue(DotWidgetKind kind)
{
    return info(kind).rawValue;
}

std::optional<DotWidgetKind> widgetKindFromRawValue(std::string_view raw)
{
    return enumFromRawValue(std::span(kAllWidgetKinds), raw);
}

std::string_view title(DotWidgetKind kind)
{
    return info(kind).title;
}

std::string_view symbolName(DotWidgetKind kind)
{
    return info(kind).symbolName;
}

std::span<const DotSize> supportedSizes(DotWidgetKind kind)
{
    return info(kind).sizes;
}

std::string_view widgetKindString(DotWidgetKind kind)
{
    return info(kind).widgetKind;
}

} // namespace quillon
