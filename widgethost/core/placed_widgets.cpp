// Reading and writing the placed widgets.
#include "widgethost/core/placed_widgets.h"

#include "platform/json/json_depth.h"
#include "platform/store/blob_folder.h"
#include "widgethost/core/screen_fit.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>

namespace quillon::widgethost {
namespace {

using Json = nlohmann::json;

constexpr std::string_view kFileName = kPlacedWidgetsFileName;
constexpr std::string_view kDamagedName = "widgets.json.bad";
constexpr std::string_view kTooManyName = "widgets.json.too-many";
constexpr int kMaxNesting = 64;

} // namespace

std::string encodePlacedWidgets(const std::vector<PlacedWidget>& widgets)
{
    Json list = Json::array();
    for (const PlacedWidget& widget : widgets) {
        list.push_back({{"plugin", widget.plugin}, {"kind", widget.kind}, {"family", rawValue(widget.family)},
            {"screen", widget.screen}, {"x", widget.x}, {"y", widget.y},
            {"configuration",
                Json::parse(widget.configuration, nullptr, false).is_object()
                    ? Json::parse(widget.configuration, nullptr, false)
                    : Json::object()}});
    }
    return Json {{"widgets", list}}.dump(2, ' ', false, Json::error_handler_t::replace);
}

std::optional<std::vector<PlacedWidget>> decodePlacedWidgets(std::string_view text)
{
    if (jsonNestedDeeperThan(text, kMaxNesting))
        return std::nullopt;
    const Json document = Json::parse(text.begin(), text.end(), nullptr, false);
    if (!document.is_object() || !document.contains("widgets") || !document["widgets"].is_array())
        return std::nullopt;
    std::vector<PlacedWidget> widgets;
    for (const Json& entry : document["widgets"]) {
        const auto string = [&](const char* key) {
            return entry.is_object() && entry.contains(key) && entry[key].is_string()
                ? entry[key].get<std::string>()
                : std::string();
        };
        const auto number = [&](const char* key) {
            return entry.is_object() && entry.contains(key) && entry[key].is_number()
                ? entry[key].get<double>()
                : NAN;
        };
        const auto family = widgetFamilyFromRawValue(string("family"));
        const double x = number("x");
        const double y = number("y");
        if (string("plugin").empty() || string("kind").empty() || !family || !std::isfinite(x)
            || !std::isfinite(y))
            continue;
        const Json configuration = entry.contains("configuration") && entry["configuration"].is_object()
            ? entry["configuration"]
            : Json::object();
        widgets.push_back({string("plugin"), string("kind"), *family, string("screen"), x, y,
            configuration.dump(-1, ' ', false, Json::error_handler_t::replace)});
    }
    return widgets;
}

std::optional<std::filesystem::path> setAsidePlacedWidgets(const std::filesystem::path& folder)
{
    // A link is moved aside, not its target: whatever it leads to stays as it was.
    const auto store = BlobFolder::openPath(folder);
    if (!store || !store->setAside(kFileName))
        return std::nullopt;
    return folder / kDamagedName;
}

std::vector<PlacedWidget> loadPlacedWidgets(const std::filesystem::path& folder)
{
    return readPlacedWidgets(folder).widgets;
}

LoadedWidgets readPlacedWidgets(const std::filesystem::path& folder)
{
    const auto store = BlobFolder::openPath(folder);
    if (!store || !store->contains(kFileName))
        return {};
    const std::filesystem::path file = folder / kFileName;
    const std::optional<std::string> text = store->read(kFileName);
    const int readError = errno;
    std::optional<std::vector<PlacedWidget>> widgets = text ? decodePlacedWidgets(*text) : std::nullopt;
    if (!widgets) {
        StoreReport report = text ? StoreReport {StoreProblem::damaged, file, {}, 0}
                                  : StoreReport {problemOfReadError(readError), file, {}, readError};
        if (const auto aside = setAsidePlacedWidgets(folder)) {
            report.keptAs = *aside;
            std::fprintf(stderr,
                "quillon-widgets: %s; moved it to widgets.json.bad and started with no widgets\n",
                describe(report).c_str());
        } else {
            std::fprintf(stderr,
                "quillon-widgets: %s, and it could not be moved aside (%s); started with no widgets, and "
                "nothing is saved over it\n",
                describe(report).c_str(), std::strerror(errno));
        }
        return {{}, report};
    }
    if (widgets->size() <= kMaxPlacedWidgets)
        return {*widgets, {}};

    // The next save would keep only the widgets shown, so the whole list goes aside first: as a copy,
    // which leaves a link in place, or else by moving the file itself, which needs no room on the disk.
    const std::size_t count = widgets->size();
    widgets->resize(kMaxPlacedWidgets);
    bool keptAside = store->write(kTooManyName, *text);
    if (!keptAside) {
        std::error_code error;
        std::filesystem::rename(file, folder / kTooManyName, error);
        keptAside = !error;
    }
    if (keptAside) {
        // Failing here is harmless: the whole list is safe, and the next save tries again.
        store->write(kFileName, encodePlacedWidgets(*widgets));
        std::fprintf(stderr,
            "quillon-widgets: %s held %zu widgets, more than the %zu the host keeps; kept it whole as "
            "widgets.json.too-many and started with the first %zu\n",
            file.c_str(), count, kMaxPlacedWidgets, kMaxPlacedWidgets);
    } else {
        std::fprintf(stderr,
            "quillon-widgets: %s holds %zu widgets, more than the %zu the host keeps, and could not be kept "
            "aside as widgets.json.too-many; started with the first %zu, and the next change keeps only "
            "those\n",
            file.c_str(), count, kMaxPlacedWidgets, kMaxPlacedWidgets);
    }
    return {*widgets, {}};
}

StoreReport savePlacedWidgets(const std::filesystem::path& folder, const std::vector<PlacedWidget>& widgets)
{
    // More would be cut off at the next start.
    if (widgets.size() > kMaxPlacedWidgets)
        return {StoreProblem::tooLarge, folder / kFileName, {}, 0};
    const auto store = BlobFolder::openPath(folder);
    if (!store || !store->write(kFileName, encodePlacedWidgets(widgets))) {
        const int error = errno;
        return {problemOfWriteError(error, folder), folder, {}, error};
    }
    return {};
}

ScreenRegion regionOf(const RectF& widget, const RectF& screen)
{
    const auto third = [](double centre, double start, double length) {
        if (length <= 0)
            return 1;
        return std::clamp(static_cast<int>((centre - start) / length * 3), 0, 2);
    };
    const int column = third(widget.x + widget.width / 2, screen.x, screen.width);
    const int row = third(widget.y + widget.height / 2, screen.y, screen.height);
    static constexpr ScreenRegion kRegions[3][3] = {
        {ScreenRegion::topLeft, ScreenRegion::top, ScreenRegion::topRight},
        {ScreenRegion::left, ScreenRegion::middle, ScreenRegion::right},
        {ScreenRegion::bottomLeft, ScreenRegion::bottom, ScreenRegion::bottomRight},
    };
    return kRegions[row][column];
}

std::optional<OutputPlace> placeOnOutputs(
    const PlacedWidget& placed, SizeF size, const std::vector<NamedOutput>& outputs)
{
    if (outputs.empty())
        return std::nullopt;
    if (placed.screen.empty()) {
        std::vector<RectF> rects;
        for (const NamedOutput& output : outputs)
            rects.push_back(output.rect);
        const std::size_t index = *areaOf({placed.x, placed.y, size.width, size.height}, rects);
        const RectF& rect = rects[index];
        // A layer surface cannot reach past its output's edges: the whole widget is kept on it.
        const PointF corner = keepWholeOn({placed.x, placed.y}, size, rect);
        return OutputPlace {index, {corner.x - rect.x, corner.y - rect.y}, true};
    }
    for (std::size_t index = 0; index < outputs.size(); ++index) {
        if (outputs[index].name == placed.screen)
            return OutputPlace {index, {placed.x, placed.y}, true};
    }
    return OutputPlace {0, {placed.x, placed.y}, false};
}

} // namespace quillon::widgethost
