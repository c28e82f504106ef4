// A scene written out for scripts: as JSON, or as its dots in plain text.
#pragma once

#include "scenes/dot_scene.h"

#include <nlohmann/json.hpp>

#include <string>

namespace quillon {

// spacing, padding and blocks, each {"type":"text","lines","cells","weight","align"} or
// {"type":"bar","fraction","cells","weight","align"}, as the scene holds them (not fitted).
nlohmann::json sceneJson(const DotScene& scene);

// The fitted scene's dots block by block: "#" lit, "." unlit, a space where there is no dot, one
// empty line between blocks.
std::string sceneDots(const DotScene& scene);

} // namespace quillon
