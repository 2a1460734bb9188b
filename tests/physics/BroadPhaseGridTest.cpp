#include "physics/BroadPhaseGrid.h"

#include "physics/ShapeTests.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace
{
struct Body
{
  GridRecord record;
  glm::vec2 position{0, 0};
  bool isCircle = true;
  float radius = 0;      // circles
  glm::vec2 size{0, 0};  // rectangles
  float angle = 0;
  bool isStatic = false;
  bool hittable = true;
  bool blocking = false;

  float BoundingRadius() const { return isCircle ? radius : 0.5f * std::sqrt(size.x * size.x + size.y * size.y); }
};

// A random scene: mostly small bodies, some spanning many cells, spread over negative and
// positive coordinates.
struct Scene
{
  std::vector<std::unique_ptr<Body>> bodies;
  BroadPhaseGrid grid;

  Scene(std::mt19937& random, float extent, int fixedCount = 0)
  {
    std::uniform_real_distribution<float> coordinate(-extent, extent);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    const int count = fixedCount > 0 ? fixedCount : 5 + static_cast<int>(random() % 60);
    for (int index = 0; index < count; ++index)
    {
      auto body = std::make_unique<Body>();
      body->position = {coordinate(random), coordinate(random)};
      const float sizeRoll = unit(random);
      const float scale = sizeRoll < 0.8f ? 5.0f + 145.0f * unit(random)
                                          : (sizeRoll < 0.95f ? 150.0f + 450.0f * unit(random) : 600.0f + 3000.0f * unit(random));
      body->isCircle = unit(random) < 0.5f;
      body->radius = scale;
      body->size = {scale * (0.2f + 1.6f * unit(random)), scale * (0.2f + 1.6f * unit(random))};
      body->angle = 6.2831853f * unit(random);
      body->isStatic = unit(random) < 0.25f;
      body->hittable = unit(random) < 0.7f;
      body->blocking = unit(random) < 0.2f;
      grid.Insert(body->record, body->position, body->BoundingRadius());
      bodies.push_back(std::move(body));
    }
  }

  int IndexOf(const GridRecord* record) const
  {
    for (std::size_t index = 0; index < bodies.size(); ++index)
      if (&bodies[index]->record == record)
        return static_cast<int>(index);
    return -1;
  }
};

// The ray test the module runs per entry, on the scene's shapes.
bool TestBody(const Body& body, glm::vec2 start, glm::vec2 end, bool honourBlocking, RayHit& hit)
{
  const bool blocks = honourBlocking && body.blocking;
  if (!body.hittable && !blocks)
    return false;
  float t = 0.0f;
  glm::vec2 point;
  if (body.isCircle)
  {
    if (!SegmentCircleIntersect(start, end, body.position, body.radius, t))
      return false;
    point = start + (end - start) * t;
  }
  else if (!SegmentRectangleIntersect(start, end, body.position, body.size, body.angle, t, point))
  {
    return false;
  }
  const glm::vec2 offset = end - start;
  hit.distance = t * std::sqrt(offset.x * offset.x + offset.y * offset.y);
  hit.point = point;
  hit.blocking = blocks;
  return true;
}

using HitList = std::vector<std::pair<float, int>>;

HitList BruteForceHits(const Scene& scene, glm::vec2 start, glm::vec2 end, bool stopAtFirst)
{
  HitList hits;
  const glm::vec2 offset = end - start;
  if (!(offset.x * offset.x + offset.y * offset.y > 0.0f))
    return hits;
  float limit = INFINITY;
  for (std::size_t index = 0; index < scene.bodies.size(); ++index)
  {
    RayHit hit;
    if (!TestBody(*scene.bodies[index], start, end, !stopAtFirst, hit))
      continue;
    hits.emplace_back(hit.distance, static_cast<int>(index));
    if (stopAtFirst || hit.blocking)
      limit = std::min(limit, hit.distance);
  }
  std::sort(hits.begin(), hits.end());
  hits.erase(std::remove_if(hits.begin(), hits.end(), [&](const auto& hit) { return hit.first > limit; }), hits.end());
  return hits;
}

HitList GridHits(Scene& scene, glm::vec2 start, glm::vec2 end, bool stopAtFirst)
{
  std::vector<RayHit> found;
  scene.grid.CastRay(start, end, stopAtFirst,
                     [&](GridRecord& record, RayHit& hit) {
                       return TestBody(*scene.bodies[scene.IndexOf(&record)], start, end, !stopAtFirst, hit);
                     },
                     found);
  HitList hits;
  for (const RayHit& hit : found)
    hits.emplace_back(hit.distance, scene.IndexOf(hit.record));
  // Equal distances may come in any order; the ids settle it for the comparison.
  std::sort(hits.begin(), hits.end());
  return hits;
}
}  // namespace

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

// The physics step's protocol: each moving body queries, then leaves the grid, so every pair of
// moving bodies and every static/moving pair comes up exactly once.
TEST(BroadPhaseGridTest, PairsMatchBruteForceOverRandomScenes)
{
  std::mt19937 random(12345);
  for (int sceneIndex = 0; sceneIndex < 3002; ++sceneIndex)
  {
    // The last two scenes hold thousands of records, so the buckets grow while they fill.
    const bool crowded = sceneIndex >= 3000;
    Scene scene(random, crowded ? 20000.0f : (sceneIndex % 3 == 0 ? 400.0f : 2000.0f), crowded ? 3000 : 0);
    if (crowded)
    {
      EXPECT_GT(scene.grid.BucketCount(), 3000u * 2u - 1u);
    }
    std::multiset<std::pair<int, int>> found;
    std::vector<GridRecord*> neighbours;
    for (std::size_t index = 0; index < scene.bodies.size(); ++index)
    {
      Body& body = *scene.bodies[index];
      if (body.isStatic)
        continue;
      scene.grid.Query(body.record, neighbours);
      for (GridRecord* other : neighbours)
      {
        const int otherIndex = scene.IndexOf(other);
        found.insert({std::min<int>(index, otherIndex), std::max<int>(index, otherIndex)});
      }
      scene.grid.Remove(body.record);
    }

    std::multiset<std::pair<int, int>> expected;
    for (std::size_t a = 0; a < scene.bodies.size(); ++a)
      for (std::size_t b = a + 1; b < scene.bodies.size(); ++b)
      {
        const Body& first = *scene.bodies[a];
        const Body& second = *scene.bodies[b];
        if (first.isStatic && second.isStatic)
          continue;
        const glm::vec2 offset = first.position - second.position;
        const float reach = first.BoundingRadius() + second.BoundingRadius();
        if (offset.x * offset.x + offset.y * offset.y <= reach * reach)
          expected.insert({static_cast<int>(a), static_cast<int>(b)});
      }
    ASSERT_EQ(found, expected) << "scene " << sceneIndex;
  }
}

TEST(BroadPhaseGridTest, RaysMatchBruteForceOverRandomScenes)
{
  std::mt19937 random(777);
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  for (int sceneIndex = 0; sceneIndex < 2001; ++sceneIndex)
  {
    const bool crowded = sceneIndex == 2000;
    const float extent = crowded ? 12000.0f : (sceneIndex % 4 == 0 ? 500.0f : 2500.0f);
    Scene scene(random, extent, crowded ? 3000 : 0);
    for (int rayIndex = 0; rayIndex < 12; ++rayIndex)
    {
      const glm::vec2 start{(2 * unit(random) - 1) * extent * 1.2f, (2 * unit(random) - 1) * extent * 1.2f};
      const float angle = 6.2831853f * unit(random);
      float length = 3000.0f * unit(random);
      if (rayIndex == 0)
        length = 0.0f;
      else if (rayIndex == 1)
        length = 50000.0f;  // longer than any walk: every record is tested
      glm::vec2 direction{std::cos(angle), std::sin(angle)};
      if (rayIndex == 2)
        direction = {0.0f, -1.0f};  // along a cell column
      const glm::vec2 end = start + direction * length;
      for (bool stopAtFirst : {true, false})
      {
        const HitList expected = BruteForceHits(scene, start, end, stopAtFirst);
        const HitList found = GridHits(scene, start, end, stopAtFirst);
        if (stopAtFirst)
        {
          // The nearest hit; of several at the same distance, any.
          ASSERT_EQ(found.size(), expected.empty() ? 0u : 1u) << "scene " << sceneIndex << " ray " << rayIndex;
          if (!found.empty())
          {
            ASSERT_EQ(found[0].first, expected[0].first) << "scene " << sceneIndex << " ray " << rayIndex;
          }
        }
        else
        {
          ASSERT_EQ(found, expected) << "scene " << sceneIndex << " ray " << rayIndex;
        }
      }
    }
  }
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
