#include "steering/behaviors/Zoning.h"

#include "object/GameObject.h"
#include "object/Transform.h"

#include <glm/geometric.hpp>

Zoning::Zoning(Space* characterSpace, Handle<Kinematic> steered)
    : WithOwnTarget(characterSpace, std::move(steered), BRINDLE_SITE)
{
}

SteeringOutput Zoning::GetSteering()
{
  const Kinematic* self = character.Get();
  const Kinematic* centre = target.Get();
  if (self == nullptr || centre == nullptr)
    return {};
  DrawCircle(centre->position, zoneRadius, fColor(0.2f, 0.8f, 0.2f, 1.0f));
  if (glm::length(centre->position - self->position) < zoneRadius)
    return {};
  DrawCircle(centre->position, zoneRadius + 15.0f, fColor(1.0f, 0.5f, 0.0f, 1.0f));
  return SeekFrom(*self, centre->position);
}

void Zoning::CentreOn(GameObject& owner)
{
  if (const Transform* transform = owner.GetTransform())
    GetTarget()->position = transform->GetWorldPosition();
  SetDebugDraw(true);
}
