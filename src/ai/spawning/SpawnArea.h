#pragma once
// Fills an encounter when it starts. On SpawnEnemies to its space it makes one to "maxSpawn"
// enemies at random points of a square "radius" wide around itself, each of a level drawn from
// the attacked faction's anger plus "difficultyModifer" (the key is spelled so) and a random part
// up to "difficultyModifer": levels 0-1 are ducks, 2-3 bugs, 4 and up bears, each of the two kinds
// of its level by a coin. About one time in five a drone carrier joins them at the area's centre.
// In a space with a ship, each lands on its deck, clear of its walls (PlaceOnShipFloor).
#include "object/Component.h"

#include <cstdint>

class SpawnEnemies;

class SpawnArea : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_SpawnArea;
  static constexpr const char* CarrierPrefab = "DroneCarrier";
  // More than this at once is a mistake in the data, not a fight.
  static constexpr std::uint32_t MostAtOnce = 64;

  SpawnArea() : Component(TypeId) {}
  SpawnArea& operator=(const SpawnArea& other) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(SpawnEnemies* event);

  // The prefab of an enemy of that level, by the coin (0 or 1).
  static const char* PrefabOfLevel(std::uint32_t level, int coin);

private:
  float radius = 0.0f;
  std::uint32_t maxSpawn = 0;
  std::uint32_t difficultyModifer = 0;
};
