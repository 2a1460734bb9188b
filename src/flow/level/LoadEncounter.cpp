#include "flow/level/LoadEncounter.h"

#include "ai/ships/FactionProperty.h"
#include "core/Send.h"
#include "flow/level/LevelSpaces.h"
#include "gameplay/LevelEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/ObjectEvents.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/Collider.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"

void LoadEncounter::OnAwake()
{
  SubscribeOnOwner<CollisionEvent>(this);
  LetSpaceDestroyOwner();
}

void LoadEncounter::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "level filename", &levelFilename, RenderString, std::string("skirmish"));
}

void LoadEncounter::On(CollisionEvent* event)
{
  // The touch is heard once the whole step is over, with the group the ship had in it. A ship held
  // out of reach since (another ship boarded it in that step, or the step brought it into the
  // galleon's waters) is boarded by nobody.
  const Collider* collider = GetCollider(event->other.Get());
  if (event->otherGroup == static_cast<std::uint32_t>(CollisionGroup::PLAYER) && collider != nullptr &&
      collider->group == CollisionGroup::PLAYER)
    Board();
}

void LoadEncounter::Board()
{
  if (fired)
    return;
  fired = true;
  GameObject* object = GetGameObject();
  Space* space = GetSpace();
  if (object == nullptr || space == nullptr || !LevelExists(levelFilename, "LoadEncounter"))
    return;
  // A ship no faction launched tells the encounter of none, which its spawners accept.
  const FactionProperty* property = object->GetComponent<FactionProperty>();
  FactionController* faction = property != nullptr ? property->GetController() : nullptr;
  const Transform* transform = object->GetTransform();
  const glm::vec2 position = transform != nullptr ? transform->GetWorldPosition() : glm::vec2(0.0f, 0.0f);
  SendNow<ShipAttackedEvent>(BRINDLE_SITE, space->GetId(), levelFilename, position, faction);
  Queue<GameObjectDestroyedEvent>(BRINDLE_SITE, object->GetId(), GetOwner());
}
