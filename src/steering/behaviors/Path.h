#pragma once
// A route for steering: world points in order, the first where the route was computed from. Kept
// in a pool block behind Handle<Path>; its owner copies each new route into it whole and
// FollowPath reads it.
#include <glm/vec2.hpp>
#include <vector>

using Path = std::vector<glm::vec2>;
