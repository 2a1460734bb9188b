#pragma once
// What happens between two collision groups: 0 nothing (never tested), 1 events only (a
// trigger), 2 events and a physical push. The table is symmetric and fixed once filled.
#include "physics/CollisionGroup.h"

#include <array>
#include <cstdint>

constexpr std::uint32_t NoResponse = 0;
constexpr std::uint32_t TriggerResponse = 1;
constexpr std::uint32_t PushResponse = 2;

class CollisionResponseTable
{
public:
  static constexpr std::uint32_t GroupCount = static_cast<std::uint32_t>(CollisionGroup::NUM_OF_GROUPS);

  // Fills the table (InitCollisionResponseTable).
  CollisionResponseTable();

  // The response for a pair of groups; 0 for anything outside the table.
  std::uint32_t Get(std::uint32_t first, std::uint32_t second) const
  {
    return first < GroupCount && second < GroupCount ? table[first][second] : NoResponse;
  }
  std::uint32_t Get(CollisionGroup first, CollisionGroup second) const
  {
    return Get(static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(second));
  }

private:
  void InitCollisionResponseTable();

  std::array<std::array<std::uint32_t, GroupCount>, GroupCount> table{};
};
