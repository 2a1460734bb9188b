#include "physics/BroadPhaseGrid.h"

#include "core/Log.h"
#include "platform/Assert.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>

namespace
{
// Cell coordinates stay within this, so that neighbours and ranges never overflow 32 bits.
constexpr float CellCoordinateLimit = 536870912.0f;  // 2^29

// Distances along a ray are compared with this much slack, so rounding at a cell border never
// stops a walk one cell short of a hit.
constexpr float RayWalkSlack = 1e-3f;

// Rays longer than this many level-0 cells (or than the number of records, if that is larger)
// test every record instead of walking: cheaper, and bounded for absurd lengths.
constexpr std::int64_t ShortestExhaustiveRay = 256;
}  // namespace

std::uint32_t BroadPhaseGrid::LevelForRadius(float radius)
{
  std::uint32_t level = 0;
  float size = CellSize;
  while (radius > size && level + 1 < LevelCount)
  {
    size *= 2.0f;
    ++level;
  }
  return level;
}

float BroadPhaseGrid::LevelCellSize(std::uint32_t level)
{
  return std::ldexp(CellSize, static_cast<int>(level));
}

std::int32_t BroadPhaseGrid::CellCoordinate(float coordinate, float cellSize)
{
  const float cell = std::floor(coordinate / cellSize);
  if (std::isnan(cell))
    return 0;
  if (cell < -CellCoordinateLimit)
    return -static_cast<std::int32_t>(CellCoordinateLimit);
  if (cell > CellCoordinateLimit)
    return static_cast<std::int32_t>(CellCoordinateLimit);
  return static_cast<std::int32_t>(cell);
}

std::uint32_t BroadPhaseGrid::CellHash(std::int32_t cellX, std::int32_t cellY, std::uint32_t level)
{
  std::uint32_t hash = 0;
  const std::uint32_t values[3] = {static_cast<std::uint32_t>(cellX), static_cast<std::uint32_t>(cellY), level};
  for (std::uint32_t value : values)
    hash ^= value + 0x9e3779b9u + (hash << 6) + (hash >> 2);
  return hash;
}

void BroadPhaseGrid::Insert(GridRecord& record, glm::vec2 position, float radius, glm::vec2 extent)
{
  // A collider from a level file can be any size, and it is placed again every frame: said once,
  // then it goes into the largest cells, where it still meets everything it overlaps.
  if (radius > LevelCellSize(LevelCount - 1))
    LogOnce("Collider too large for the broad phase grid.", LogLevel::Error,
            "Collider too large for the broad phase grid: radius ", radius, "; it is placed in the largest cells.");
  const std::uint32_t level = LevelForRadius(radius);
  const float size = LevelCellSize(level);
  const std::int32_t cellX = CellCoordinate(position.x, size);
  const std::int32_t cellY = CellCoordinate(position.y, size);
  record.position = position;
  record.radius = radius;
  record.extent = extent;
  if (record.inGrid)
  {
    if (record.cellX == cellX && record.cellY == cellY && record.level == level)
      return;
    Remove(record);
  }
  if (recordCount + 1 > BucketCount() / 2 && BucketCount() < LargestBucketCount)
    Grow();
  record.inGrid = true;
  record.stamp = 0;
  record.cellX = cellX;
  record.cellY = cellY;
  record.level = level;
  record.bucket = BucketOf(cellX, cellY, level);
  record.next = buckets[record.bucket];
  buckets[record.bucket] = &record;
  ++levelCounts[level];
  occupiedLevels |= 1u << level;
  ++recordCount;
}

void BroadPhaseGrid::Remove(GridRecord& record)
{
  if (!record.inGrid)
    return;
  record.inGrid = false;
  if (--levelCounts[record.level] == 0)
    occupiedLevels &= ~(1u << record.level);
  --recordCount;
  for (GridRecord** link = &buckets[record.bucket]; *link != nullptr; link = &(*link)->next)
  {
    if (*link == &record)
    {
      *link = record.next;
      break;
    }
  }
  record.next = nullptr;
}

void BroadPhaseGrid::Grow()
{
  std::vector<GridRecord*> old(buckets.size() * 2, nullptr);
  old.swap(buckets);
  bucketMask = BucketCount() - 1;
  std::vector<GridRecord*> chain;
  for (GridRecord* head : old)
  {
    chain.clear();
    for (GridRecord* record = head; record != nullptr; record = record->next)
      chain.push_back(record);
    // Pushed at the heads back to front, the records of one cell keep their order.
    for (auto record = chain.rbegin(); record != chain.rend(); ++record)
    {
      (*record)->bucket = BucketOf((*record)->cellX, (*record)->cellY, (*record)->level);
      (*record)->next = buckets[(*record)->bucket];
      buckets[(*record)->bucket] = *record;
    }
  }
}

void BroadPhaseGrid::ForEachRecord(const std::function<void(GridRecord&)>& visit)
{
  for (GridRecord* head : buckets)
  {
    for (GridRecord* record = head; record != nullptr;)
    {
      GridRecord* next = record->next;
      visit(*record);
      record = next;
    }
  }
}

void BroadPhaseGrid::NextStamp()
{
  if (++stamp != 0)
    return;
  // After four billion queries the counter wraps; old stamps must not match the new ones.
  ForEachRecord([](GridRecord& record) { record.stamp = 0; });
  stamp = 1;
}

CellSpan BroadPhaseGrid::CellsWithin(glm::vec2 position, float reach, float size)
{
  // Inclusive on both ends: a record exactly at the far edge of the reach still counts.
  return {CellCoordinate(position.x - reach, size), CellCoordinate(position.x + reach, size),
          CellCoordinate(position.y - reach, size), CellCoordinate(position.y + reach, size)};
}

void BroadPhaseGrid::TestRayRecord(GridRecord& record, const RayTest& test, std::vector<RayHit>& hits, float& limit,
                                   bool stopAtFirst)
{
  if (record.stamp == stamp)
    return;
  record.stamp = stamp;
  RayHit hit;
  hit.record = &record;
  if (!test(record, hit))
    return;
  if (stopAtFirst)
    hit.blocking = true;
  if (hit.blocking && hit.distance < limit)
    limit = hit.distance;
  hits.push_back(hit);
}

void BroadPhaseGrid::VisitRayCell(std::int32_t cellX, std::int32_t cellY, std::int32_t previousX,
                                  std::int32_t previousY, bool firstCell, const RayTest& test,
                                  std::vector<RayHit>& hits, float& limit, bool stopAtFirst)
{
  for (std::uint32_t level = 0; level < LevelCount && (occupiedLevels >> level) != 0; ++level)
  {
    // Arithmetic shifts: floor division, also for negative cells.
    const std::int32_t coarseX = cellX >> level;
    const std::int32_t coarseY = cellY >> level;
    // Once the previous cell shares the coarse cell, this and every coarser level were searched.
    if (!firstCell && (previousX >> level) == coarseX && (previousY >> level) == coarseY)
      break;
    if ((occupiedLevels & (1u << level)) == 0)
      continue;
    for (std::int32_t neighbourX = coarseX - 1; neighbourX <= coarseX + 1; ++neighbourX)
    {
      for (std::int32_t neighbourY = coarseY - 1; neighbourY <= coarseY + 1; ++neighbourY)
      {
        GridRecord* record = buckets[BucketOf(neighbourX, neighbourY, level)];
        while (record != nullptr)
        {
          GridRecord* next = record->next;
          if (record->cellX == neighbourX && record->cellY == neighbourY && record->level == level)
            TestRayRecord(*record, test, hits, limit, stopAtFirst);
          record = next;
        }
      }
    }
  }
}

bool BroadPhaseGrid::CastRay(glm::vec2 start, glm::vec2 end, bool stopAtFirst, const RayTest& test,
                             std::vector<RayHit>& hits)
{
  hits.clear();
  const glm::vec2 offset = end - start;
  const float length = std::sqrt(offset.x * offset.x + offset.y * offset.y);
  if (!(length > 0.0f) || !std::isfinite(length) || !std::isfinite(start.x) || !std::isfinite(start.y) ||
      recordCount == 0)
    return false;
  NextStamp();

  float limit = FLT_MAX;
  const std::int32_t startX = CellCoordinate(start.x, CellSize);
  const std::int32_t startY = CellCoordinate(start.y, CellSize);
  const std::int32_t endX = CellCoordinate(end.x, CellSize);
  const std::int32_t endY = CellCoordinate(end.y, CellSize);
  std::int64_t remainingX = std::llabs(static_cast<std::int64_t>(endX) - startX);
  std::int64_t remainingY = std::llabs(static_cast<std::int64_t>(endY) - startY);

  if (remainingX + remainingY + 1 > std::max<std::int64_t>(ShortestExhaustiveRay, recordCount))
  {
    ForEachRecord([&](GridRecord& record) { TestRayRecord(record, test, hits, limit, stopAtFirst); });
  }
  else
  {
    // Visits every level-0 cell the segment passes through, in order along it, and ends early once
    // the next cell starts beyond the nearest blocking hit.
    const std::int32_t stepX = endX > startX ? 1 : -1;
    const std::int32_t stepY = endY > startY ? 1 : -1;
    float nextX = FLT_MAX;
    float nextY = FLT_MAX;
    float deltaX = FLT_MAX;
    float deltaY = FLT_MAX;
    if (offset.x != 0.0f)
    {
      const float border = (offset.x > 0.0f ? startX + 1 : startX) * CellSize;
      nextX = (border - start.x) / offset.x;
      deltaX = CellSize / std::fabs(offset.x);
    }
    if (offset.y != 0.0f)
    {
      const float border = (offset.y > 0.0f ? startY + 1 : startY) * CellSize;
      nextY = (border - start.y) / offset.y;
      deltaY = CellSize / std::fabs(offset.y);
    }
    std::int32_t cellX = startX;
    std::int32_t cellY = startY;
    std::int32_t previousX = startX;
    std::int32_t previousY = startY;
    bool firstCell = true;
    for (;;)
    {
      VisitRayCell(cellX, cellY, previousX, previousY, firstCell, test, hits, limit, stopAtFirst);
      firstCell = false;
      if (remainingX == 0 && remainingY == 0)
        break;
      const bool alongX = remainingY == 0 || (remainingX != 0 && nextX <= nextY);
      const float entry = std::max(0.0f, alongX ? nextX : nextY) * length;
      if (entry > limit + RayWalkSlack)
        break;
      previousX = cellX;
      previousY = cellY;
      if (alongX)
      {
        cellX += stepX;
        nextX += deltaX;
        --remainingX;
      }
      else
      {
        cellY += stepY;
        nextY += deltaY;
        --remainingY;
      }
    }
  }

  std::stable_sort(hits.begin(), hits.end(), [](const RayHit& a, const RayHit& b) { return a.distance < b.distance; });
  if (limit == FLT_MAX)
    return false;
  if (stopAtFirst)
  {
    hits.resize(1);
    return true;
  }
  while (!hits.empty() && hits.back().distance > limit)
    hits.pop_back();
  return true;
}
