#include "ai/spawning/EnemyReinforcementSpawner.h"

#include "ai/spawning/Countdown.h"
#include "core/Log.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/ship/ShipFloor.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/SpaceLookup.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "platform/Random.h"

void EnemyReinforcementSpawner::OnAwake()
{
  Space* hud = ShowHudSpace();
  if (EventManager* events = EventManager::Instance(); events != nullptr && hud != nullptr)
    events->Subscribe<EnemyReinforcementSpawner, TimerExpired>(this, hud->GetId());
}

void EnemyReinforcementSpawner::On(TimerExpired*)
{
  // The event bus drops the same subscription made again.
  SubscribeOnSpace<UpdateEvent>(this);
}

void EnemyReinforcementSpawner::On(UpdateEvent* event)
{
  GameObject* object = GetGameObject();
  if (object == nullptr || object->GetTransform() == nullptr)
    return;
  KeepCountdownFinite(spawnTimer, spawnInterval, *this, "the wave timer");
  spawnTimer -= event->dt;
  if (!(spawnTimer < 0.0f))
    return;
  const glm::vec2 centre = object->GetTransform()->GetWorldPosition();
  for (int arrival = 0; arrival < WaveSize; ++arrival)
  {
    const float x = RandomUnit() * Spread - Spread * 0.5f;
    const float y = RandomUnit() * Spread - Spread * 0.5f;
    SpawnAt(spawnPrefab, object->GetSpace(), PlaceOnShipFloor(object->GetSpace(), centre + glm::vec2(x, y)));
  }
  spawnTimer = spawnInterval;
  LogLine("Reinforcements: a wave teleports in");
}
