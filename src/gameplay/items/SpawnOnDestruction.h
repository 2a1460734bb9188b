#pragma once
// Drops things where its object dies, by three independent rolls in this order: ammunition
// ("ammoPrefab", chance "ammoChance"), one of the four specials (chance 0.2) and loot (chance
// 0.8: a medium piece one time in five, else a small one, 32 units above the body).
#include "object/Component.h"

#include <string>

class DiedEvent;

// One chance test: a fresh draw gives (r mod 100 + 1) / 100, which passes when at most `chance`.
bool RollChance(float chance);

class SpawnOnDestruction : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_SpawnOnDestruction;
  static constexpr float SpecialChance = 0.2f;
  static constexpr float LootChance = 0.8f;

  SpawnOnDestruction() : Component(TypeId) {}
  SpawnOnDestruction& operator=(const SpawnOnDestruction& other) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void On(DiedEvent* event);

private:
  std::string ammoPrefab = "Ammo_Pickup";
  float ammoChance = 0.3f;
};
