#pragma once
// The overworld's arrows: each stands a fixed distance out from the player's ship on the line to
// what it points at (a faction's station, the boss's ship), turned along that line.
#include <glm/vec2.hpp>
#include <optional>

class GameObject;

namespace WaypointArrow
{
// How far out from the player's ship the arrows stand.
inline constexpr float Distance = 1000.0f;

// Where the player's overworld ship is; nothing without one.
std::optional<glm::vec2> ShipPosition();

// Puts the arrow out from the player's overworld ship toward `target`. Without a player's ship,
// or with the ship on top of the target (no direction to point in), the arrow stays as it was.
void PointAt(GameObject& arrow, glm::vec2 target);
}  // namespace WaypointArrow
