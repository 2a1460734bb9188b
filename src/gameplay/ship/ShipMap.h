#pragma once
// The interior of a ship as a grid of tiles, read from a layout file (ShipLayoutFile.h) when the
// map wakes. Every floor and wall of a tile becomes a game object made from a prefab, parented
// under the map's object; the map keeps a handle to each and the wall bits of every tile, which
// the air pressure (PressureTracker), the path graph and the drag manager read.
//
// The map's object is the grid's origin: tile (0, 0) has its lower-left corner at the object's
// world position, x grows to the right and y upward, and the object's Transform scale is the size
// of a tile in world units (128 for the shipped pictures).
//
// The grid changes only when a tile object is destroyed (a wall blown out: the map clears the
// wall's code and queues ShipMapWallDestroyedEvent on its own id) or when the tile editor sends
// SetTileEvent. The loaded grid is announced once with a queued ShipMapLoadEvent on its own id.
#include "core/Handle.h"
#include "gameplay/ship/ShipLayoutFile.h"
#include "gameplay/ship/ShipTile.h"
#include "gameplay/ship/ShipTilePalette.h"
#include "object/Component.h"

#include <array>
#include <glm/vec2.hpp>
#include <string>
#include <vector>

class GameObject;
class GameObjectDestroyedEvent;
class SaveShipEvent;
class SetTileEvent;
class Transform;

class ShipMap : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ShipMap;
  static constexpr const char* DefaultFile = "Assets/Ship/newship.txt";
  // The objects of one tile, by slot.
  static constexpr int FloorSlot = 0;
  static constexpr int SideSlot = 1;
  static constexpr int BottomSlot = 2;
  static constexpr int SlotCount = 3;
  // How far from a wall's line a walker put down on the floor stands: the widest walker's radius
  // (a tough bear's 42) past the wall collider's half thickness (8).
  static constexpr float StandingClearance = 50.0f;

  ShipMap();
  ~ShipMap() override;
  ShipMap& operator=(const ShipMap&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(SaveShipEvent* event);
  void On(SetTileEvent* event);
  // A tile object is going away: its code is cleared; a wall's also opens the edge and is announced.
  void On(GameObjectDestroyedEvent* event);

  // Reads the layout and builds its objects. A file that cannot be read or is malformed is
  // reported and leaves the map empty, with no objects and no ShipMapLoadEvent.
  void LoadShipMap(const std::string& path);
  // Writes the codes as layout text, replacing the file only once the whole text is written.
  // An empty map is not written (it would replace a layout with nothing). Returns whether it saved.
  bool SaveShip(const std::string& path);
  // Replaces one tile's objects and codes; value holds the floor, side and bottom codes. A tile
  // outside the grid is ignored.
  void SetTile(int x, int y, const char value[4]);

  // The tile a world point lies on; outside the grid on the lower or left side it is negative.
  glm::ivec2 WorldToTile(float x, float y) const;
  // The world centre of a tile.
  glm::vec2 TileToWorld(int x, int y) const;
  bool InBounds(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  // Whether the point's tile is in the grid and has a floor.
  bool IsTileAt(float x, float y) const;
  // Where a walker put down at `point` stands: the nearest place of the floor that is at least
  // StandingClearance from every wall (doors and force fields among them) on the edges of its tile.
  // On a floor tile that is the point itself, moved off the tile's walls. The point itself on a map
  // without floor.
  glm::vec2 NearestStandingPlace(glm::vec2 point) const;
  // Whether the tile's wall bits lack that bit (ShipWall::Top, Right, Bottom, Left).
  bool HasNoWall(std::uint8_t bit, int x, int y) const;
  // Whether something can pass that edge: no wall, or a door or force field on it.
  bool IsPassable(std::uint8_t bit, int x, int y) const;

  int GetWidth() const { return width; }
  int GetHeight() const { return height; }
  // The tile's record; a tile outside the grid reads as empty.
  ShipTile GetTile(int x, int y) const;
  Handle<GameObject> GetTileObject(int x, int y, int slot) const;
  ShipLayout GetLayout() const;
  const std::string& GetFilename() const { return filename; }
  void SetFilename(std::string path) { filename = std::move(path); }
  ShipTilePalette& GetTilePalette() { return tilePalette; }

private:
  // The prefab a code makes in a slot; empty for a code that makes nothing.
  std::string PrefabFor(int slot, char code) const;
  // The point moved into the floor tile (x, y), StandingClearance from the walls on its edges.
  glm::vec2 StandingPlaceOn(int x, int y, glm::vec2 point) const;
  // Creates the object of one code, places it in its slot and returns it (empty when none).
  Handle<GameObject> BuildPart(int slot, char code, int x, int y);
  void PlaceTileObject(const Handle<GameObject>& object, int slot, int x, int y);
  void UpdateTileFlags(int x, int y, bool recurse);
  void UpdateAllTileFlags();
  ShipTile* TileAt(int x, int y);
  std::size_t SlotIndex(int x, int y, int slot) const
  {
    return (static_cast<std::size_t>(y) * width + x) * SlotCount + slot;
  }

  glm::vec2 tileOffset{0.5f, 0.5f};
  ShipTilePalette tilePalette{this};
  Transient<int> width = 0;
  Transient<int> height = 0;
  Transient<std::vector<ShipTile>> tiles;
  std::string filename;
  Transient<std::vector<Handle<GameObject>>> tileObjects;
  Transient<Transform*> mapTransform = nullptr;
  std::array<std::string, 8> floorPrefabs;
  std::array<std::string, 8> bottomWallPrefabs;
  std::string rightWallPrefab = "normal right wall";
  std::string bottomWallOutsidePrefab = "normal bottom wall outside";
  std::string fieldRightPrefab = "force field side";
  std::string fieldBottomPrefab = "force field facing";
  std::string doorPrefab = "door";
  std::string raisedBossWallPrefab = "boss_wall_raised";
  std::string brokenBossWallPrefab = "boss_wall_front_broken";
};
