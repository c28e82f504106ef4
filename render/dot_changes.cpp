// A merge of two sorted lists: each frame's dots are compared once, in order.
#include "render/dot_changes.h"

namespace quillon {
namespace {

// Row by row, then left to right: the order boardLayers lists dots in.
bool listedBefore(const DotRect& first, const DotRect& second)
{
    return first.y < second.y || (first.y == second.y && first.x < second.x);
}

bool inOrder(const std::vector<DotRect>& dots)
{
    for (std::size_t index = 1; index < dots.size(); ++index) {
        if (!listedBefore(dots[index - 1], dots[index]))
            return false;
    }
    return true;
}

// Appends the dots of either list that the other lacks.
void addDifference(
    const std::vector<DotRect>& first, const std::vector<DotRect>& second, std::vector<DotRect>& out)
{
    auto one = first.begin();
    auto other = second.begin();
    while (one != first.end() || other != second.end()) {
        if (other == second.end() || (one != first.end() && listedBefore(*one, *other))) {
            out.push_back(*one++);
        } else if (one == first.end() || listedBefore(*other, *one)) {
            out.push_back(*other++);
        } else {
            // Same place: a dot of another size still counts as changed.
            if (!(*one == *other)) {
                out.push_back(*one);
                out.push_back(*other);
            }
            ++one;
            ++other;
        }
    }
}

} // namespace

std::optional<std::vector<DotRect>> changedDots(const BoardLayers& before, const BoardLayers& after)
{
    for (const auto* dots : {&before.unlitDots, &before.litDots, &after.unlitDots, &after.litDots}) {
        if (!inOrder(*dots))
            return std::nullopt;
    }
    std::vector<DotRect> changes;
    addDifference(before.unlitDots, after.unlitDots, changes);
    addDifference(before.litDots, after.litDots, changes);
    return changes;
}

bool sameFrame(const BoardLayers& before, const BoardLayers& after)
{
    return before.box == after.box && before.pitch == after.pitch && before.tiles == after.tiles
        && before.seams == after.seams;
}

} // namespace quillon
