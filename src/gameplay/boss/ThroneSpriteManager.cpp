#include "gameplay/boss/ThroneSpriteManager.h"

#include "gameplay/combat/Health.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "render/Sprite.h"

#include <algorithm>

void ThroneSpriteManager::OnAwake()
{
  GameObject* owner = GetGameObject();
  health = owner != nullptr ? owner->GetComponent<Health>() : nullptr;
  fullHealth = health != nullptr ? health->GetMaxHitpoints() : 0.0f;
  crackSound.SetEvent(CrackSoundPath);
  sprite = owner != nullptr ? owner->GetComponent<Sprite>() : nullptr;  // it may wake after us
  SubscribeOnSpace<UpdateEvent>(this);
}

std::size_t ThroneSpriteManager::GetStagesReached() const
{
  return static_cast<std::size_t>(std::count(stages.begin(), stages.end(), true));
}

void ThroneSpriteManager::On(UpdateEvent*)
{
  // A throne without health to measure (or with none to lose) never cracks.
  if (health == nullptr || !(fullHealth > 0.0f))
    return;
  const float ratio = health->GetHitpoints() / fullHealth;
  for (std::size_t stage = 0; stage < StageCount; ++stage)
  {
    if (stages[stage] || !(ratio < Thresholds[stage]))
      continue;
    crackSound.Play();
    if (sprite != nullptr)
      sprite->SetSource(Textures[stage]);
    stages[stage] = true;
    return;
  }
}
