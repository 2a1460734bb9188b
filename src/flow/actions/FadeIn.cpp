#include "flow/actions/FadeIn.h"

#include "flow/FlowEvents.h"
#include "flow/actions/SpriteTweens.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"

#include <algorithm>

void FadeIn::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnOwner<FadeEvent>(this);
  if (Sprite* sprite = SpriteTweens::SpriteOf(*this))
    SpriteTweens::SetAlpha(*sprite, 0.0f);
}

void FadeIn::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "currentTime", &currentTime, RenderFloat, 0.0f);
  Members::AddMember(members, "fadeInDuration", &fadeInDuration, RenderFloat, 2.0f);
  Members::AddMember(members, "fadeOutDuration", &fadeOutDuration, RenderFloat, 2.0f);
  Members::AddMember(members, "fadeInStartTime", &fadeInStartTime, RenderFloat, 0.0f);
  Members::AddMember(members, "fadeOutStartTime", &fadeOutStartTime, RenderFloat, 4.0f);
  Members::AddMember(members, "active", &active, RenderBool, true);
}

void FadeIn::On(UpdateEvent* event)
{
  if (!active)
    return;
  currentTime += event->dt;
  const float fadeInEnd = fadeInStartTime + fadeInDuration;
  const float fadeOutEnd = fadeOutStartTime + fadeOutDuration;
  if (Sprite* sprite = SpriteTweens::SpriteOf(*this))
  {
    // Strict bounds: a window of no length is never inside, so there is no division by zero.
    if (currentTime > fadeInStartTime && currentTime < fadeInEnd)
      SpriteTweens::SetAlpha(*sprite, (currentTime - fadeInStartTime) / fadeInDuration);
    if (currentTime > fadeOutStartTime && currentTime < fadeOutEnd)
      SpriteTweens::SetAlpha(*sprite, 1.0f - (currentTime - fadeOutStartTime) / fadeOutDuration);
  }
  if (currentTime > std::max(fadeInEnd, fadeOutEnd))
    active = false;
}

void FadeIn::On(FadeEvent* event)
{
  currentTime = event->fadeIn ? fadeInStartTime : fadeOutStartTime;
  active = true;
}
