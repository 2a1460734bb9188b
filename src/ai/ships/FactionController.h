#pragma once
// Sits on a faction's base in the overworld. Every 6 to 11 seconds it launches one of its ships
// (six in ten easy, the rest medium) toward one of the first three bases on the DataBoard's list
// of positions (its own choice launches nothing that time); it points an arrow (the waypoint) from
// the player's overworld ship toward itself, 1000 units out; and it counts the attacks on its ships
// as the faction's anger (1, 3, 5, 6, 7, ...), launching a hard ship at every attack from the
// second on. Encounters started against its ships read the anger to choose their enemies.
//
// Each base adds its name and position to the DataBoard's list when it wakes, so the list must
// hold the bases of the overworld (three of them) by the time ships leave; with fewer it chooses
// among those it has.
#include "object/Component.h"

#include <string>

class ShipAttackedEvent;
class UpdateEvent;

class FactionController : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_FactionController;
  static constexpr const char* WaypointPrefab = "OW_waypoint";
  static constexpr float FirstLaunch = 2.0f;  // seconds after waking

  FactionController() : Component(TypeId) {}
  FactionController& operator=(const FactionController&) = default;

  void OnAwake() override;

  void On(UpdateEvent* event);
  // One of its ships was rammed: counted at the next update.
  void On(ShipAttackedEvent* event);

  // A ship toward a base drawn from the list (nothing when it draws its own).
  void SpawnShip();
  // A hard ship, from the base, with no destination.
  void SpawnHardShip();

  std::uint32_t GetAttackCount() const { return attackCount; }
  void SetAttackCount(std::uint32_t count) { attackCount = count; }
  float GetSpawnTimer() const { return spawnTimer; }
  const Handle<GameObject>& GetWaypoint() const { return waypoint; }

private:
  void PointWaypoint();
  void CountAttack();
  // The ship of that prefab at the base, marked as this faction's; empty when it cannot be made.
  Handle<GameObject> Launch(const std::string& prefab);

  bool attacked = false;
  std::uint32_t attackCount = 0;
  float spawnTimer = FirstLaunch;
  std::string easyShip = "OW_FactionOne_EasyShip";
  std::string mediumShip = "OW_FactionOne_MedShip";
  std::string hardShip = "OW_FactionOne_HardShip";
  Transient<Handle<GameObject>> waypoint;
};
