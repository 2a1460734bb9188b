#include "physics/CollisionResponseTable.h"

namespace
{
struct GroupPair
{
  CollisionGroup first;
  CollisionGroup second;
};

// Each unordered pair once; a group paired with itself stands once too.
constexpr GroupPair PushPairs[] = {
    {CollisionGroup::BLOCKS_LASER, CollisionGroup::SHIELD},
    {CollisionGroup::BOSS_BALL, CollisionGroup::DOORS},
    {CollisionGroup::BOSS_BALL, CollisionGroup::WALL},
    {CollisionGroup::BOSS_ELEVATED_WALL, CollisionGroup::BOSS_LASER},
    {CollisionGroup::BOSS_ELEVATED_WALL, CollisionGroup::ENEMY},
    {CollisionGroup::BOSS_ELEVATED_WALL, CollisionGroup::ITEMS},
    {CollisionGroup::BOSS_ELEVATED_WALL, CollisionGroup::ITEM_PICKUP},
    {CollisionGroup::BOSS_ELEVATED_WALL, CollisionGroup::PLAYER},
    {CollisionGroup::BOSS_ELEVATED_WALL, CollisionGroup::PROPS},
    {CollisionGroup::BOSS_LASER, CollisionGroup::SHIELD},
    {CollisionGroup::DOORS, CollisionGroup::ITEMS},
    {CollisionGroup::DOORS, CollisionGroup::PROPS},
    {CollisionGroup::DOORS, CollisionGroup::SODA},
    {CollisionGroup::DOORS, CollisionGroup::WORLD_BOUNDARY},
    {CollisionGroup::ENEMY, CollisionGroup::ENEMY},
    {CollisionGroup::ENEMY, CollisionGroup::PLAYER},
    {CollisionGroup::ENEMY, CollisionGroup::SHIELD},
    {CollisionGroup::ENEMY, CollisionGroup::SODA},
    {CollisionGroup::ENEMY, CollisionGroup::WALL},
    {CollisionGroup::ENEMY_LASER, CollisionGroup::SHIELD},
    {CollisionGroup::ENEMY_PROJECTILE, CollisionGroup::WORLD_BOUNDARY},
    {CollisionGroup::EXPLOSION, CollisionGroup::ITEMS},
    {CollisionGroup::EXPLOSION, CollisionGroup::PROPS},
    {CollisionGroup::FORCE_FIELD, CollisionGroup::LOOT},
    {CollisionGroup::ITEMS, CollisionGroup::ITEMS},
    {CollisionGroup::ITEMS, CollisionGroup::LOOT},
    {CollisionGroup::ITEMS, CollisionGroup::PICKUP},
    {CollisionGroup::ITEMS, CollisionGroup::SHIP},
    {CollisionGroup::ITEMS, CollisionGroup::SODA},
    {CollisionGroup::ITEMS, CollisionGroup::WALL},
    {CollisionGroup::ITEMS, CollisionGroup::WORLD_BOUNDARY},
    {CollisionGroup::ITEM_PICKUP, CollisionGroup::ITEM_PICKUP},
    {CollisionGroup::LIGHT_BLOCK, CollisionGroup::WORLD_BOUNDARY},
    {CollisionGroup::LOOT, CollisionGroup::LOOT},
    {CollisionGroup::LOOT, CollisionGroup::PROPS},
    {CollisionGroup::LOOT, CollisionGroup::SODA},
    {CollisionGroup::LOOT, CollisionGroup::WALL},
    {CollisionGroup::PICKUP, CollisionGroup::PICKUP},
    {CollisionGroup::PICKUP, CollisionGroup::PROPS},
    {CollisionGroup::PLAYER, CollisionGroup::PROPS},
    {CollisionGroup::PLAYER, CollisionGroup::SHIP},
    {CollisionGroup::PLAYER, CollisionGroup::SODA},
    {CollisionGroup::PLAYER, CollisionGroup::WALL},
    {CollisionGroup::PLAYER, CollisionGroup::WORLD_BOUNDARY},
    {CollisionGroup::PLAYER_NOCLIP, CollisionGroup::WORLD_BOUNDARY},
    {CollisionGroup::PROJECTILE, CollisionGroup::PROPS},
    {CollisionGroup::PROPS, CollisionGroup::PROPS},
    {CollisionGroup::PROPS, CollisionGroup::SHIP},
    {CollisionGroup::PROPS, CollisionGroup::SODA},
    {CollisionGroup::PROPS, CollisionGroup::WALL},
    {CollisionGroup::PROPS, CollisionGroup::WORLD_BOUNDARY},
    {CollisionGroup::SODA, CollisionGroup::SODA},
    {CollisionGroup::SODA, CollisionGroup::WALL},
    {CollisionGroup::WALL, CollisionGroup::WORLD_BOUNDARY},
};

constexpr GroupPair TriggerPairs[] = {
    {CollisionGroup::BLOCKS_LASER, CollisionGroup::DOORS},
    {CollisionGroup::BLOCKS_LASER, CollisionGroup::PROPS},
    {CollisionGroup::BLOCKS_LASER, CollisionGroup::WALL},
    {CollisionGroup::BOSS_BALL, CollisionGroup::PLAYER},
    {CollisionGroup::BOSS_LASER, CollisionGroup::WALL},
    {CollisionGroup::COLLECTION_ZONE, CollisionGroup::ITEMS},
    {CollisionGroup::DETECT_WALLS, CollisionGroup::WALL},
    {CollisionGroup::DOORS, CollisionGroup::ENEMY},
    {CollisionGroup::DOORS, CollisionGroup::ENEMY_PROJECTILE},
    {CollisionGroup::DOORS, CollisionGroup::EXPLOSION},
    {CollisionGroup::DOORS, CollisionGroup::PLAYER},
    {CollisionGroup::DOORS, CollisionGroup::PROJECTILE},
    {CollisionGroup::ENEMY, CollisionGroup::EXPLOSION},
    {CollisionGroup::ENEMY, CollisionGroup::INTERACTION_ZONE},
    {CollisionGroup::ENEMY, CollisionGroup::ITEMS},
    {CollisionGroup::ENEMY, CollisionGroup::PHYSICS_ZONE},
    {CollisionGroup::ENEMY, CollisionGroup::PLAYER_LASER},
    {CollisionGroup::ENEMY, CollisionGroup::PLAYER_NOCLIP},
    {CollisionGroup::ENEMY, CollisionGroup::PLAYER_VISION},
    {CollisionGroup::ENEMY, CollisionGroup::PROJECTILE},
    {CollisionGroup::ENEMY, CollisionGroup::PROPS},
    {CollisionGroup::ENEMY, CollisionGroup::SHIP},
    {CollisionGroup::ENEMY_LASER, CollisionGroup::PLAYER},
    {CollisionGroup::ENEMY_LASER, CollisionGroup::PLAYER_NOCLIP},
    {CollisionGroup::ENEMY_PROJECTILE, CollisionGroup::PLAYER},
    {CollisionGroup::ENEMY_PROJECTILE, CollisionGroup::PLAYER_NOCLIP},
    {CollisionGroup::ENEMY_PROJECTILE, CollisionGroup::PROPS},
    {CollisionGroup::ENEMY_PROJECTILE, CollisionGroup::SHIELD},
    {CollisionGroup::ENEMY_PROJECTILE, CollisionGroup::WALL},
    {CollisionGroup::EXPLOSION, CollisionGroup::PLAYER},
    {CollisionGroup::EXPLOSION, CollisionGroup::PLAYER_NOCLIP},
    {CollisionGroup::EXPLOSION, CollisionGroup::WALL},
    {CollisionGroup::INTERACTION_ZONE, CollisionGroup::PLAYER},
    {CollisionGroup::INTERACTION_ZONE, CollisionGroup::SHIP},
    {CollisionGroup::ITEMS, CollisionGroup::ITEM_PICKUP},
    {CollisionGroup::ITEMS, CollisionGroup::PHYSICS_ZONE},
    {CollisionGroup::ITEMS, CollisionGroup::PLAYER},
    {CollisionGroup::ITEMS, CollisionGroup::PLAYER_NOCLIP},
    {CollisionGroup::ITEM_PICKUP, CollisionGroup::LOOT},
    {CollisionGroup::LIGHT, CollisionGroup::LIGHT_BLOCK},
    {CollisionGroup::LOOT, CollisionGroup::PHYSICS_ZONE},
    {CollisionGroup::PATHING, CollisionGroup::PLAYER_NOCLIP},
    {CollisionGroup::PATHING, CollisionGroup::PROPS},
    {CollisionGroup::PATHING, CollisionGroup::WALL},
    {CollisionGroup::PATHING, CollisionGroup::WORLD_BOUNDARY},
    {CollisionGroup::PHYSICS_ZONE, CollisionGroup::PICKUP},
    {CollisionGroup::PHYSICS_ZONE, CollisionGroup::PLAYER},
    {CollisionGroup::PHYSICS_ZONE, CollisionGroup::PROPS},
    {CollisionGroup::PICKUP, CollisionGroup::PLAYER},
    {CollisionGroup::PICKUP, CollisionGroup::PLAYER_NOCLIP},
    {CollisionGroup::PLAYER, CollisionGroup::PLAYER_NOCLIP},
    {CollisionGroup::PLAYER, CollisionGroup::VISION},
    {CollisionGroup::PLAYER_LASER, CollisionGroup::PLAYER_NOCLIP},
    {CollisionGroup::PLAYER_NOCLIP, CollisionGroup::PLAYER_NOCLIP},
    {CollisionGroup::PLAYER_NOCLIP, CollisionGroup::PROJECTILE},
    {CollisionGroup::PLAYER_VISION, CollisionGroup::WALL},
    {CollisionGroup::PROJECTILE, CollisionGroup::SHIP},
    {CollisionGroup::PROJECTILE, CollisionGroup::WALL},
    {CollisionGroup::SHIP, CollisionGroup::SHIP},
    {CollisionGroup::VISION, CollisionGroup::WALL},
};
}  // namespace

CollisionResponseTable::CollisionResponseTable()
{
  InitCollisionResponseTable();
}

void CollisionResponseTable::InitCollisionResponseTable()
{
  for (auto& row : table)
    row.fill(NoResponse);
  auto set = [this](const GroupPair& pair, std::uint32_t response) {
    const auto first = static_cast<std::uint32_t>(pair.first);
    const auto second = static_cast<std::uint32_t>(pair.second);
    table[first][second] = response;
    table[second][first] = response;
  };
  for (const GroupPair& pair : PushPairs)
    set(pair, PushResponse);
  for (const GroupPair& pair : TriggerPairs)
    set(pair, TriggerResponse);
}
