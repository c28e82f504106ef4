// Fitting, describing and laying out scenes.
#include "scenes/dot_scene.h"

#include "core/dot_font.h"

#include <algorithm>

namespace quillon {
namespace {

// Cells a line needs: its normalised length without the spaces at its end.
int neededCells(const std::string& line)
{
    const std::u32string normalized = DotFont::normalize(line);
    const std::size_t end = normalized.find_last_not_of(U' ');
    return end == std::u32string::npos ? 0 : static_cast<int>(std::min<std::size_t>(end + 1, 1 << 30));
}

} // namespace

int cells(const DotBlock& block)
{
    return std::visit([](const auto& payload) { return payload.cells; }, block);
}

double weight(const DotBlock& block)
{
    return std::visit([](const auto& payload) { return payload.weight; }, block);
}

DotAlignment alignment(const DotBlock& block)
{
    return std::visit([](const auto& payload) { return payload.align; }, block);
}

DotScene fitted(const DotScene& scene)
{
    DotScene result = scene;
    for (DotBlock& block : result.blocks) {
        if (auto* text = std::get_if<TextBlock>(&block)) {
            for (const std::string& line : text->lines)
                text->cells = std::max(text->cells, neededCells(line));
        }
    }
    return result;
}

std::string accessibilityText(const std::vector<DotBlock>& blocks)
{
    std::string result;
    bool first = true;
    for (const DotBlock& block : blocks) {
        const auto* text = std::get_if<TextBlock>(&block);
        if (!text)
            continue;
        if (!first)
            result += ". ";
        first = false;
        for (std::size_t index = 0; index < text->lines.size(); ++index) {
            if (index > 0)
                result += ", ";
            result += text->lines[index];
        }
    }
    return result;
}

std::vector<DotRect> blockFrames(const DotScene& scene, DotRect bounds)
{
    const double innerWidth = std::max(bounds.width - 2 * scene.padding, 0.0);
    const double innerHeight = std::max(bounds.height - 2 * scene.padding, 0.0);
    const std::size_t count = scene.blocks.size();
    const double totalSpacing = count > 0 ? scene.spacing * static_cast<double>(count - 1) : 0.0;
    double totalWeight = 0;
    for (const DotBlock& block : scene.blocks)
        totalWeight += weight(block);
    // An all-zero scene must not divide by zero.
    const double divisor = std::max(totalWeight, 0.01);

    std::vector<DotRect> frames;
    frames.reserve(count);
    double stackHeight = 0;
    for (const DotBlock& block : scene.blocks) {
        const double height = std::max((innerHeight - totalSpacing) * weight(block) / divisor, 0.0);
        frames.push_back({0, 0, innerWidth, height});
        stackHeight += height;
    }
    stackHeight += totalSpacing;

    // The stack is centred in the inset area; it overflows evenly when the spacing alone is too tall.
    double y = bounds.y + scene.padding + (innerHeight - stackHeight) / 2;
    const double x = bounds.x + (bounds.width - innerWidth) / 2;
    for (DotRect& frame : frames) {
        frame.x = x;
        frame.y = y;
        y += frame.height + scene.spacing;
    }
    return frames;
}

} // namespace quillon
