#include "physics/CollisionResponseTable.h"

#include <gtest/gtest.h>

namespace
{
std::uint32_t Response(const CollisionResponseTable& table, CollisionGroup a, CollisionGroup b)
{
  return table.Get(a, b);
}
}  // namespace

TEST(CollisionResponseTableTest, SymmetricWithTheListedPairCounts)
{
  const CollisionResponseTable table;
  int pushPairs = 0;
  int triggerPairs = 0;
  for (std::uint32_t a = 0; a < CollisionResponseTable::GroupCount; ++a)
  {
    for (std::uint32_t b = a; b < CollisionResponseTable::GroupCount; ++b)
    {
      ASSERT_EQ(table.Get(a, b), table.Get(b, a)) << a << ", " << b;
      pushPairs += table.Get(a, b) == PushResponse;
      triggerPairs += table.Get(a, b) == TriggerResponse;
    }
  }
  EXPECT_EQ(pushPairs, 54);
  EXPECT_EQ(triggerPairs, 60);
}

TEST(CollisionResponseTableTest, SampleRowsAndSilentGroups)
{
  using G = CollisionGroup;
  const CollisionResponseTable table;
  EXPECT_EQ(Response(table, G::PLAYER, G::ITEMS), TriggerResponse);
  EXPECT_EQ(Response(table, G::PLAYER, G::WALL), PushResponse);
  EXPECT_EQ(Response(table, G::ENEMY, G::ENEMY), PushResponse);
  EXPECT_EQ(Response(table, G::PLAYER, G::PLAYER), NoResponse);
  EXPECT_EQ(Response(table, G::PLAYER_NOCLIP, G::WALL), NoResponse);
  EXPECT_EQ(Response(table, G::PLAYER_NOCLIP, G::WORLD_BOUNDARY), PushResponse);

  for (std::uint32_t other = 0; other <= CollisionResponseTable::GroupCount; ++other)
  {
    EXPECT_EQ(table.Get(static_cast<std::uint32_t>(G::NO_COLLISIONS), other), NoResponse);
    EXPECT_EQ(table.Get(static_cast<std::uint32_t>(G::GUI), other), NoResponse);
    EXPECT_EQ(table.Get(static_cast<std::uint32_t>(G::INVALID_GROUP), other), NoResponse);
  }
  EXPECT_EQ(table.Get(1000u, 0u), NoResponse);

  // What a PROJECTILE ray may hit.
  std::vector<G> hits;
  for (std::uint32_t other = 0; other < CollisionResponseTable::GroupCount; ++other)
    if (table.Get(static_cast<std::uint32_t>(G::PROJECTILE), other) != NoResponse)
      hits.push_back(static_cast<G>(other));
  EXPECT_EQ(hits, (std::vector<G>{G::ENEMY, G::SHIP, G::WALL, G::PROPS, G::DOORS, G::PLAYER_NOCLIP}));
}
