#pragma once
// The collision groups; which pairs collide is the physics module's table.
#include "object/EnumNames.h"

#include <string>

enum class CollisionGroup : int
{
  PLAYER,
  ENEMY,
  NO_COLLISIONS,
  PROJECTILE,
  SHIP,
  WALL,
  ITEMS,
  PHYSICS_ZONE,
  PROPS,
  DOORS,
  ENEMY_PROJECTILE,
  LIGHT,
  INTERACTION_ZONE,
  FORCE_FIELD,
  EXPLOSION,
  LIGHT_BLOCK,
  PLAYER_NOCLIP,
  GUI,
  WORLD_BOUNDARY,
  COLLECTION_ZONE,
  DETECT_WALLS,
  PATHING,
  PICKUP,
  PLAYER_LASER,
  ENEMY_LASER,
  BLOCKS_LASER,
  ITEM_PICKUP,
  BOSS_ELEVATED_WALL,
  BOSS_LASER,
  BOSS_BALL,
  LOOT,
  SODA,
  SHIELD,
  VISION,
  PLAYER_VISION,
  INVALID_GROUP,
  NUM_OF_GROUPS
};

template <>
struct EnumNames<CollisionGroup>
{
  // INVALID_GROUP is a real value that files may name; only NUM_OF_GROUPS is not.
  static constexpr std::size_t count = static_cast<std::size_t>(CollisionGroup::NUM_OF_GROUPS);
  static constexpr const char* names[count + 1] = {
      "PLAYER",        "ENEMY",          "NO_COLLISIONS", "PROJECTILE",   "SHIP",
      "WALL",          "ITEMS",          "PHYSICS_ZONE",  "PROPS",        "DOORS",
      "ENEMY_PROJECTILE", "LIGHT",       "INTERACTION_ZONE", "FORCE_FIELD", "EXPLOSION",
      "LIGHT_BLOCK",   "PLAYER_NOCLIP",  "GUI",           "WORLD_BOUNDARY", "COLLECTION_ZONE",
      "DETECT_WALLS",  "PATHING",        "PICKUP",        "PLAYER_LASER", "ENEMY_LASER",
      "BLOCKS_LASER",  "ITEM_PICKUP",    "BOSS_ELEVATED_WALL", "BOSS_LASER", "BOSS_BALL",
      "LOOT",          "SODA",           "SHIELD",        "VISION",       "PLAYER_VISION",
      "INVALID_GROUP", "NUM_OF_GROUPS"};
  static constexpr const char* notFoundMessage = "Did not find collision group";
  static constexpr bool acceptsNumbers = false;
};

// The inspector's picker of the names above (defined in editor/MemberWidgets.cpp).
void RenderCollisionGroup(const std::string& label, CollisionGroup* value);
