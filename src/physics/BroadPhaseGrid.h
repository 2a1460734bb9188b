#pragma once
// A hierarchical spatial hash: 32 levels of square cells, 150 units wide at level 0 and twice as
// wide at each next level. A record sits in one cell of the finest level whose cells are at least
// as wide as its radius, so that anything it touches lies in the 3 x 3 cells around its own at
// that level. Cells hash into an array of singly linked buckets, which doubles whenever the
// records outnumber half of it, so that chains stay short however many bodies a level holds.
//
// It holds every entry with a collider where it stands between the physics steps and walks line
// segments for the ray casts; the step finds its pairs in packed copies of the bounds (StepPairs,
// PackedGrid), which share its cells and overlap test. A stamp per ray keeps a record from being
// looked at twice without a per-ray set (the cells a ray searches overlap).
#include "physics/GridRecord.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <glm/vec2.hpp>
#include <vector>

// One record a ray met: where, and whether it ends the ray there.
struct RayHit
{
  float distance = 0.0f;
  glm::vec2 point{0.0f, 0.0f};
  GridRecord* record = nullptr;
  bool blocking = false;
};

// The cells a query reaches at one level, inclusive on both ends.
struct CellSpan
{
  std::int32_t firstX = 0;
  std::int32_t lastX = 0;
  std::int32_t firstY = 0;
  std::int32_t lastY = 0;

  std::int64_t CellCount() const
  {
    return (static_cast<std::int64_t>(lastX) - firstX + 1) * (static_cast<std::int64_t>(lastY) - firstY + 1);
  }
  bool Holds(std::int32_t cellX, std::int32_t cellY) const
  {
    return cellX >= firstX && cellX <= lastX && cellY >= firstY && cellY <= lastY;
  }
};

class BroadPhaseGrid
{
public:
  static constexpr std::uint32_t LevelCount = 32;
  static constexpr std::uint32_t InitialBucketCount = 1024;
  static constexpr std::uint32_t LargestBucketCount = 1u << 20;
  static constexpr float CellSize = 150.0f;

  // Tests one record against the segment; true when it is hit, filling distance, point and
  // blocking (a blocking record is always a hit).
  using RayTest = std::function<bool(GridRecord& record, RayHit& hit)>;

  BroadPhaseGrid() : buckets(InitialBucketCount, nullptr) {}
  BroadPhaseGrid(const BroadPhaseGrid&) = delete;
  BroadPhaseGrid& operator=(const BroadPhaseGrid&) = delete;

  static std::uint32_t LevelForRadius(float radius);
  static float LevelCellSize(std::uint32_t level);
  // floor(coordinate / cellSize), kept within a range where cell arithmetic cannot overflow.
  static std::int32_t CellCoordinate(float coordinate, float cellSize);
  // The cell's hash: the bucket is this masked by the bucket count less one.
  static std::uint32_t CellHash(std::int32_t cellX, std::int32_t cellY, std::uint32_t level);
  // The cells of size `size` within `reach` of `position`.
  static CellSpan CellsWithin(glm::vec2 position, float reach, float size);
  // Whether two filed shapes may touch: their bounding circles overlap (distance <= sum of the
  // radii), and so do their boxes. The boxes matter for long walls, whose circles reach far
  // beyond them.
  static bool BoundsOverlap(glm::vec2 position, float radius, glm::vec2 extent, glm::vec2 otherPosition,
                            float otherRadius, glm::vec2 otherExtent)
  {
    const glm::vec2 offset = otherPosition - position;
    const float reachTogether = radius + otherRadius;
    return offset.x * offset.x + offset.y * offset.y <= reachTogether * reachTogether &&
           std::fabs(offset.x) <= extent.x + otherExtent.x && std::fabs(offset.y) <= extent.y + otherExtent.y;
  }
  std::uint32_t BucketOf(std::int32_t cellX, std::int32_t cellY, std::uint32_t level) const
  {
    return CellHash(cellX, cellY, level) & bucketMask;
  }
  std::uint32_t BucketCount() const { return static_cast<std::uint32_t>(buckets.size()); }

  // Files the record under the cell of `position` at the level of `radius`, and keeps both, with
  // the half-extents of a box around the shape (the radius when not given), as its bounds. A
  // record already in that cell only takes the new bounds.
  void Insert(GridRecord& record, glm::vec2 position, float radius, glm::vec2 extent);
  void Insert(GridRecord& record, glm::vec2 position, float radius) { Insert(record, position, radius, {radius, radius}); }
  void Remove(GridRecord& record);
  // Every record the segment start -> end meets, nearest first. When a blocking record is hit,
  // records beyond it are dropped; with stopAtFirst every hit blocks, so the nearest one alone is
  // kept. Returns true when the ray was blocked. A segment of no length meets nothing.
  bool CastRay(glm::vec2 start, glm::vec2 end, bool stopAtFirst, const RayTest& test, std::vector<RayHit>& hits);

  // Visits every record in the grid, in bucket order.
  void ForEachRecord(const std::function<void(GridRecord&)>& visit);
  std::uint32_t RecordCount() const { return recordCount; }
  std::uint32_t OccupiedLevels() const { return occupiedLevels; }

private:
  // Raises the ray counter; on wrap-around every record's stamp is reset.
  void NextStamp();
  // Doubles the buckets and links every record into its new one, same-cell order kept.
  void Grow();
  void VisitRayCell(std::int32_t cellX, std::int32_t cellY, std::int32_t previousX, std::int32_t previousY,
                    bool firstCell, const RayTest& test, std::vector<RayHit>& hits, float& limit, bool stopAtFirst);
  void TestRayRecord(GridRecord& record, const RayTest& test, std::vector<RayHit>& hits, float& limit,
                     bool stopAtFirst);

  std::uint32_t occupiedLevels = 0;
  std::array<std::uint32_t, LevelCount> levelCounts{};
  std::vector<GridRecord*> buckets;
  std::uint32_t bucketMask = InitialBucketCount - 1;
  std::uint32_t stamp = 0;
  std::uint32_t recordCount = 0;
};
