#pragma once
// The ammunition an object carries: a reserve per ammunition type, each with its cap, its price
// in pickup points per unit, and whether guns of that type never run dry. Guns reload from it;
// ammunition pickups fill it.
#include "gameplay/weapons/AmmoType.h"
#include "object/Component.h"

#include <array>
#include <vector>

class Ammo : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Ammo;
  static constexpr std::size_t TypeCount = static_cast<std::size_t>(AmmoType::NUM_OF_TYPES);
  // Amounts within this of zero count as none.
  static constexpr float Epsilon = 0.001f;

  struct Record
  {
    float ammo = 0.0f;        // units held
    float maxAmmo = 200.0f;   // the cap
    float conversion = 1.0f;  // pickup points per unit
    AmmoType type = AmmoType::BULLET;
    bool infinite = false;
  };

  Ammo();
  Ammo& operator=(const Ammo& other) = default;

  // Refuses caps, counts and prices that are negative or not numbers, and prices of 0: each is
  // reported and set back to its default.
  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  float GetAmmo(AmmoType type) const { return At(type).ammo; }
  float GetMaxAmmo(AmmoType type) const { return At(type).maxAmmo; }
  // Lowered to the cap when above it; no lower bound.
  void SetAmmo(AmmoType type, float value);
  bool IsInfinite(AmmoType type) const { return At(type).infinite; }
  void SetInfinite(AmmoType type, bool infinite) { At(type).infinite = infinite; }
  void SetConversion(AmmoType type, float conversion) { At(type).conversion = conversion; }

  // Shares the points out over the listed types, pass by pass: each pass splits what is left
  // evenly over the types still listed (a type listed twice takes two shares), and a type that
  // fills up leaves the list and hands its overflow to the next pass. Returns the points that
  // found no room. Always ends: a pass that places nothing is the last.
  float AddAmmo(std::vector<AmmoType> types, float points);

private:
  Record& At(AmmoType type) { return records[Index(type)]; }
  const Record& At(AmmoType type) const { return records[Index(type)]; }
  static std::size_t Index(AmmoType type);

  std::array<Record, TypeCount> records;
};
