#include "gameplay/ship/ShipThruster.h"

#include "input/InputActionMap.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/ObjectEvents.h"
#include "object/Removal.h"
#include "object/Space.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"
#include "render/Sprite.h"

#include <glm/geometric.hpp>

void ShipThruster::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "thrusterPrefab", &thrusterPrefab, RenderPrefabName, std::string());
  Members::AddMember(members, "threshold", &threshold, RenderFloat, 0.2f);
  Members::AddMember(members, "offset", &offset, RenderVec2, glm::vec2(0.0f, 0.0f));
  Members::AddMember(members, "scale", &scale, RenderVec2, glm::vec2(1.0f, 1.0f));
  Members::AddMember(members, "flipThruster", &flipThruster, RenderBool, false);
  Members::AddMember(members, "active", &active, RenderBool, true);
}

void ShipThruster::OnAwake()
{
  SubscribeOnOwner<CollisionEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
  GameObject* ship = GetGameObject();
  Transform* shipTransform = ship != nullptr ? ship->GetTransform() : nullptr;
  if (shipTransform != nullptr)
  {
    thrusterObject = SpawnAt(thrusterPrefab, ship->GetSpace(), shipTransform->GetWorldPosition() + offset, "thruster");
    if (GameObject* flame = thrusterObject.Get(); flame != nullptr && flame->GetTransform() != nullptr)
    {
      flame->GetTransform()->SetParent(shipTransform);
      if (Sprite* sprite = flame->GetSprite())
      {
        sprite->SetScale(scale.x, scale.y);
        sprite->SetFlipX(flipThruster);
      }
    }
  }
  propulsionSound.SetEvent(PropulsionSound);
}

void ShipThruster::OnDestroy()
{
  QueueRemoval(thrusterObject);
}

void ShipThruster::ShowFlame(bool shown)
{
  if (GameObject* flame = thrusterObject.Get(); flame != nullptr && flame->GetSprite() != nullptr)
    flame->GetSprite()->SetDraw(shown);
}

void ShipThruster::On(UpdateEvent*)
{
  if (!thrusterObject.IsValid())
    return;
  const InputActionMap* actions = InputActionMap::Instance();
  const glm::vec2 steering = actions != nullptr ? actions->GetAxis(0, AXIS_ANY_DIRECTION) : glm::vec2(0.0f);
  const float push = glm::length(steering);
  if (push >= threshold && !thrusting)
  {
    thrusting = true;
    ShowFlame(true);
    propulsionSound.Stop();
    propulsionSound.Start();
  }
  else if (push < threshold && thrusting)
  {
    ShowFlame(false);
    thrusting = false;
    // The rumble plays out its ending rather than stopping dead.
    propulsionSound.TriggerCue();
  }
}

void ShipThruster::On(CollisionEvent* event)
{
  if (event->otherGroup != static_cast<std::uint32_t>(CollisionGroup::SHIP) || !thrusting)
    return;
  ShowFlame(false);
  thrusting = false;
  propulsionSound.Stop();
}
