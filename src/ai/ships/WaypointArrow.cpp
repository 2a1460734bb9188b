#include "ai/ships/WaypointArrow.h"

#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/Transform.h"

#include <cmath>
#include <glm/geometric.hpp>

namespace WaypointArrow
{
std::optional<glm::vec2> ShipPosition()
{
  const Handle<GameObject> ship = Registry::FirstOf(RegistryType::OW_CORVA);
  if (!ship || ship->GetTransform() == nullptr)
    return std::nullopt;
  return ship->GetTransform()->GetWorldPosition();
}

void PointAt(GameObject& arrow, glm::vec2 target)
{
  const std::optional<glm::vec2> from = ShipPosition();
  Transform* transform = arrow.GetTransform();
  if (!from || transform == nullptr)
    return;
  const glm::vec2 toTarget = target - *from;
  const float length = glm::length(toTarget);
  if (!(length > 1e-4f))
    return;
  transform->SetWorldRotation(
      static_cast<float>(std::atan2(static_cast<double>(toTarget.y), static_cast<double>(toTarget.x))));
  const glm::vec2 at = *from + toTarget / length * Distance;
  transform->SetWorldPosition(at.x, at.y);
}
}  // namespace WaypointArrow
