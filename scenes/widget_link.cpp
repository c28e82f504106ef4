// Reading widget links by hand: general URL parsers lower-case the scheme and host, and these
// comparisons are case-sensitive.
#include "scenes/widget_link.h"

namespace quillon {
namespace {

constexpr std::string_view kPrefix = "quillon://";
constexpr std::string_view kHost = "widget";

int hexValue(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    return -1;
}

// Percent-escapes decoded, as a path component is read; a broken escape is no component.
std::optional<std::string> decoded(std::string_view component)
{
    std::string text;
    for (std::size_t index = 0; index < component.size(); ++index) {
        if (component[index] != '%') {
            text += component[index];
            continue;
        }
        if (index + 2 >= component.size())
            return std::nullopt;
        const int high = hexValue(component[index + 1]);
        const int low = hexValue(component[index + 2]);
        if (high < 0 || low < 0)
            return std::nullopt;
        text += static_cast<char>(high * 16 + low);
        index += 2;
    }
    return text;
}

} // namespace

std::optional<DotWidgetKind> kindFromWidgetLink(std::string_view link)
{
    if (link.size() > kMaxLinkLength || !link.starts_with(kPrefix))
        return std::nullopt;
    link.remove_prefix(kPrefix.size());
    // The path ends where a query or fragment begins.
    link = link.substr(0, link.find_first_of("?#"));
    const std::size_t slash = link.find('/');
    if (link.substr(0, slash) != kHost || slash == std::string_view::npos)
        return std::nullopt;
    std::string_view path = link.substr(slash);
    // A trailing slash does not make an empty last component.
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    const auto last = decoded(path.substr(path.rfind('/') + 1));
    if (!last)
        return std::nullopt;
    return widgetKindFromRawValue(*last);
}

std::string widgetLink(DotWidgetKind kind)
{
    return std::string(kPrefix) + std::string(kHost) + "/" + std::string(rawValue(kind));
}

std::optional<DotWidgetKind> kindFromLastWidgetLink(const std::vector<std::string>& links)
{
    for (auto link = links.rbegin(); link != links.rend(); ++link) {
        if (const auto kind = kindFromWidgetLink(*link))
            return kind;
    }
    return std::nullopt;
}

} // namespace quillon
