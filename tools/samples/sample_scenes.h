// A few representative displays, built by hand, for looking at the drawing.
#pragma once

#include "scenes/dot_scene.h"

#include <string>
#include <vector>

namespace quillon {

struct SampleScene {
    std::string name;
    double width = 0; // points
    double height = 0;
    DotScene scene;
};

std::vector<SampleScene> sampleScenes();

} // namespace quillon
