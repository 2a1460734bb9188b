#include "gameplay/ship/PressureTracker.h"

#include "gameplay/ship/DepressurizationEffect.h"
#include "gameplay/ship/ShipEvents.h"
#include "gameplay/ship/ShipMap.h"
#include "object/GameObject.h"
#include "object/Spawning.h"
#include "platform/Assert.h"

namespace
{
struct FloodDirection
{
  glm::ivec2 offset;
  std::uint8_t wall;  // the bit that must be clear on the cell the air leaves
};

// The order in which every flood visits a cell's neighbours.
constexpr FloodDirection FloodDirections[] = {
    {{0, 1}, ShipWall::Top}, {{1, 0}, ShipWall::Right}, {{0, -1}, ShipWall::Bottom}, {{-1, 0}, ShipWall::Left}};
}  // namespace

void PressureTracker::OnAwake()
{
  SubscribeOnOwner<ShipMapLoadEvent>(this);
  SubscribeOnOwner<ShipMapWallDestroyedEvent>(this);
}

void PressureTracker::On(ShipMapLoadEvent*)
{
  if (map == nullptr)
  {
    GameObject* owner = GetGameObject();
    map = owner != nullptr ? owner->GetComponent<ShipMap>() : nullptr;
    if (map == nullptr)
      return;
  }
  InitGrid();
}

void PressureTracker::InitGrid()
{
  width = static_cast<std::uint32_t>(map->GetWidth());
  height = static_cast<std::uint32_t>(map->GetHeight());
  // A fresh grid: zones of an earlier load say nothing about this one.
  cells.assign(static_cast<std::size_t>(width) * height, PressureCell());
  for (std::uint32_t y = 0; y < height; ++y)
  {
    for (std::uint32_t x = 0; x < width; ++x)
    {
      PressureCell& cell = cells[static_cast<std::size_t>(y) * width + x];
      cell.x = x;
      cell.y = y;
    }
  }
  MarkOutside();
  for (std::uint32_t x = 0; x < width; ++x)
  {
    for (std::uint32_t y = 0; y < height; ++y)
    {
      const glm::ivec2 cell(static_cast<int>(x), static_cast<int>(y));
      if (CellAt(cell)->zone != PressureZone::Unassigned)
        continue;
      FillZone(nextZone++, cell, PressureZone::Unassigned, false, glm::vec2(0.0f));
    }
  }
}

void PressureTracker::MarkOutside()
{
  const int right = static_cast<int>(width) - 1;
  const int top = static_cast<int>(height) - 1;
  auto markFrom = [this](int x, int y) {
    const glm::ivec2 cell(x, y);
    FillZone(PressureZone::Outside, cell, CellAt(cell)->zone, false, glm::vec2(0.0f));
  };
  for (int x = 0; x <= right; ++x)
    markFrom(x, top);
  for (int y = 0; y <= top; ++y)
    markFrom(right, y);
  for (int x = 0; x <= right; ++x)
    markFrom(x, 0);
  for (int y = 0; y <= top; ++y)
    markFrom(0, y);
}

void PressureTracker::FillZone(int newZone, glm::ivec2 start, int oldZone, bool setFlow, glm::vec2 direction)
{
  PressureCell* first = CellAt(start);
  // Filling a zone with itself would find its own cells again for ever.
  if (first == nullptr || map == nullptr || newZone == oldZone)
    return;
  queue.clear();
  if (first->zone == oldZone)
  {
    if (setFlow)
    {
      first->flow = direction;
      first->breach = breachCount;
    }
    first->zone = newZone;
    queue.push_back(static_cast<std::size_t>(start.y) * width + start.x);
  }
  while (!queue.empty())
  {
    const PressureCell current = cells[queue.front()];
    queue.pop_front();
    const std::uint8_t walls = map->GetTile(static_cast<int>(current.x), static_cast<int>(current.y)).walls;
    for (const FloodDirection& step : FloodDirections)
    {
      const glm::ivec2 next = glm::ivec2(static_cast<int>(current.x), static_cast<int>(current.y)) + step.offset;
      PressureCell* neighbour = CellAt(next);
      if (neighbour == nullptr || neighbour->zone != oldZone || (walls & step.wall) != 0)
        continue;
      neighbour->zone = newZone;
      queue.push_back(static_cast<std::size_t>(next.y) * width + next.x);
      if (setFlow && neighbour->breach != breachCount)
      {
        neighbour->flow = -glm::vec2(step.offset);
        neighbour->breach = breachCount;
      }
    }
  }
}

void PressureTracker::FillFrom(int newZone, glm::ivec2 start, bool setFlow, glm::vec2 direction)
{
  if (const PressureCell* cell = CellAt(start))
    FillZone(newZone, start, cell->zone, setFlow, direction);
}

void PressureTracker::On(ShipMapWallDestroyedEvent* event)
{
  const glm::ivec2 tile(static_cast<int>(event->tileX), static_cast<int>(event->tileY));
  if (event->wallKind == ShipWall::Right)
    OnWallBreach(tile, glm::ivec2(1, 0));
  else if (event->wallKind == ShipWall::Bottom)
    OnWallBreach(tile, glm::ivec2(0, -1));
  else
    BRINDLE_CHECK(false, "Path should be left or down.");
}

void PressureTracker::OnWallBreach(glm::ivec2 tile, glm::ivec2 direction)
{
  const PressureCell* a = CellAt(tile);
  const PressureCell* b = CellAt(tile + direction);
  if (a == nullptr || b == nullptr || a->zone == b->zone)
    return;
  if (a->zone != PressureZone::Outside && b->zone != PressureZone::Outside)
  {
    FillFrom(a->zone, tile + direction, false, glm::vec2(0.0f));
    return;
  }
  const bool aIsOutside = a->zone == PressureZone::Outside;
  const glm::ivec2 inner = aIsOutside ? tile + direction : tile;
  const glm::vec2 towardHole = aIsOutside ? -glm::vec2(direction) : glm::vec2(direction);
  MakeEffect(inner);
  FillFrom(PressureZone::Outside, inner, true, towardHole);
  ++breachCount;
}

void PressureTracker::MakeEffect(glm::ivec2 cell)
{
  if (map == nullptr)
    return;
  // Placed before it wakes, so its trigger starts at the hole.
  const Handle<GameObject> effect =
      SpawnAt("DepressurizationEffect", GetSpace(), map->TileToWorld(cell.x, cell.y), "DepressurizationEffect");
  GameObject* created = effect.Get();
  if (created == nullptr)
    return;
  if (auto* depressurization = created->GetComponent<DepressurizationEffect>())
    depressurization->SetTracker(this);
}

bool PressureTracker::WorldToCell(glm::vec2 point, glm::ivec2& cell) const
{
  if (map == nullptr)
    return false;
  cell = map->WorldToTile(point.x, point.y);
  return GetCell(cell.x, cell.y) != nullptr;
}

glm::vec2 PressureTracker::GetFlow(glm::ivec2 cell) const
{
  const PressureCell* found = GetCell(cell.x, cell.y);
  return found != nullptr ? found->flow : glm::vec2(0.0f, 0.0f);
}

const PressureCell* PressureTracker::GetCell(int x, int y) const
{
  if (x < 0 || y < 0 || x >= static_cast<int>(width) || y >= static_cast<int>(height))
    return nullptr;
  return &cells[static_cast<std::size_t>(y) * width + x];
}

PressureCell* PressureTracker::CellAt(glm::ivec2 cell)
{
  return const_cast<PressureCell*>(GetCell(cell.x, cell.y));
}
