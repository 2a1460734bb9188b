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
#include "render/Graphics.h"

#include <cmath>
#include <glm/common.hpp>

namespace
{
// How far from the middle of the view the focus may stand, as fractions of the half view: the
// HUD lines the screen's top and the dialogue boxes its bottom, so neither the lead nor the
// camera's lag behind a running player may push the focus under them.
constexpr float MiddleAcross = 0.5f;
constexpr float MiddleUpDown = 0.25f;

// Half the world a camera of that scale shows across and up, through the renderer's projection
// (a 1920 x 1080 view at scale 1 without a renderer).
glm::vec2 HalfView(glm::vec2 scale)
{
  glm::vec2 half(960.0f, 540.0f);
  if (const Graphics::Graphics* renderer = Graphics::Graphics::Current())
  {
    const float across = renderer->projection[0][0];
    const float upDown = renderer->projection[1][1];
    if (std::isfinite(across) && std::isfinite(upDown) && across != 0.0f && upDown != 0.0f)
      half = glm::vec2(1.0f / std::fabs(across), 1.0f / std::fabs(upDown));
  }
  return half * glm::vec2(std::fabs(scale.x), std::fabs(scale.y));
}

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
  const glm::vec2 focusAt = focus->GetTransform()->GetWorldPosition();
  const glm::vec2 target = focusAt + leadAmount * AimOf(*focus);
  const glm::vec2 at = owner->GetTransform()->GetWorldPosition();
  const glm::vec2 next = at + event->dt * (translationSpeed * (target - at));
  const glm::vec2 reach = HalfView(owner->GetTransform()->GetScale()) * glm::vec2(MiddleAcross, MiddleUpDown);
  const glm::vec2 kept = glm::clamp(next, focusAt - reach, focusAt + reach);
  owner->GetTransform()->SetWorldPosition(kept.x, kept.y);
}

void CameraLeash::On(SetLead* event)
{
  leadAmount = event->lead;
}
