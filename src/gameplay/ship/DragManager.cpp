#include "gameplay/ship/DragManager.h"

#include "gameplay/ship/ShipMap.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Registry.h"
#include "object/Transform.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"

void DragManager::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "onShipDrag", &onShipDrag, RenderFloat, 20.0f);
  Members::AddMember(members, "offShipDrag", &offShipDrag, RenderFloat, 0.95f);
  Members::AddMember(members, "onShipAngularDrag", &onShipAngularDrag, RenderFloat, 20.0f);
  Members::AddMember(members, "offShipAngularDrag", &offShipAngularDrag, RenderFloat, 0.95f);
}

void DragManager::OnAwake()
{
  GameObject* owner = GetGameObject();
  rigidbody = owner != nullptr ? owner->GetComponent<Rigidbody>() : nullptr;
  SubscribeOnSpace<UpdateEvent>(this);
}

bool DragManager::IsOnShip() const
{
  GameObject* owner = GetGameObject();
  Registry* registry = Registry::Instance();
  if (owner == nullptr || registry == nullptr)
    return false;
  // The collider's position is what stands on the deck; a body without one stands where it is.
  const Collider* collider = GetCollider(owner);
  const Transform* transform = owner->GetTransform();
  if (collider == nullptr && transform == nullptr)
    return false;
  const glm::vec2 position = collider != nullptr ? collider->GetPosition() : transform->GetWorldPosition();
  for (const Handle<GameObject>& entry : registry->GetObjects(RegistryType::SHIPS))
  {
    const GameObject* ship = entry.Get();
    if (ship == nullptr || ship->GetSpace() != owner->GetSpace())
      continue;
    const ShipMap* map = ship->GetComponent<ShipMap>();
    if (map != nullptr && map->IsTileAt(position.x, position.y))
      return true;
  }
  return false;
}

void DragManager::On(UpdateEvent*)
{
  if (rigidbody == nullptr)
    return;
  const bool onShip = IsOnShip();
  rigidbody->velocityDrag = onShip ? onShipDrag : offShipDrag;
  rigidbody->angularDrag = onShip ? onShipAngularDrag : offShipAngularDrag;
}
