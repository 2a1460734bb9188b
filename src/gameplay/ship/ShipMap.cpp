#include "gameplay/ship/ShipMap.h"

#include "core/EventManager.h"
#include "core/FileUtilities.h"
#include "core/Log.h"
#include "core/Send.h"
#include "gameplay/boss/BossWallExplosion.h"
#include "gameplay/ship/ShipEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/ObjectEvents.h"
#include "object/Space.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "platform/Assert.h"
#include "platform/Random.h"
#include "render/Sprite.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <glm/common.hpp>
#include <glm/geometric.hpp>
#include <limits>

namespace
{
// A layout file is about four bytes a tile; anything far larger is not one.
constexpr std::size_t LargestLayoutFile = 8u * 1024u * 1024u;

struct CrackedWall
{
  char code;
  float delay;
  const char* source;
};

// The cracked boss walls blow out in waves after the throne explodes.
constexpr CrackedWall CrackedWalls[] = {
    {'C', 0.33f, "boss_wall_cracked_4"}, {'T', 0.66f, "boss_wall_cracked_3"}, {'S', 0.66f, "boss_wall_cracked_5"},
    {'J', 1.0f, "boss_wall_cracked_2"},  {'H', 1.0f, "boss_wall_cracked_6"},  {'R', 1.33f, "boss_wall_cracked_1"},
    {'Q', 1.33f, "boss_wall_cracked_7"},
};

const CrackedWall* FindCrackedWall(char code)
{
  for (const CrackedWall& wall : CrackedWalls)
  {
    if (wall.code == code)
      return &wall;
  }
  return nullptr;
}

// One of eight prefabs, the last only for the largest draw.
const std::string& PickRandomPrefab(const std::array<std::string, 8>& prefabs)
{
  const float draw = static_cast<float>(Random()) / static_cast<float>(RandomMaximum) * 7.0f;
  return prefabs[static_cast<std::size_t>(draw)];
}

// floor() as a tile index; points that are not finite or absurdly far lie outside any grid.
int TileIndexOf(float offset, float tileSize)
{
  const float index = std::floor(offset / tileSize);
  if (!std::isfinite(index) || index < -1.0e9f || index > 1.0e9f)
    return INT_MIN / 2;
  return static_cast<int>(index);
}

}  // namespace

ShipMap::ShipMap() : Component(TypeId)
{
  floorPrefabs.fill("normal floor tile");
  bottomWallPrefabs.fill("EN_floor_pirate_01");
}

ShipMap::~ShipMap() = default;

void ShipMap::GetMembers(std::vector<MemberBase*>& members)
{
  const ShipMap defaults;
  Members::AddMember(members, "filename", &filename, RenderString, defaults.filename);
  for (std::size_t i = 0; i < floorPrefabs.size(); ++i)
    Members::AddMember(members, "floorPrefab" + std::to_string(i + 1), &floorPrefabs[i], RenderPrefabName,
                       defaults.floorPrefabs[i]);
  for (std::size_t i = 0; i < bottomWallPrefabs.size(); ++i)
    Members::AddMember(members, "bottomWallPrefab" + std::to_string(i + 1), &bottomWallPrefabs[i],
                       RenderPrefabName, defaults.bottomWallPrefabs[i]);
  Members::AddMember(members, "rightWallPrefab", &rightWallPrefab, RenderPrefabName, defaults.rightWallPrefab);
  Members::AddMember(members, "bottomWallOutsidePrefab", &bottomWallOutsidePrefab, RenderPrefabName,
                     defaults.bottomWallOutsidePrefab);
  Members::AddMember(members, "fieldRightPrefab", &fieldRightPrefab, RenderPrefabName, defaults.fieldRightPrefab);
  Members::AddMember(members, "fieldBottomPrefab", &fieldBottomPrefab, RenderPrefabName,
                     defaults.fieldBottomPrefab);
  Members::AddMember(members, "doorPrefab", &doorPrefab, RenderPrefabName, defaults.doorPrefab);
  Members::AddMember(members, "Map Editor", &tilePalette, RenderShipTileWindow, ShipTilePalette());
}

void ShipMap::OnAwake()
{
  GameObject* owner = GetGameObject();
  mapTransform = owner != nullptr ? owner->GetTransform() : nullptr;
  if (filename.empty())
  {
    BRINDLE_CHECK(false, "Default ship loading...");
    LoadShipMap(DefaultFile);
  }
  else
  {
    LoadShipMap(filename);
  }
  SubscribeOnOwner<SaveShipEvent>(this);
  SubscribeOnOwner<SetTileEvent>(this);
}

void ShipMap::LoadShipMap(const std::string& path)
{
  std::string text;
  std::string unreadable;
  if (!ReadDataFile(path, text, unreadable, nullptr, LargestLayoutFile))
  {
    LogError("Shipmap could not open file: ", path, ". ", unreadable);
    return;
  }
  ShipLayout layout;
  const std::string problem = ShipLayoutFile::Parse(text, layout);
  if (!problem.empty())
  {
    LogError("ShipMap Loading Error... File Not Standard Format: ", path, ": ", problem, "; the ship stays empty.");
    return;
  }

  width = layout.width;
  height = layout.height;
  tiles.assign(layout.tiles.size(), ShipTile());
  tileObjects.assign(tiles.size() * SlotCount, Handle<GameObject>());
  // In file order, top row first, so the random floors and walls fall the same way every time.
  for (int y = height - 1; y >= 0; --y)
  {
    for (int x = 0; x < width; ++x)
    {
      const ShipTile& read = layout.At(x, y);
      ShipTile& tile = *TileAt(x, y);
      tile.floor = read.floor;
      tile.side = read.side;
      tile.bottom = read.bottom;
      tile.walls = 0;
      Handle<GameObject> last;
      for (const auto& [slot, code] : {std::pair<int, char>{FloorSlot, tile.floor}, {SideSlot, tile.side},
                                       {BottomSlot, tile.bottom}})
      {
        Handle<GameObject> part = BuildPart(slot, code, x, y);
        if (part.IsValid())
          last = part;
      }
      // The last part overlaps its neighbours a little, so no seam shows between tiles.
      if (GameObject* object = last.Get(); object != nullptr && object->GetSprite() != nullptr)
      {
        const glm::vec2 scale = object->GetSprite()->GetScale() * 1.01f;
        object->GetSprite()->SetScale(scale.x, scale.y);
      }
    }
  }
  UpdateAllTileFlags();

  if (GetGameObject() != nullptr)
    Queue<ShipMapLoadEvent>(BRINDLE_SITE, GetGameObject()->GetId());
}

bool ShipMap::SaveShip(const std::string& path)
{
  if (width <= 0 || height <= 0)
  {
    LogError("Failed to save shipmap. File: ", path,
             ": the map holds no tiles (its layout did not load), so the file is left as it is.");
    return false;
  }
  return WriteTextFile(ShipLayoutFile::Format(GetLayout()), path);
}

ShipLayout ShipMap::GetLayout() const
{
  ShipLayout layout;
  layout.width = width;
  layout.height = height;
  layout.tiles = tiles;
  return layout;
}

void ShipMap::On(SaveShipEvent* event)
{
  SaveShip(event->path);
}

void ShipMap::On(SetTileEvent* event)
{
  SetTile(static_cast<int>(event->tileX), static_cast<int>(event->tileY), event->value);
}

void ShipMap::SetTile(int x, int y, const char value[4])
{
  if (!InBounds(x, y))
    return;
  for (int slot = 0; slot < SlotCount; ++slot)
  {
    // A copy: the destruction reaches our own handler, which empties the slot.
    const Handle<GameObject> object = tileObjects[SlotIndex(x, y, slot)];
    if (const GameObject* live = object.Get(); live != nullptr)
      SendNow<GameObjectDestroyedEvent>(BRINDLE_SITE, live->GetId(), object);
    tileObjects[SlotIndex(x, y, slot)].Reset();
  }
  ShipTile& tile = *TileAt(x, y);
  tile.floor = value[0];
  tile.side = value[1];
  tile.bottom = value[2];
  BuildPart(FloorSlot, tile.floor, x, y);
  BuildPart(SideSlot, tile.side, x, y);
  BuildPart(BottomSlot, tile.bottom, x, y);
  UpdateTileFlags(x, y, true);
}

void ShipMap::On(GameObjectDestroyedEvent* event)
{
  GameObject* object = event->object.Get();
  if (object == nullptr || object->GetTransform() == nullptr)
    return;
  const glm::vec2 position = object->GetTransform()->GetWorldPosition();
  const glm::ivec2 tile = WorldToTile(position.x, position.y);
  if (!InBounds(tile.x, tile.y))
    return;
  // The slot that holds this very object says what it was; an object that is not one of ours
  // (or whose end was already handled) changes nothing.
  int slot = 0;
  while (slot < SlotCount && !(tileObjects[SlotIndex(tile.x, tile.y, slot)] == event->object))
    ++slot;
  if (slot == SlotCount)
    return;
  tileObjects[SlotIndex(tile.x, tile.y, slot)].Reset();
  ShipTile& record = *TileAt(tile.x, tile.y);
  if (slot == FloorSlot)
  {
    record.floor = ShipTile::None;
    return;
  }
  std::uint32_t wallBit = ShipWall::Right;
  if (slot == BottomSlot)
  {
    record.bottom = ShipTile::None;
    wallBit = ShipWall::Bottom;
  }
  else
  {
    record.side = ShipTile::None;
  }
  if (GetGameObject() != nullptr)
    Queue<ShipMapWallDestroyedEvent>(BRINDLE_SITE, GetGameObject()->GetId(), wallBit,
                                     static_cast<std::uint32_t>(tile.x), static_cast<std::uint32_t>(tile.y));
  UpdateTileFlags(tile.x, tile.y, true);
}

std::string ShipMap::PrefabFor(int slot, char code) const
{
  if (slot == FloorSlot)
  {
    switch (code)
    {
      case '1': return "bars_floor";
      case '2': return "ice_floor";
      case '3': return "slats_floor";
      case '4': return "alt_bars_floor";
      case 'F': return PickRandomPrefab(floorPrefabs);
      default: return std::string();
    }
  }
  if (slot == SideSlot)
  {
    switch (code)
    {
      case 'W': return rightWallPrefab;
      case 'F': return fieldRightPrefab;
      default: return std::string();
    }
  }
  switch (code)
  {
    case 'I': return PickRandomPrefab(bottomWallPrefabs);
    case 'F': return fieldBottomPrefab;
    case 'D': return doorPrefab;
    case 'B': return raisedBossWallPrefab;
    default: return FindCrackedWall(code) != nullptr ? brokenBossWallPrefab : std::string();
  }
}

Handle<GameObject> ShipMap::BuildPart(int slot, char code, int x, int y)
{
  if (code == ShipTile::None)
    return Handle<GameObject>();
  const std::string prefab = PrefabFor(slot, code);
  if (prefab.empty())
    return Handle<GameObject>();
  Handle<GameObject> object = SpawnAt(prefab, GetSpace(), TileToWorld(x, y));
  GameObject* created = object.Get();
  if (created == nullptr)
    return Handle<GameObject>();
  PlaceTileObject(object, slot, x, y);
  if (const CrackedWall* cracked = FindCrackedWall(code); cracked != nullptr && slot == BottomSlot)
  {
    if (auto* explosion = created->GetComponent<BossWallExplosion>())
      explosion->SetDelay(cracked->delay);
    if (Sprite* sprite = created->GetSprite())
      sprite->SetSource(cracked->source);
  }
  return object;
}

void ShipMap::PlaceTileObject(const Handle<GameObject>& object, int slot, int x, int y)
{
  GameObject* created = object.Get();
  if (created == nullptr)
    return;
  if (InBounds(x, y))
    tileObjects[SlotIndex(x, y, slot)] = object;
  if (EventManager* manager = EventManager::Instance())
  {
    // Before the parenting: the map's transform lets go of a child that is being destroyed, and
    // the map must hear of it while the object still stands on its tile.
    manager->Subscribe<ShipMap, GameObjectDestroyedEvent>(this, created->GetId());
    // Floors carry no logic of their own, and a replaced tile is torn down by its space.
    if (Space* space = created->GetSpace())
      manager->Subscribe<Space, GameObjectDestroyedEvent>(space, created->GetId());
  }
  if (Transform* transform = created->GetTransform())
  {
    transform->SetParent(mapTransform);
    transform->SetPosition(glm::vec2(static_cast<float>(x), static_cast<float>(y)) + tileOffset);
  }
}

void ShipMap::UpdateTileFlags(int x, int y, bool recurse)
{
  ShipTile* tile = TileAt(x, y);
  if (tile == nullptr)
    return;
  std::uint8_t walls = 0;
  if (y < height - 1 && TileAt(x, y + 1)->bottom != ShipTile::None)
    walls |= ShipWall::Top;
  if (tile->side != ShipTile::None)
    walls |= ShipWall::Right;
  if (tile->bottom != ShipTile::None)
    walls |= ShipWall::Bottom;
  if (x > 0 && TileAt(x - 1, y)->side != ShipTile::None)
    walls |= ShipWall::Left;
  tile->walls = walls;
  if (recurse)
  {
    // The neighbours whose bits mirror this tile's codes.
    UpdateTileFlags(x + 1, y, false);
    UpdateTileFlags(x, y - 1, false);
  }
}

void ShipMap::UpdateAllTileFlags()
{
  for (int y = 0; y < height; ++y)
  {
    for (int x = 0; x < width; ++x)
      UpdateTileFlags(x, y, true);
  }
}

ShipTile* ShipMap::TileAt(int x, int y)
{
  return InBounds(x, y) ? &tiles[static_cast<std::size_t>(y) * width + x] : nullptr;
}

ShipTile ShipMap::GetTile(int x, int y) const
{
  return InBounds(x, y) ? tiles[static_cast<std::size_t>(y) * width + x] : ShipTile();
}

Handle<GameObject> ShipMap::GetTileObject(int x, int y, int slot) const
{
  if (!InBounds(x, y) || slot < 0 || slot >= SlotCount)
    return Handle<GameObject>();
  return tileObjects[SlotIndex(x, y, slot)];
}

glm::ivec2 ShipMap::WorldToTile(float x, float y) const
{
  if (mapTransform == nullptr)
    return glm::ivec2(-1, -1);
  const glm::vec2 origin = mapTransform->GetWorldPosition();
  const glm::vec2 scale = mapTransform->GetScale();
  return glm::ivec2(TileIndexOf(x - origin.x, scale.x), TileIndexOf(y - origin.y, scale.y));
}

glm::vec2 ShipMap::TileToWorld(int x, int y) const
{
  if (mapTransform == nullptr)
    return glm::vec2(0.0f, 0.0f);
  const glm::vec2 origin = mapTransform->GetWorldPosition();
  const glm::vec2 scale = mapTransform->GetScale();
  return origin + glm::vec2((static_cast<float>(x) + 0.5f) * scale.x, (static_cast<float>(y) + 0.5f) * scale.y);
}

bool ShipMap::IsTileAt(float x, float y) const
{
  const glm::ivec2 tile = WorldToTile(x, y);
  return InBounds(tile.x, tile.y) && GetTile(tile.x, tile.y).floor != ShipTile::None;
}

glm::vec2 ShipMap::NearestStandingPlace(glm::vec2 point) const
{
  if (mapTransform == nullptr)
    return point;
  const glm::ivec2 tile = WorldToTile(point.x, point.y);
  if (IsTileAt(point.x, point.y))
    return StandingPlaceOn(tile.x, tile.y, point);
  // Off the floor: the nearest place of any floor tile, so that points off the hull side by side
  // land side by side.
  glm::vec2 nearest = point;
  float nearestDistance = std::numeric_limits<float>::infinity();
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (GetTile(x, y).floor != ShipTile::None)
      {
        const glm::vec2 place = StandingPlaceOn(x, y, point);
        const float distance = glm::length(place - point);
        if (distance < nearestDistance)
        {
          nearest = place;
          nearestDistance = distance;
        }
      }
  return nearest;
}

glm::vec2 ShipMap::StandingPlaceOn(int x, int y, glm::vec2 point) const
{
  const glm::vec2 centre = TileToWorld(x, y);
  const glm::vec2 half = glm::abs(mapTransform->GetScale()) * 0.5f;
  const glm::vec2 walled = glm::max(half - StandingClearance, glm::vec2(0.0f));
  const std::uint8_t walls = GetTile(x, y).walls;
  const auto reach = [walls](std::uint8_t side, float open, float closed) { return (walls & side) != 0 ? closed : open; };
  point.x = std::clamp(point.x, centre.x - reach(ShipWall::Left, half.x, walled.x),
                       centre.x + reach(ShipWall::Right, half.x, walled.x));
  point.y = std::clamp(point.y, centre.y - reach(ShipWall::Bottom, half.y, walled.y),
                       centre.y + reach(ShipWall::Top, half.y, walled.y));
  return point;
}

bool ShipMap::HasNoWall(std::uint8_t bit, int x, int y) const
{
  return (GetTile(x, y).walls & bit) == 0;
}

bool ShipMap::IsPassable(std::uint8_t bit, int x, int y) const
{
  if (HasNoWall(bit, x, y))
    return true;
  char code = ShipTile::None;
  switch (bit)
  {
    case ShipWall::Top: code = GetTile(x, y + 1).bottom; break;
    case ShipWall::Right: code = GetTile(x, y).side; break;
    case ShipWall::Bottom: code = GetTile(x, y).bottom; break;
    case ShipWall::Left: code = GetTile(x - 1, y).side; break;
    default: return false;
  }
  return code == 'D' || code == 'F';
}
