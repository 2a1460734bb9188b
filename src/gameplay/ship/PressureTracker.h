#pragma once
// The air of a ship: sits beside the ShipMap and divides its grid into sealed zones when the map
// has loaded. Every border tile, and whatever connects to the border through open edges, is
// outside; every kind of wall (doors and force fields too) holds air. When a wall between a zone
// and the outside is blown out, the whole zone becomes outside, its cells get the flow towards the
// hole, and a "DepressurizationEffect" object is made at the hole to push bodies along the flows.
// A wall between two sealed zones merges them.
#include "core/LivePointer.h"
#include "gameplay/ship/PressureCell.h"
#include "object/Component.h"

#include <deque>
#include <glm/vec2.hpp>
#include <vector>

class ShipMap;
class ShipMapLoadEvent;
class ShipMapWallDestroyedEvent;

class PressureTracker : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_PressureTracker;

  PressureTracker() : Component(TypeId) {}
  ~PressureTracker() override = default;
  PressureTracker& operator=(const PressureTracker&) = default;

  void OnAwake() override;

  void On(ShipMapLoadEvent* event);
  void On(ShipMapWallDestroyedEvent* event);

  // The cell of a world point; false outside the grid.
  bool WorldToCell(glm::vec2 point, glm::ivec2& cell) const;
  // The cell's flow, or (0, 0) outside the grid.
  glm::vec2 GetFlow(glm::ivec2 cell) const;
  // Null outside the grid.
  const PressureCell* GetCell(int x, int y) const;
  std::uint32_t GetWidth() const { return width; }
  std::uint32_t GetHeight() const { return height; }
  // Breaches into the outside so far (the stamp starts at 1, so that no cell starts stamped).
  int GetBreachCount() const { return breachCount - 1; }

  // The edge of tile `tile` towards `direction` (right or down) has opened.
  void OnWallBreach(glm::ivec2 tile, glm::ivec2 direction);

private:
  void InitGrid();
  void MarkOutside();
  // Breadth-first from `start` over the cells of `oldZone` that open edges reach; with setFlow,
  // each cell's flow points back to the cell it was reached from, and the start's is `direction`.
  void FillZone(int newZone, glm::ivec2 start, int oldZone, bool setFlow, glm::vec2 direction);
  void FillFrom(int newZone, glm::ivec2 start, bool setFlow, glm::vec2 direction);
  PressureCell* CellAt(glm::ivec2 cell);
  void MakeEffect(glm::ivec2 cell);

  std::vector<PressureCell> cells;
  std::deque<std::size_t> queue;  // indices into cells: copies never point into another's grid
  Transient<LivePointer<ShipMap>> map;
  int nextZone = 0;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int breachCount = 1;
};
