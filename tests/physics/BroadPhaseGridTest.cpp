#include "physics/BroadPhaseGrid.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

TEST(BroadPhaseGridTest, LevelsCellsAndBuckets)
{
  EXPECT_EQ(BroadPhaseGrid::LevelForRadius(150.0f), 0u);
  EXPECT_EQ(BroadPhaseGrid::LevelForRadius(150.1f), 1u);
  EXPECT_EQ(BroadPhaseGrid::LevelForRadius(6000.0f), 6u);
  EXPECT_EQ(BroadPhaseGrid::LevelForRadius(NAN), 0u);
  EXPECT_EQ(BroadPhaseGrid::CellCoordinate(-1.0f, 150.0f), -1);
  EXPECT_EQ(BroadPhaseGrid::CellCoordinate(149.9f, 150.0f), 0);
  EXPECT_EQ(BroadPhaseGrid::CellCoordinate(NAN, 150.0f), 0);
  EXPECT_LT(BroadPhaseGrid::CellCoordinate(-1e30f, 150.0f), -1000000);

  // The bucket hash, worked by hand for cell (1, 0) at level 0.
  std::uint32_t hash = 0;
  for (std::uint32_t value : {1u, 0u, 0u})
    hash ^= value + 0x9e3779b9u + (hash << 6) + (hash >> 2);
  EXPECT_EQ(BroadPhaseGrid::CellHash(1, 0, 0), hash);
  BroadPhaseGrid grid;
  EXPECT_EQ(grid.BucketOf(1, 0, 0), hash & 1023u);

  GridRecord record;
  grid.Insert(record, {-1.0f, 10.0f}, 20.0f);
  EXPECT_EQ(record.cellX, -1);
  EXPECT_EQ(record.cellY, 0);
  EXPECT_EQ(grid.OccupiedLevels(), 1u);
  grid.Insert(record, {-1.0f, 10.0f}, 400.0f);  // grows: refiled at level 2
  EXPECT_EQ(record.level, 2u);
  EXPECT_EQ(grid.OccupiedLevels(), 4u);
  EXPECT_EQ(grid.RecordCount(), 1u);
  grid.Remove(record);
  grid.Remove(record);
  EXPECT_EQ(grid.OccupiedLevels(), 0u);
  EXPECT_EQ(grid.RecordCount(), 0u);
}

TEST(BroadPhaseGridTest, ZeroLengthRayMeetsNothing)
{
  BroadPhaseGrid grid;
  GridRecord record;
  grid.Insert(record, {0, 0}, 50);
  std::vector<RayHit> hits;
  int tests = 0;
  EXPECT_FALSE(grid.CastRay({0, 0}, {0, 0}, true, [&](GridRecord&, RayHit&) { return ++tests, true; }, hits));
  EXPECT_TRUE(hits.empty());
  EXPECT_EQ(tests, 0);
}
