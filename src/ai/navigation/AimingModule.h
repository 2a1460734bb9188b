#pragma once
// How an AI finds what to attack and whom to keep apart from. It knows its object's team (from
// TeamChangeEvent; NO_TEAM until one arrives) and reads the registry's lists afresh on every
// question: a PLAYER module targets the ENEMIES and keeps with the PLAYERS and OW_CORVA; any other
// team targets the PLAYERS and OW_CORVA and keeps with the ENEMIES. Dead entries are skipped.
//
//   AimingModule* aiming = object->GetComponent<AimingModule>();
//   Handle<GameObject> target = aiming->FindTarget();          // nearest; empty when none
//   if (aiming->CanSee(&target)) ...                            // the first thing the sight ray meets
//   separation->SetNeighbours(aiming->GetAllyKinematics());
//   *path = aiming->FindPath(position, goal);                   // a route inside a ship, or empty
// CanSee also serves as a state machine condition:
//   new ConstMemFuncCond<AimingModule, Handle<GameObject>*>(aiming, &AimingModule::CanSee, &targetObject)
#include "steering/Kinematic.h"
#include "object/Component.h"
#include "object/RegistryType.h"

#include <glm/vec2.hpp>
#include <vector>

class PathGraph;
class TeamChangeEvent;

class AimingModule : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_AimingModule;
  // The sight ray's reach.
  static constexpr float SightDistance = 1000.0f;

  AimingModule();
  ~AimingModule() override;

  void OnAwake() override;
  void On(TeamChangeEvent* event);

  std::vector<Handle<GameObject>> GetTargets() const;
  std::vector<Handle<GameObject>> GetAllies() const;
  // The kinematics of those of them that have an Agent.
  std::vector<Handle<Kinematic>> GetTargetKinematics() const;
  std::vector<Handle<Kinematic>> GetAllyKinematics() const;

  // The nearest target by Transform position; of two at the same distance, the one listed first.
  Handle<GameObject> FindTarget() const;
  // Whether the first object a ray from this object's collider toward the target's meets, within
  // SightDistance, is the target (as VISION, or PLAYER_VISION for the PLAYER team). False for a
  // null or dead target.
  bool CanSee(Handle<GameObject>* target) const;

  // The first ship (of the SHIPS list) whose map has a floor tile under this object's collider;
  // empty when it stands in none.
  Handle<GameObject> FindShip() const;
  // A route through the ship it stands in (PathGraph::FindPath, drawn in this object's space):
  // the start, the corners to pass, the goal. Empty outside a ship, in a ship without a path
  // graph, or when there is no route.
  std::vector<glm::vec2> FindPath(glm::vec2 start, glm::vec2 goal) const;
  // The path graph of the ship it stands in; null outside a ship or in one without a graph.
  PathGraph* FindPathGraph() const;

  std::uint32_t GetTeam() const { return team; }

private:
  // The registry lists of one side, in order: targets or allies.
  std::vector<RegistryType> SideLists(bool targets) const;
  static std::vector<Handle<GameObject>> Gather(const std::vector<RegistryType>& lists);
  // Straight from the registry, without copying the object handles (Separation asks every frame).
  static std::vector<Handle<Kinematic>> GatherKinematics(const std::vector<RegistryType>& lists);
  bool IsPlayerSide() const;

  std::uint32_t team = 2;  // a TeamEnum value; NO_TEAM
};
