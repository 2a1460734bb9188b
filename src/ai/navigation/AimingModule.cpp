#include "ai/navigation/AimingModule.h"

#include "ai/navigation/PathGraph.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/combat/TeamEnum.h"
#include "gameplay/ship/ShipMap.h"
#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/Collider.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsModule.h"
#include "steering/AIDebugDraw.h"
#include "steering/Agent.h"
#include "steering/SteeringMath.h"

#include <cfloat>
#include <glm/geometric.hpp>

namespace
{
// Where the object stands for sight and for ships: its collider's position, else its Transform's.
bool ColliderPosition(GameObject& object, glm::vec2& point)
{
  if (const Collider* collider = GetCollider(&object))
  {
    point = collider->GetPosition();
    return true;
  }
  if (const Transform* transform = object.GetTransform())
  {
    point = transform->GetWorldPosition();
    return true;
  }
  return false;
}
}  // namespace

AimingModule::AimingModule() : Component(TypeId) {}

AimingModule::~AimingModule() = default;

void AimingModule::OnAwake()
{
  SubscribeOnOwner<TeamChangeEvent>(this);
}

void AimingModule::On(TeamChangeEvent* event)
{
  team = event->team;
}

bool AimingModule::IsPlayerSide() const
{
  return team == static_cast<std::uint32_t>(TeamEnum::PLAYER);
}

std::vector<RegistryType> AimingModule::SideLists(bool targets) const
{
  // The players' side is the players and their overworld ship; everyone else is the enemies'.
  if (IsPlayerSide() != targets)
    return {RegistryType::PLAYERS, RegistryType::OW_CORVA};
  return {RegistryType::ENEMIES};
}

std::vector<Handle<GameObject>> AimingModule::GetTargets() const
{
  return Gather(SideLists(true));
}

std::vector<Handle<GameObject>> AimingModule::GetAllies() const
{
  return Gather(SideLists(false));
}

std::vector<Handle<Kinematic>> AimingModule::GetTargetKinematics() const
{
  return GatherKinematics(SideLists(true));
}

std::vector<Handle<Kinematic>> AimingModule::GetAllyKinematics() const
{
  return GatherKinematics(SideLists(false));
}

std::vector<Handle<GameObject>> AimingModule::Gather(const std::vector<RegistryType>& lists)
{
  std::vector<Handle<GameObject>> gathered;
  if (Registry* registry = Registry::Instance())
    for (RegistryType list : lists)
      for (const Handle<GameObject>& object : registry->GetObjects(list))
        if (object.IsValid())
          gathered.push_back(object);
  return gathered;
}

std::vector<Handle<Kinematic>> AimingModule::GatherKinematics(const std::vector<RegistryType>& lists)
{
  std::vector<Handle<Kinematic>> kinematics;
  if (Registry* registry = Registry::Instance())
    for (RegistryType list : lists)
      for (const Handle<GameObject>& object : registry->GetObjects(list))
        if (const GameObject* member = object.Get())
          if (const Agent* agent = member->GetComponent<Agent>())
            kinematics.push_back(agent->GetKinematic());
  return kinematics;
}

Handle<GameObject> AimingModule::FindTarget() const
{
  Handle<GameObject> nearest;
  GameObject* self = GetGameObject();
  if (self == nullptr || self->GetTransform() == nullptr)
    return nearest;
  const glm::vec2 own = self->GetTransform()->GetWorldPosition();
  float bestDistance = FLT_MAX;
  for (const Handle<GameObject>& target : GetTargets())
  {
    const Transform* transform = target->GetTransform();
    if (transform == nullptr)
      continue;
    const glm::vec2 toTarget = transform->GetWorldPosition() - own;
    const float distance = glm::length(toTarget);
    DrawDebugLine(self->GetSpace(), own, Normalized(toTarget), distance, fColor(1.0f, 0.0f, 0.0f, 1.0f));
    if (distance < bestDistance)
    {
      nearest = target;
      bestDistance = distance;
    }
  }
  return nearest;
}

bool AimingModule::CanSee(Handle<GameObject>* target) const
{
  GameObject* self = GetGameObject();
  GameObject* seen = target != nullptr ? target->Get() : nullptr;
  PhysicsModule* physics = self != nullptr ? PhysicsModule::Of(self->GetSpace()) : nullptr;
  if (self == nullptr || seen == nullptr || physics == nullptr)
    return false;
  glm::vec2 from;
  glm::vec2 to;
  if (!ColliderPosition(*self, from) || !ColliderPosition(*seen, to))
    return false;
  const glm::vec2 direction = Normalized(to - from);
  if (direction == glm::vec2(0.0f, 0.0f))
    return false;
  const CollisionGroup group = IsPlayerSide() ? CollisionGroup::PLAYER_VISION : CollisionGroup::VISION;
  RayCastResult result;
  physics->RayCast(from, direction, SightDistance, static_cast<std::uint32_t>(group), true, result, true);
  return result.object.IsValid() && result.object == *target;
}

Handle<GameObject> AimingModule::FindShip() const
{
  GameObject* self = GetGameObject();
  glm::vec2 standing;
  if (self == nullptr || !ColliderPosition(*self, standing))
    return Handle<GameObject>();
  for (const Handle<GameObject>& ship : Gather({RegistryType::SHIPS}))
    if (const ShipMap* map = ship->GetComponent<ShipMap>(); map != nullptr && map->IsTileAt(standing.x, standing.y))
      return ship;
  return Handle<GameObject>();
}

std::vector<glm::vec2> AimingModule::FindPath(glm::vec2 start, glm::vec2 goal) const
{
  PathGraph* graph = FindPathGraph();
  if (graph == nullptr)
    return {};
  return graph->FindPath(start, goal, GetSpace());
}

PathGraph* AimingModule::FindPathGraph() const
{
  const Handle<GameObject> ship = FindShip();
  return ship.IsValid() ? ship->GetComponent<PathGraph>() : nullptr;
}
