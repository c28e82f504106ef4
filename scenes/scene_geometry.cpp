// Laying a scene's blocks out as boards.
#include "scenes/scene_geometry.h"

#include <algorithm>

namespace quillon {
namespace {

int barColumns(int cells)
{
    return std::max(cells * 6 - 1, 1);
}

void addTextBoards(const TextBlock& text, DotRect frame, std::vector<PlacedBoard>& boards)
{
    const RowsLayout layout
        = rowsLayout(static_cast<int>(text.lines.size()), text.cells, kSceneLineGap, text.align, frame);
    for (std::size_t line = 0; line < layout.rows.size(); ++line) {
        const std::string* lineText = &text.lines[line];
        boards.push_back(
            {DotGrid::text(std::span(lineText, 1), text.cells, kSceneLineGap), layout.rows[line]});
    }
}

void addBarBoard(const BarBlock& bar, DotRect frame, std::vector<PlacedBoard>& boards)
{
    DotGrid grid = DotGrid::bar(bar.fraction, barColumns(bar.cells), kBarRows);
    const DotRect fit = boardBox(grid.columns, grid.rows, frame);
    const DotRect box = aligned({fit.width, fit.height}, frame, bar.align);
    boards.push_back({std::move(grid), box});
}

} // namespace

std::vector<PlacedBoard> sceneBoards(const DotScene& scene, DotRect bounds)
{
    const DotScene fit = fitted(scene);
    const std::vector<DotRect> frames = blockFrames(fit, bounds);
    std::vector<PlacedBoard> boards;
    for (std::size_t index = 0; index < fit.blocks.size(); ++index) {
        if (const auto* text = std::get_if<TextBlock>(&fit.blocks[index]))
            addTextBoards(*text, frames[index], boards);
        else
            addBarBoard(std::get<BarBlock>(fit.blocks[index]), frames[index], boards);
    }
    return boards;
}

std::vector<BoardLayers> sceneLayers(const DotScene& scene, DotRect bounds)
{
    std::vector<BoardLayers> layers;
    for (const PlacedBoard& board : sceneBoards(scene, bounds))
        layers.push_back(boardLayers(board.grid, board.box));
    return layers;
}

} // namespace quillon
