#include "flow/menu/ToggleButtonAnimator.h"

#include "flow/FlowEvents.h"
#include "flow/actions/SpriteTweens.h"
#include "flow/detectors/Detector.h"
#include "input/DetectorEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Transform.h"

namespace
{
const fColor Opaque(1.0f, 1.0f, 1.0f, 1.0f);
const fColor Clear(1.0f, 1.0f, 1.0f, 0.0f);
}  // namespace

void ToggleButtonAnimator::OnAwake()
{
  SubscribeOnOwner<ButtonToggledEvent>(this);
  SubscribeOnOwner<DetectorHoverBeginEvent>(this);
  SubscribeOnOwner<DetectorHoverEndEvent>(this);
}

void ToggleButtonAnimator::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "swipeOffset", &swipeOffset, RenderVec2, glm::vec2(10.0f, 10.0f));
  Members::AddMember(members, "smallEmphScale", &smallEmphScale, RenderVec2, glm::vec2(1.5f, 1.5f));
  Members::AddMember(members, "largEmphScale", &largEmphScale, RenderVec2, glm::vec2(3.0f, 3.0f));
  Members::AddMember(members, "animationTime", &animationTime, RenderFloat, 0.25f);
}

Sprite* ToggleButtonAnimator::Indicator() const
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return nullptr;
  if (const Transform* transform = object->GetTransform())
    for (const Transform* child : transform->GetChildren())
      if (GameObject* indicator = child != nullptr ? child->GetGameObject() : nullptr)
        if (Sprite* sprite = indicator->GetComponent<Sprite>())
          return sprite;
  return object->GetComponent<Sprite>();
}

void ToggleButtonAnimator::On(ButtonToggledEvent* event)
{
  on = event->state;
  Sprite* sprite = Indicator();
  if (sprite == nullptr)
    return;
  // The state reported as the button wakes is shown as it stands: playing a switch there would show
  // every toggle, the ones that are off too, with a large fading check while the menu appears.
  if (!shown)
  {
    shown = true;
    sprite->SetColor(on ? Opaque : Clear);
    sprite->SetScale(1.0f, 1.0f);
    sprite->SetOffset(0.0f, 0.0f);
    return;
  }
  using namespace SpriteTweens;
  const glm::vec2 home(0.0f, 0.0f);
  if (on)
  {
    Tween(*this, *sprite, Color, Clear, Opaque, animationTime);
    Tween(*this, *sprite, Scale, largEmphScale, smallEmphScale, animationTime);
    Tween(*this, *sprite, Offset, swipeOffset, home, animationTime);
  }
  else
  {
    Tween(*this, *sprite, Color, Opaque, Clear, animationTime);
    Tween(*this, *sprite, Scale, glm::vec2(1.0f, 1.0f), glm::vec2(3.0f, 3.0f), animationTime);
    Tween(*this, *sprite, Offset, home, swipeOffset, animationTime);
  }
}

void ToggleButtonAnimator::Settle(Sprite& sprite, const glm::vec2& scale)
{
  SpriteTweens::Tween(*this, sprite, SpriteTweens::Color, sprite.GetColor(), on ? Opaque : Clear, animationTime);
  SpriteTweens::Tween(*this, sprite, SpriteTweens::Scale, sprite.GetScale(), scale, animationTime);
  sprite.SetOffset(0.0f, 0.0f);
}

void ToggleButtonAnimator::On(DetectorHoverBeginEvent*)
{
  const GameObject* object = GetGameObject();
  if (object == nullptr || !ShowsHover(*object))
    return;
  if (Sprite* sprite = Indicator())
    Settle(*sprite, smallEmphScale);
}

void ToggleButtonAnimator::On(DetectorHoverEndEvent*)
{
  const GameObject* object = GetGameObject();
  if (object == nullptr || ShowsHover(*object))
    return;
  if (Sprite* sprite = Indicator())
    Settle(*sprite, glm::vec2(1.0f, 1.0f));
}
