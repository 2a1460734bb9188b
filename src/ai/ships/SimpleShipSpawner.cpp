#include "ai/ships/SimpleShipSpawner.h"

#include "ai/spawning/Countdown.h"
#include "core/Send.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/ObjectEvents.h"
#include "object/Spawning.h"
#include "object/Transform.h"

void SimpleShipSpawner::OnAwake()
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  SubscribeOnSpace<UpdateEvent>(this);
  if (EventManager* events = EventManager::Instance(); events != nullptr && GameobjectFactory::Instance() != nullptr)
    events->Subscribe<GameobjectFactory, MakeGameObjectEvent>(GameobjectFactory::Instance(), object->GetId());
}

void SimpleShipSpawner::On(UpdateEvent* event)
{
  GameObject* object = GetGameObject();
  if (object == nullptr || object->GetTransform() == nullptr)
    return;
  KeepCountdownFinite(timer, 0.0f, *this, "the launch timer");
  if (timer < 0.0f)
  {
    timer = Interval;
    // The factory would make a bare object of a name it does not know, every ten seconds.
    if (CanSpawn(prefab))
    {
      const glm::vec2 at = object->GetTransform()->GetWorldPosition();
      Queue<MakeGameObjectEvent>(BRINDLE_SITE, object->GetId(), object->GetSpace(), prefab.c_str(), at.x, at.y, 0.0f,
                                 0.0f);
    }
  }
  timer -= event->dt;
}
