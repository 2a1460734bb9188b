#include "gameplay/weapons/SimpleBombLogic.h"

#include "core/Send.h"
#include "gameplay/items/ItemEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Members.h"
#include "object/ObjectEvents.h"
#include "object/Removal.h"
#include "object/Transform.h"
#include "physics/Collider.h"

void SimpleBombLogic::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnOwner<UseEvent>(this);
  EventManager* manager = EventManager::Instance();
  GameobjectFactory* factory = GameobjectFactory::Instance();
  if (manager != nullptr && factory != nullptr && GetGameObject() != nullptr)
    manager->Subscribe<GameobjectFactory, MakeGameObjectEvent>(factory, GetGameObject()->GetId());
  LetSpaceDestroyOwner();
  beepSound.SetEvent(BeepSoundPath);
}

void SimpleBombLogic::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "active", &active, RenderBool, false);
  Members::AddMember(members, "timer", &timer, RenderFloat, 3.0f);
  Members::AddMember(members, "blastRadius", &blastRadius, RenderFloat, 64.0f);
}

void SimpleBombLogic::On(UseEvent*)
{
  active = true;
}

void SimpleBombLogic::On(UpdateEvent* event)
{
  GameObject* bomb = GetGameObject();
  if (!active || exploded || bomb == nullptr)
    return;
  timer -= event->dt;
  if (nextBeep > timer)
  {
    beepSound.Play();
    nextBeep = timer * 2.0f / 3.0f;
  }
  if (timer > 0.0f)
    return;
  // Once: the removal is heard in this frame's queue, but a bomb that outlives it must not blow
  // up again on every later update.
  exploded = true;
  const glm::vec2 position = bomb->GetTransform() != nullptr ? bomb->GetTransform()->GetWorldPosition() : glm::vec2(0.0f);
  Queue<MakeGameObjectEvent>(BRINDLE_SITE, bomb->GetId(), bomb->GetSpace(), BlastPrefab, position.x, position.y, 0.0f,
                             0.0f);
  if (Collider* collider = GetCollider(bomb))
    collider->SetActive(false);
  QueueRemoval(GetOwner());
}
