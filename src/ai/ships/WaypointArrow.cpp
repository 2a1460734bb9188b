#include "ai/ships/WaypointArrow.h"

#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/Transform.h"

#include <cmath>
#include <glm/geometric.hpp>

namespace WaypointArrow
{
void PointAt(GameObject& arrow, glm::vec2 target)
{
  const Handle<GameObject> ship = Registry::FirstOf(RegistryType::OW_CORVA);
  Transform* transform = arrow.GetTransform();
  if (!ship || ship->GetTransform() == nullptr || transform == nullptr)
    return;
  const glm::vec2 from = ship->GetTransform()->GetWorldPosition();
  const glm::vec2 toTarget = target - from;
  const float length = glm::length(toTarget);
  if (!(length > 1e-4f))
    return;
  transform->SetWorldRotation(
      static_cast<float>(std::atan2(static_cast<double>(toTarget.y), static_cast<double>(toTarget.x))));
  const glm::vec2 at = from + toTarget / length * Distance;
  transform->SetWorldPosition(at.x, at.y);
}
}  // namespace WaypointArrow
