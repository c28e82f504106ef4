// quillon-render: one display drawn headless, as a PNG, its scene as JSON, or its dots as text.
#include "platform/command_line/echoed_value.h"
#include "platform/info/build_info.h"
#include "tools/render/output_file.h"
#include "tools/render/render_options.h"
#include "tools/render/scene_output.h"

#include "render/board_style.h"
#include "render/dot_painter.h"
#include "scenes/city.h"
#include "scenes/display_content.h"
#include "state/shared_store.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string_view>
#include <unistd.h>

namespace {

using namespace quillon;

int usageError(const std::string& message)
{
    std::cerr << "quillon-render: " << message << "\n";
    return 2;
}

// The stored record, as a widget that follows the studio reads it, unless told to ignore it.
StudioState settings(const RenderOptions& options, Instant at, const Calendar& calendar)
{
    if (options.ignoreStoredSettings)
        return StudioState::makeDefault(at, calendar);
    return SharedStore::shared().load(at, calendar);
}

DisplayContent content(const RenderOptions& options, const StudioState& state)
{
    DisplayContent content = state.content();
    if (options.cities)
        content.boardCityIDs = *options.cities;
    if (options.clockCity)
        content.clockCityID = *options.clockCity;
    if (options.use24h)
        content.use24h = *options.use24h;
    if (options.period)
        content.period = *options.period;
    if (options.title)
        content.countdownTitle = *options.title;
    if (options.target)
        content.countdownDate = *options.target;
    if (options.message)
        content.signText = *options.message;
    return content;
}

// The display at its widget size: the theme's panel edge to edge, the scene over it, with or without
// the glow. Empty when the picture could not be made, which must not be written over a good file.
QByteArray png(const DotScene& scene, DotSize size, const DotTheme& theme, double scale, bool glow)
{
    const DotSizeF points = widgetPointSize(size);
    const QSizeF pointSize(points.width, points.height);
    QImage image((pointSize * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.setDevicePixelRatio(scale);
    image.fill(toQColor(theme.background));
    {
        QPainter painter(&image);
        paintScene(painter, scene, theme, glow, QRectF(QPointF(0, 0), pointSize));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

// An error names the whole output path, unless it is longer than any a user would type: which file was
// not written is worth more of the line than any other value.
constexpr std::size_t kMaxEchoedPathCharacters = 256;

// Standard output when `path` is empty; otherwise the file is replaced whole or left as it was.
bool write(const std::string& path, std::string_view bytes)
{
    if (path.empty()) {
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        std::cout.flush();
        if (!std::cout) {
            std::cerr << "quillon-render: cannot write to standard output\n";
            return false;
        }
        return true;
    }
    if (const auto failure = replaceFileContents(path, bytes)) {
        std::cerr << "quillon-render: cannot write '" << echoedValue(path, kMaxEchoedPathCharacters)
                  << "': " << *failure << "; nothing there was changed\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const auto parsed = parseRenderOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* error = std::get_if<UsageError>(&parsed))
        return usageError(error->message);
    if (std::holds_alternative<HelpRequest>(parsed)) {
        std::cout << kRenderUsage;
        return 0;
    }
    if (std::holds_alternative<VersionRequest>(parsed)) {
        std::cout << versionLine("quillon-render", thisBuild()) << "\n";
        return 0;
    }
    if (std::holds_alternative<CityListRequest>(parsed)) {
        for (const City& city : City::search(""))
            std::cout << city.id << '\t' << city.name << '\t' << city.country << '\t' << city.timeZoneID
                      << '\n';
        return 0;
    }
    const auto& options = std::get<RenderOptions>(parsed);
    if (options.format == RenderFormat::png && options.output.empty() && isatty(STDOUT_FILENO))
        return usageError("not writing a PNG to a terminal: give -o FILE, or --format text");

    const Instant at = options.at.value_or(Instant::now());
    const Calendar calendar = Calendar::current();
    const StudioState state = settings(options, at, calendar);
    const DotSize size = options.size.value_or(sizeForKind(state, options.kind));
    const ThemeID themeID = options.theme.value_or(state.theme);
    const DotTheme& theme = themeTable()[themeID];
    const DotScene scene = sceneForKind(options.kind, size, content(options, state), at, calendar);

    std::string text;
    QByteArray bytes;
    switch (options.format) {
    case RenderFormat::json:
        text = nlohmann::json {{"kind", rawValue(options.kind)}, {"size", rawValue(size)},
                   {"theme", rawValue(themeID)}, {"at", at.secondsSinceReferenceDate},
                   {"accessibilityText", accessibilityText(scene.blocks)}, {"scene", sceneJson(scene)}}
                   .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
            + "\n";
        break;
    case RenderFormat::text:
        text = sceneDots(scene);
        break;
    case RenderFormat::png:
        bytes = png(scene, size, theme, options.scale,
            options.glow.value_or(drawsGlow(BoardSurface::studioCard, theme)));
        if (bytes.isEmpty()) {
            std::cerr << "quillon-render: cannot make the PNG picture\n";
            return 1;
        }
        break;
    }
    const std::string_view output = options.format == RenderFormat::png
        ? std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))
        : std::string_view(text);
    return write(options.output, output) ? 0 : 1;
}
