#include "render/Light.h"

#include "core/EventManager.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/CircleCollider.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsModule.h"
#include "platform/Assert.h"
#include "render/Graphics.h"

#include <cmath>

Light::Light() : Component(TypeId) {}

void Light::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "radius", &radius, RenderFloat, 0.0f);
  Members::AddMember(members, "color", &color, RenderColor, fColor());
}

void Light::OnAwake()
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  transform = object->GetTransform();
  // A prefab without a Transform is bad data: said loudly, and the light stays dark.
  BRINDLE_CHECK(transform != nullptr, "YOU DON'T HAVE YOUR TRANSFORM, LIGHT COMPONENT!");
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnSpace<DrawEvent>(this);
  // A collider sizes the light, whatever radius the file gives.
  if (auto* collider = dynamic_cast<CircleCollider*>(object->GetComponent("CircleCollider")))
    radius = collider->GetBoundingRadius();
}

void Light::On(UpdateEvent*) {}

void Light::ComputePolygon(PhysicsModule* physics)
{
  vertices.clear();
  centre = transform->GetWorldPosition();
  vertices.push_back(centre);
  constexpr auto lightGroup = static_cast<std::uint32_t>(CollisionGroup::LIGHT);
  for (int i = 1; i <= RayCount; ++i)
  {
    const float angle = (static_cast<float>(i) * 3.14159265f) / 25.0f;
    const glm::vec2 direction(std::cos(angle), std::sin(angle));
    RayCastResult result;
    if (physics != nullptr && physics->RayCast(centre, direction, radius, lightGroup, false, result, false))
      vertices.push_back(result.point);
    else
      vertices.push_back(centre + radius * direction);
    result.object.Reset();
  }
  for (std::size_t i = 1; i < vertices.size(); ++i)
    vertices[i] -= centre;
  vertices[0] = glm::vec2(0.0f, 0.0f);
}

void Light::On(DrawEvent* event)
{
  GameObject* object = GetGameObject();
  Space* space = object != nullptr ? object->GetSpace() : nullptr;
  if (transform == nullptr || space == nullptr)
    return;
  ComputePolygon(PhysicsModule::Of(space));

  if (event->renderer == nullptr)
    return;
  Graphics::Graphics& renderer = *event->renderer;
  drawnSpace = space;
  if (!target.IsCurrent(renderer))
    layer = renderer.GetLayer(DrawLayer);
  if (InstanceBuffer* buffer = target.Get(renderer, layer, "LightPolygonPass", space))
    Graphics::Graphics::File(*buffer, this);
}
