#include "physics/PackedGrid.h"

#include "physics/CountingSort.h"

#include <algorithm>

namespace
{
constexpr std::uint32_t FewestBuckets = 1024;
// Spreads the levels over the buckets.
constexpr std::uint32_t LevelSpread = 0x9e3779b9u;
}  // namespace

void PackedGrid::Clear()
{
  added.clear();
  filed.clear();
  occupiedLevels = 0;
  levelRadii.fill(0.0f);
}

void PackedGrid::Add(PhysicsObject* owner, glm::vec2 position, float radius, glm::vec2 extent)
{
  Body body;
  body.position = position;
  body.radius = radius;
  body.extent = extent;
  body.level = BroadPhaseGrid::LevelForRadius(radius);
  const float size = BroadPhaseGrid::LevelCellSize(body.level);
  body.cellX = BroadPhaseGrid::CellCoordinate(position.x, size);
  body.cellY = BroadPhaseGrid::CellCoordinate(position.y, size);
  body.number = Size();
  body.owner = owner;
  occupiedLevels |= 1u << body.level;
  if (radius > levelRadii[body.level])
    levelRadii[body.level] = radius;
  added.push_back(body);
}

std::uint32_t PackedGrid::BucketOf(std::int32_t cellX, std::int32_t cellY, std::uint32_t level) const
{
  return (static_cast<std::uint32_t>(cellX) + static_cast<std::uint32_t>(cellY) * rowLength + level * LevelSpread) &
         bucketMask;
}

void PackedGrid::File()
{
  // At least twice as many buckets as bodies keeps the bodies of other cells in a bucket few.
  std::uint32_t bucketCount = FewestBuckets;
  while (bucketCount < 2 * Size() && bucketCount < BroadPhaseGrid::LargestBucketCount)
    bucketCount *= 2;
  bucketMask = bucketCount - 1;
  std::int64_t columns = 1;
  if (!added.empty())
  {
    const auto [least, most] = std::minmax_element(
        added.begin(), added.end(), [](const Body& a, const Body& b) { return a.cellX < b.cellX; });
    columns = static_cast<std::int64_t>(most->cellX) - least->cellX + 1;
  }
  // A row, and a cell's neighbours on either side, without wrapping onto one another.
  rowLength = 1;
  while (rowLength < columns + 2 && rowLength < bucketCount)
    rowLength *= 2;

  for (Body& body : added)
    body.bucket = BucketOf(body.cellX, body.cellY, body.level);
  filed.resize(added.size());
  CountingSort(
      added, bucketCount, [](const Body& body) { return body.bucket; },
      [this](std::uint32_t index, const Body& body) { filed[index] = body; }, bucketStarts, places);
}
