#pragma once
// Drives the drone carrier: it drifts about the place it woke in until it sees an opponent, closes
// in, and once the opponent it sees is nearer than splitDistance (between the two colliders) it
// splits: it releases spawnCount_ drones (spawnPrefab_) within 64 units of itself on each axis,
// pops, and dies through its Health. The drones are objects of their own and outlive it.
//
//   state          action                 leaves for    when
//   "Wandering"    WanderUpdate (update)  "Chasing"     it sees its target
//   "Chasing"      ChaseUpdate (update)   "Wandering"   it does not (asked first)
//                                         "Splitting"   CanSplit
//   "Splitting"    Split (entry)          -
//
// Wandering blends Separation from allies (2, within 250), Wander (1), Seek toward the target (1,
// round the ship's walls), AlignToMovement (1), ObstacleAvoidance (2) and Zoning (5) around where it
// woke; chasing blends Separation from allies (4, within 100) and from opponents (1, within 600),
// Face (1) and Seek (8) the target, and ObstacleAvoidance (20). It carries no weapon.
//
// It needs an Agent, an AimingModule and a Health beside it, and a collider to measure by.
#include "ai/enemies/WanderChaseController.h"
#include "audio/Sound.h"

#include <string>

class DrawEvent;

class DroneCarrierController : public WanderChaseController
{
public:
  static constexpr std::uint32_t TypeId = COMP_DroneCarrierController;
  static constexpr float SplitDistance = 256.0f;
  // How far from the carrier, on each axis, a drone may appear.
  static constexpr float SpawnSpread = 64.0f;
  static constexpr const char* PopSoundPath = "event:/SFX/DronePop";

  using WanderChaseController::On;

  DroneCarrierController();
  ~DroneCarrierController() override;
  DroneCarrierController& operator=(const DroneCarrierController&) = default;

  void OnDestroy() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  // The split circle on the debug layer.
  void On(DrawEvent* event);

  // It sees its target and their colliders are nearer than SplitDistance.
  bool CanSplit();
  // Entering "Splitting": the drones, the carrier's death and the pop.
  void Split();

  std::uint32_t GetSpawnCount() const { return spawnCount; }
  void SetSpawnCount(std::uint32_t count) { spawnCount = count; }

protected:
  void BuildBlends() override;
  void SubscribeMore() override;
  void AddStates(State* wandering, State* chasing) override;

private:
  Transient<std::unique_ptr<BlendedSteering>> splitBlend;
  float splitDistance = SplitDistance;
  std::uint32_t spawnCount = 5;
  std::string spawnPrefab = "DroneSpawn";
  Sound popSound;
};
