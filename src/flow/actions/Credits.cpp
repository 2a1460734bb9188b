#include "flow/actions/Credits.h"

#include "audio/SoundEvents.h"
#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "flow/actions/SpriteTweens.h"
#include "gameplay/LevelEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"

void Credits::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  timer = SlideLength();
  if (Sprite* sprite = SpriteTweens::SpriteOf(*this); sprite != nullptr && !images.empty())
    sprite->SetSource(images.front());
}

void Credits::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "timePerSlide", &timePerSlide, RenderFloat, 3.0f);
  Members::AddMember(members, "transitionTime", &transitionTime, RenderFloat, 1.0f);
  Members::AddMember(members, "images", &images, DataNotRendered<std::vector<std::string>>,
                     std::vector<std::string>{});
  Members::AddMember(members, "currentImage", &currentImage, RenderUnsigned, 0u);
}

void Credits::On(UpdateEvent* event)
{
  Sprite* sprite = SpriteTweens::SpriteOf(*this);
  if (sprite == nullptr || currentImage >= images.size())
    return;
  const float shown = timePerSlide;
  const float fade = transitionTime;
  timer -= event->dt;
  const float t = timer;
  float alpha = 1.0f;
  if (fade > 0.0f && t > shown + fade)
    alpha = 1.0f - ((t - shown) - fade) / fade;
  else if (t > fade)
    alpha = 1.0f;
  else if (t > 0.0f)
    alpha = t / fade;
  else
  {
    alpha = 0.0f;
    ++currentImage;
    if (currentImage < images.size())
      sprite->SetSource(images[currentImage]);
    else
    {
      Queue<StartUtilityEvent>(BRINDLE_SITE, LevelTransitionChannel, "introlevel");
      SendNow<FadeInto>(BRINDLE_SITE, SoundSystemChannel, "event:/Music/MenuMusic");
    }
    timer = SlideLength();
  }
  SpriteTweens::SetAlpha(*sprite, alpha);
}
