#include "gameplay/ship/WallLogic.h"

#include "core/EventManager.h"
#include "core/Send.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/ObjectEvents.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"

#include <glm/vec2.hpp>

namespace
{
struct Rubble
{
  const char* prefab;
  float along;  // from the wall's position, along the wall
};

// The pieces lie in a row 54 units off the wall's centre, from one end of it to the middle.
constexpr float RubbleDistance = 54.0f;
constexpr Rubble RubblePieces[] = {
    {"rubble_red_1", -54.0f}, {"rubble_red_2", -39.0f}, {"rubble_red_3", -29.0f},
    {"rubble_red_2", -14.0f}, {"rubble_red_1", 1.0f},
};
}  // namespace

void WallLogic::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "sound wall explosion", &breakSound.GetEvent(), RenderSoundPath,
                     std::string(Sound::DefaultPath));
  Members::AddMember(members, "volume", &breakSound.GetVolume(), RenderFloat, 2.0f);
  Members::AddMember(members, "pitch", &breakSound.GetPitch(), RenderFloat, 1.0f);
  Members::AddMember(members, "type", &type, RenderUnsigned, 0u);
}

void WallLogic::OnAwake()
{
  SubscribeOnOwner<CollisionEvent>(this);
  LetSpaceDestroyOwner();
  breakSound.SetEvent(BreakSound);
}

void WallLogic::On(CollisionEvent* event)
{
  if (broken || event->otherGroup != static_cast<std::uint32_t>(CollisionGroup::EXPLOSION))
    return;
  broken = true;
  GameObject* wall = GetGameObject();
  EventManager* manager = EventManager::Instance();
  if (wall == nullptr || manager == nullptr)
    return;
  Queue<GameObjectDestroyedEvent>(BRINDLE_SITE, wall->GetId(), GetOwner());
  manager->Unsubscribe(*this, CollisionEvent::TypeId, wall->GetId());
  breakSound.Play();
  ScatterRubble();
}

void WallLogic::ScatterRubble()
{
  GameObject* wall = GetGameObject();
  if (wall == nullptr || wall->GetTransform() == nullptr)
    return;
  const glm::vec2 position = wall->GetTransform()->GetWorldPosition();
  const bool sideWall = type == 0;
  for (const Rubble& piece : RubblePieces)
  {
    // A side wall's rubble falls in a column just right of it, a bottom wall's in a row below it.
    const glm::vec2 offset = sideWall ? glm::vec2(RubbleDistance, piece.along) : glm::vec2(piece.along, -RubbleDistance);
    SpawnAt(piece.prefab, wall->GetSpace(), position + offset);
  }
}
