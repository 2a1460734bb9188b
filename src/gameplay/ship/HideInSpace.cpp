#include "gameplay/ship/HideInSpace.h"

#include "gameplay/ship/ShipMap.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/Transform.h"
#include "render/Sprite.h"

void HideInSpace::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
}

void HideInSpace::On(UpdateEvent*)
{
  GameObject* object = GetGameObject();
  Sprite* sprite = object != nullptr ? object->GetComponent<Sprite>() : nullptr;
  if (sprite == nullptr)
    return;
  bool aboard = false;
  Registry* registry = Registry::Instance();
  if (registry != nullptr && object->GetTransform() != nullptr)
  {
    const Registry::ObjectList& ships = registry->GetObjects(RegistryType::SHIPS);
    const ShipMap* map = !ships.empty() && ships.front() ? ships.front()->GetComponent<ShipMap>() : nullptr;
    const glm::vec2 position = object->GetTransform()->GetWorldPosition();
    aboard = map != nullptr && map->IsTileAt(position.x, position.y);
  }
  sprite->SetDraw(aboard);
}
