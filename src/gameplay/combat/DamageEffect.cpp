#include "gameplay/combat/DamageEffect.h"

#include "gameplay/combat/CombatEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "render/Sprite.h"

#include <algorithm>

void DamageEffect::OnAwake()
{
  SubscribeOnOwner<HealthChangedEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
}

void DamageEffect::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "flashDuration", &flashDuration, RenderFloat, 0.3f);
  Members::AddMember(members, "timer", &timer, RenderFloat, 0.0f);
}

void DamageEffect::On(HealthChangedEvent* event)
{
  GameObject* object = GetGameObject();
  if (timer <= 0.0f && event->previousHitpoints > event->newHitpoints && object != nullptr &&
      object->GetComponent<Sprite>() != nullptr)
    timer = flashDuration;
}

void DamageEffect::On(UpdateEvent* event)
{
  GameObject* object = GetGameObject();
  Sprite* sprite = object != nullptr ? object->GetComponent<Sprite>() : nullptr;
  if (sprite == nullptr || !(timer > 0.0f))
    return;
  timer -= event->dt;
  // A flash of no length has nothing to fade: the sprite just stays opaque.
  float alpha = 1.0f;
  if (flashDuration > 0.0f)
    alpha = timer > flashDuration ? (timer - flashDuration) / flashDuration : (flashDuration - timer) / flashDuration;
  fColor colour = sprite->GetColor();
  colour.a = std::clamp(alpha, 0.0f, 1.0f);
  sprite->SetColor(colour);
}
