#include "ai/ships/FactionController.h"

#include "ai/ships/EnemyShipController.h"
#include "ai/ships/FactionProperty.h"
#include "ai/ships/WaypointArrow.h"
#include "ai/spawning/Countdown.h"
#include "core/Log.h"
#include "gameplay/LevelEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/ObjectEvents.h"
#include "object/Registry.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "platform/Random.h"
#include "render/Sprite.h"

#include <algorithm>

namespace
{
// The list's first entries are where ships may fly.
constexpr std::size_t Destinations = 3;
}  // namespace

void FactionController::OnAwake()
{
  GameObject* base = GetGameObject();
  if (base == nullptr || base->GetTransform() == nullptr)
    return;
  SubscribeOnSpace<UpdateEvent>(this);
  if (EventManager* events = EventManager::Instance(); events != nullptr && GameobjectFactory::Instance() != nullptr)
    events->Subscribe<GameobjectFactory, MakeGameObjectEvent>(GameobjectFactory::Instance(), base->GetId());
  const glm::vec2 position = base->GetTransform()->GetWorldPosition();
  if (Registry* registry = Registry::Instance())
    registry->GetDataBoard().GetEntries().push_back(NamedPosition{base->GetName(), position});
  waypoint = SpawnAt(WaypointPrefab, base->GetSpace(), position, "");
  // The base's Sprite may wake after this, so it is looked up by type.
  if (Sprite* arrow = waypoint ? waypoint->GetComponent<Sprite>() : nullptr)
    if (const Sprite* own = base->GetComponent<Sprite>())
      arrow->SetColor(own->GetColor());
}

void FactionController::On(ShipAttackedEvent*)
{
  attacked = true;
}

void FactionController::On(UpdateEvent* event)
{
  if (GetGameObject() == nullptr)
    return;
  PointWaypoint();
  CountAttack();
  KeepCountdownFinite(spawnTimer, FirstLaunch, *this, "the launch timer");
  if (spawnTimer < 0.0f)
  {
    spawnTimer = RandomUnit() * 5.0f + 6.0f;
    SpawnShip();
  }
  spawnTimer -= event->dt;
}

void FactionController::PointWaypoint()
{
  if (GameObject* arrow = waypoint.Get())
    WaypointArrow::PointAt(*arrow, GetGameObject()->GetTransform()->GetWorldPosition());
}

void FactionController::CountAttack()
{
  if (!attacked)
    return;
  attacked = false;
  ++attackCount;
  if (attackCount >= 2)
    SpawnHardShip();
  // The second and the fourth attack count double: the anger runs 1, 3, 5, 6, 7, ...
  if (attackCount == 2 || attackCount == 4)
    ++attackCount;
}

void FactionController::SpawnShip()
{
  const std::string& prefab = RandomUnit() * 10.0f < 6.0f ? easyShip : mediumShip;
  Registry* registry = Registry::Instance();
  const std::vector<NamedPosition> none;
  const std::vector<NamedPosition>& bases = registry != nullptr ? registry->GetDataBoard().GetEntries() : none;
  // Drawn over the first three entries as always; a shorter list is drawn over what it has.
  const std::size_t choices = std::min(bases.size(), Destinations);
  const float draw = static_cast<float>(Random()) * static_cast<float>(std::max<std::size_t>(choices, 1)) /
                     static_cast<float>(RandomMaximum);
  if (choices == 0)
    return;
  const NamedPosition& destination = bases[std::min(static_cast<std::size_t>(draw), choices - 1)];
  GameObject* base = GetGameObject();
  if (destination.name == base->GetName())
  {
    if (choices == 1)
      LogOnce("FactionController alone " + base->GetName(), LogLevel::Warning, "FactionController of \"",
              base->GetName(), "\": there is no other base to send its ships to.");
    return;
  }
  const Handle<GameObject> ship = Launch(prefab);
  if (!ship)
    return;
  if (EnemyShipController* flight = ship->GetComponent<EnemyShipController>())
    flight->SetDestination(destination.position);
  if (EventManager* events = EventManager::Instance())
    events->Subscribe<FactionController, ShipAttackedEvent>(this, ship->GetId());
}

void FactionController::SpawnHardShip()
{
  Launch(hardShip);
}

Handle<GameObject> FactionController::Launch(const std::string& prefab)
{
  GameObject* base = GetGameObject();
  const Handle<GameObject> ship = SpawnAt(prefab, base->GetSpace(), base->GetTransform()->GetWorldPosition(), prefab);
  if (FactionProperty* property = ship ? ship->GetComponent<FactionProperty>() : nullptr)
    property->SetController(this);
  return ship;
}
