#include "flow/camera/ProximityDolly.h"

#include "core/Send.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/CircleCollider.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"
#include "physics/RectangleCollider.h"
#include "render/CameraEvents.h"

#include <algorithm>
#include <cmath>

void ProximityDolly::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnOwner<CollisionEvent>(this);
  GameObject* owner = GetGameObject();
  if (owner == nullptr)
    return;
  Collider* collider = dynamic_cast<Collider*>(owner->GetComponent("Collider"));
  if (collider == nullptr)
    collider = owner->GetComponent<RectangleCollider>();
  if (collider == nullptr)
    collider = owner->GetComponent<CircleCollider>();
  reach = (collider != nullptr ? collider->GetBoundingRadius() : 0.0f) + 500.0f;
}

void ProximityDolly::On(CollisionEvent* event)
{
  GameObject* owner = GetGameObject();
  if (owner == nullptr || !event->other || event->otherGroup != static_cast<std::uint32_t>(CollisionGroup::SHIP))
    return;
  if (owner->GetParent() == event->other)
    return;
  const glm::vec2 gap = owner->GetTransform()->GetWorldPosition() - event->other->GetTransform()->GetWorldPosition();
  distances.push_back(static_cast<float>(std::sqrt(static_cast<double>(gap.x) * gap.x + static_cast<double>(gap.y) * gap.y)));
}

void ProximityDolly::On(UpdateEvent*)
{
  Space* space = GetSpace();
  if (space == nullptr)
    return;
  if (!distances.empty())
  {
    lastSmallest = *std::min_element(distances.begin(), distances.end());
    Queue<SetZoom>(BRINDLE_SITE, space->GetId(), (lastSmallest / reach) * (FarZoom - NearZoom) + NearZoom, 0.6f);
  }
  else
    Queue<SetZoom>(BRINDLE_SITE, space->GetId(), FarZoom, 0.3f);
  distances.clear();
}
