#include "gameplay/combat/KillOnContact.h"

#include "core/Send.h"
#include "gameplay/combat/CombatEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"
#include "render/CameraEvents.h"

void KillOnContact::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnOwner<CollisionEvent>(this);
}

void KillOnContact::On(CollisionEvent* event)
{
  GameObject* player = event->other.Get();
  Space* space = GetSpace();
  if (triggered || player == nullptr || space == nullptr ||
      static_cast<CollisionGroup>(event->otherGroup) != CollisionGroup::PLAYER)
    return;
  Queue<SetZoom>(BRINDLE_SITE, space->GetId(), 0.01f, 0.6f);
  if (EventManager* manager = EventManager::Instance())
    manager->UnsubscribeAll(player->GetId());
  triggered = true;
  const glm::vec2 where =
      player->GetTransform() != nullptr ? player->GetTransform()->GetWorldPosition() : glm::vec2(0.0f, 0.0f);
  SpawnAt(BlastPrefab, space, where);
}

void KillOnContact::On(UpdateEvent* event)
{
  if (!triggered)
    return;
  deathDelay -= event->dt;
  if (deathDelay >= 0.0f)
    return;
  triggered = false;
  if (Space* space = GetSpace())
    SendNow<DiedEvent>(BRINDLE_SITE, space->GetId());
}
