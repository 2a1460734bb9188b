#include "gameplay/ship/ShipFloor.h"

#include "gameplay/ship/ShipMap.h"
#include "object/GameObject.h"
#include "object/Registry.h"

glm::vec2 PlaceOnShipFloor(Space* space, glm::vec2 point)
{
  Registry* registry = Registry::Instance();
  if (space == nullptr || registry == nullptr)
    return point;
  const ShipMap* chosen = nullptr;
  for (const Handle<GameObject>& ship : registry->GetObjects(RegistryType::SHIPS))
  {
    const ShipMap* map = ship.IsValid() && ship->GetSpace() == space ? ship->GetComponent<ShipMap>() : nullptr;
    if (map == nullptr)
      continue;
    const glm::ivec2 tile = map->WorldToTile(point.x, point.y);
    if (map->InBounds(tile.x, tile.y))
      return map->NearestStandingPlace(point);
    if (chosen == nullptr)
      chosen = map;
  }
  return chosen != nullptr ? chosen->NearestStandingPlace(point) : point;
}
