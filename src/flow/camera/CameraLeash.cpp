#include "flow/camera/CameraLeash.h"

#include "gameplay/player/PlayerController.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/NamedObjects.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "render/CameraEvents.h"

namespace
{
// The direction the focus aims in, when it is a player; none otherwise.
glm::vec2 AimOf(GameObject& focus)
{
  const PlayerController* player = focus.GetComponent<PlayerController>();
  return player != nullptr ? player->GetAimDirection() : glm::vec2(0.0f, 0.0f);
}
}  // namespace

void CameraLeash::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnSpace<SetLead>(this);
}

void CameraLeash::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "name of focus", &focusName, RenderString, std::string());
  Members::AddMember(members, "lead amount", &leadAmount, RenderFloat, 300.0f);
  Members::AddMember(members, "translations speed", &translationSpeed, RenderFloat, 2.3f);
  Members::AddMember(members, "boss", &boss, RenderBool, false);
}

void CameraLeash::On(UpdateEvent* event)
{
  GameObject* owner = GetGameObject();
  Space* space = GetSpace();
  if (owner == nullptr || space == nullptr)
    return;
  if (!focus)
  {
    focus = FindNamedObject(space, focusName);
    if (!focus)
      return;
  }
  if (!boss)
    if (Registry* registry = Registry::Instance())
      for (const Handle<GameObject>& player : registry->GetObjects(RegistryType::PLAYERS))
      {
        if (player && player->GetSpace() != nullptr && player->GetSpace()->GetSpaceName() == space->GetSpaceName())
        {
          focus = player;
          break;
        }
      }
  const glm::vec2 target = focus->GetTransform()->GetWorldPosition() + leadAmount * AimOf(*focus);
  const glm::vec2 at = owner->GetTransform()->GetWorldPosition();
  const glm::vec2 next = at + event->dt * (translationSpeed * (target - at));
  owner->GetTransform()->SetWorldPosition(next.x, next.y);
}

void CameraLeash::On(SetLead* event)
{
  leadAmount = event->lead;
}
