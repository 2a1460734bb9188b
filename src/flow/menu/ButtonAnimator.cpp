#include "flow/menu/ButtonAnimator.h"

#include "flow/actions/SpriteTweens.h"
#include "flow/detectors/Detector.h"
#include "input/DetectorEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"

void ButtonAnimator::OnAwake()
{
  SubscribeOnOwner<DetectorHoverBeginEvent>(this);
  SubscribeOnOwner<DetectorHoverEndEvent>(this);
  if (Sprite* sprite = SpriteTweens::SpriteOf(*this))
    sprite->SetFrame(0);
}

void ButtonAnimator::Synchronize()
{
  if (const Sprite* sprite = SpriteTweens::SpriteOf(*this))
    baseScale = sprite->GetScale();
}

void ButtonAnimator::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "swipeOffset", &swipeOffset, RenderVec2, glm::vec2(10.0f, 10.0f));
  Members::AddMember(members, "smallEmph", &smallEmph, RenderFloat, 1.2f);
  Members::AddMember(members, "largEmph", &largEmph, RenderFloat, 3.0f);
  Members::AddMember(members, "animationTime", &animationTime, RenderFloat, 0.25f);
}

void ButtonAnimator::Emphasise(unsigned frame, float factor)
{
  Sprite* sprite = SpriteTweens::SpriteOf(*this);
  if (sprite == nullptr)
    return;
  sprite->SetFrame(frame);
  SpriteTweens::Tween(*this, *sprite, SpriteTweens::Scale, sprite->GetScale(), baseScale * factor, animationTime);
}

void ButtonAnimator::On(DetectorHoverBeginEvent*)
{
  Emphasise(1, smallEmph);
}

void ButtonAnimator::On(DetectorHoverEndEvent*)
{
  const GameObject* object = GetGameObject();
  if (object != nullptr && !ShowsHover(*object))
    Emphasise(0, 1.0f);
}
