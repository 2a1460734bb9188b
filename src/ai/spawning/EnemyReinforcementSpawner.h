#pragma once
// Brings reinforcements once the encounter's time has run out: from the first TimerExpired on the
// "HUD" space (where the encounter clock sends it), every 5 seconds it places three teleport flashes
// ("EN_TeleportSpawn", each bringing in a police bear) at random points of a 1000-unit square
// around itself, each moved onto the deck of a ship in its space (PlaceOnShipFloor).
#include "object/Component.h"

#include <string>

class TimerExpired;
class UpdateEvent;

class EnemyReinforcementSpawner : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_EnemyReinforcementSpawner;
  static constexpr float Interval = 5.0f;  // seconds between waves
  static constexpr int WaveSize = 3;
  static constexpr float Spread = 1000.0f;  // side of the square

  EnemyReinforcementSpawner() : Component(TypeId) {}
  EnemyReinforcementSpawner& operator=(const EnemyReinforcementSpawner&) = default;

  void OnAwake() override;

  // The first one starts the waves; a repeat changes nothing.
  void On(TimerExpired* event);
  void On(UpdateEvent* event);

private:
  float spawnTimer = Interval;
  float spawnInterval = Interval;
  std::string spawnPrefab = "EN_TeleportSpawn";
};
