#pragma once
// Bodies' bounds packed in one array sorted by the bucket of their cell (a counting sort), for
// the physics step's pair searches. Packed records read in order cost far less than chasing the
// broad-phase grid's records, which sit inside their entries all over memory.
//
// Bodies take the cells and levels they would take in the broad-phase grid, so a search reaches
// the same neighbours. Buckets follow the rows of cells, so that neighbouring cells lie near each
// other in memory: searching for the bodies in the order they are filed, each search reads much of
// what the last one read. Bodies are numbered in the order they are added.
#include "physics/BroadPhaseGrid.h"

#include <array>
#include <cstdint>
#include <glm/vec2.hpp>
#include <vector>

struct PhysicsObject;

class PackedGrid
{
public:
  struct Body
  {
    glm::vec2 position{0.0f, 0.0f};
    float radius = 0.0f;
    glm::vec2 extent{0.0f, 0.0f};
    std::int32_t cellX = 0;
    std::int32_t cellY = 0;
    std::uint32_t level = 0;
    std::uint32_t number = 0;
    std::uint32_t bucket = 0;
    PhysicsObject* owner = nullptr;
  };

  // Forgets every body.
  void Clear();
  // Adds a body with the bounds a broad-phase record would have (position, radius, half-extents).
  void Add(PhysicsObject* owner, glm::vec2 position, float radius, glm::vec2 extent);
  // Sorts the bodies added since Clear into their buckets; searches read what was filed last.
  void File();
  std::uint32_t Size() const { return static_cast<std::uint32_t>(added.size()); }
  // A body by its number.
  const Body& At(std::uint32_t number) const { return added[number]; }
  // The bodies in the order they were filed.
  const std::vector<Body>& Filed() const { return filed; }

  // Calls visit(body) for every filed body numbered `firstNumber` or later whose bounds overlap
  // `self`'s, by level, then column, then row.
  template <typename Visit>
  void ForEachOverlap(const Body& self, std::uint32_t firstNumber, Visit visit) const;

private:
  std::uint32_t BucketOf(std::int32_t cellX, std::int32_t cellY, std::uint32_t level) const;

  std::vector<Body> added;  // by number
  std::vector<Body> filed;  // by bucket; a bucket's bodies in the order they were added
  std::vector<std::uint32_t> bucketStarts;  // where each bucket's bodies start in `filed`, and the end
  std::vector<std::uint32_t> places;  // each bucket's next free place while filing
  std::uint32_t bucketMask = 0;
  std::uint32_t rowLength = 1;  // buckets from one row of level-0 cells to the next
  std::uint32_t occupiedLevels = 0;
  // The largest radius at each level: a search reaches only that far into it.
  std::array<float, BroadPhaseGrid::LevelCount> levelRadii{};
};

template <typename Visit>
void PackedGrid::ForEachOverlap(const Body& self, std::uint32_t firstNumber, Visit visit) const
{
  for (std::uint32_t level = 0; level < BroadPhaseGrid::LevelCount && (occupiedLevels >> level) != 0; ++level)
  {
    if ((occupiedLevels & (1u << level)) == 0)
      continue;
    const CellSpan span = BroadPhaseGrid::CellsWithin(self.position, self.radius + levelRadii[level],
                                                      BroadPhaseGrid::LevelCellSize(level));
    auto consider = [&](const Body& other) {
      if (other.number >= firstNumber && other.level == level &&
          BroadPhaseGrid::BoundsOverlap(self.position, self.radius, self.extent, other.position, other.radius,
                                        other.extent))
        visit(other);
    };
    if (span.CellCount() > static_cast<std::int64_t>(bucketMask) + 1)
    {
      // A huge body reaches more cells than there are buckets: reading every body once is cheaper.
      for (const Body& other : added)
        if (span.Holds(other.cellX, other.cellY))
          consider(other);
      continue;
    }
    for (std::int32_t cellX = span.firstX; cellX <= span.lastX; ++cellX)
    {
      for (std::int32_t cellY = span.firstY; cellY <= span.lastY; ++cellY)
      {
        const std::uint32_t bucket = BucketOf(cellX, cellY, level);
        const std::uint32_t end = bucketStarts[bucket + 1];
        for (std::uint32_t index = bucketStarts[bucket]; index < end; ++index)
          if (filed[index].cellX == cellX && filed[index].cellY == cellY)
            consider(filed[index]);
      }
    }
  }
}
