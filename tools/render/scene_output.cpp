// JSON and text forms of scenes.
#include "tools/render/scene_output.h"

#include "core/dot_grid.h"
#include "scenes/scene_geometry.h"

namespace quillon {
namespace {

const char* alignName(DotAlignment align)
{
    switch (align.horizontal) {
    case HorizontalAlignment::leading:
        return "leading";
    case HorizontalAlignment::center:
        return "center";
    case HorizontalAlignment::trailing:
        return "trailing";
    }
    return "center";
}

nlohmann::json blockJson(const DotBlock& block)
{
    if (const auto* text = std::get_if<TextBlock>(&block)) {
        return {{"type", "text"}, {"lines", text->lines}, {"cells", text->cells}, {"weight", text->weight},
            {"align", alignName(text->align)}};
    }
    const auto& bar = std::get<BarBlock>(block);
    return {{"type", "bar"}, {"fraction", bar.fraction}, {"cells", bar.cells}, {"weight", bar.weight},
        {"align", alignName(bar.align)}};
}

void appendDots(const DotGrid& grid, std::string& out)
{
    for (int row = 0; row < grid.rows; ++row) {
        std::string line;
        for (int column = 0; column < grid.columns; ++column) {
            const Dot dot = grid.at(column, row);
            line += dot == Dot::on ? '#' : dot == Dot::off ? '.' : ' ';
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
}

} // namespace

nlohmann::json sceneJson(const DotScene& scene)
{
    nlohmann::json blocks = nlohmann::json::array();
    for (const DotBlock& block : scene.blocks)
        blocks.push_back(blockJson(block));
    return {{"spacing", scene.spacing}, {"padding", scene.padding}, {"blocks", std::move(blocks)}};
}

std::string sceneDots(const DotScene& scene)
{
    std::string out;
    const DotScene fit = fitted(scene);
    for (std::size_t index = 0; index < fit.blocks.size(); ++index) {
        if (index > 0)
            out += "\n";
        if (const auto* text = std::get_if<TextBlock>(&fit.blocks[index]))
            appendDots(DotGrid::text(text->lines, text->cells, kSceneLineGap), out);
        else
            appendDots(DotGrid::bar(std::get<BarBlock>(fit.blocks[index]).fraction,
                           std::max(cells(fit.blocks[index]) * 6 - 1, 1), kBarRows),
                out);
    }
    return out;
}

} // namespace quillon
