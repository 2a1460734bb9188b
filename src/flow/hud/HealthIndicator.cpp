#include "flow/hud/HealthIndicator.h"

#include "gameplay/combat/CombatEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "render/Sprite.h"

#include <cmath>

void HealthIndicator::OnAwake()
{
  GameObject* owner = GetGameObject();
  sprite = owner != nullptr ? owner->GetComponent<Sprite>() : nullptr;
  SubscribeOnSpace<UpdateEvent>(this);
  beatOne.SetEvent("event:/SFX/Heartbeat1");
  beatTwo.SetEvent("event:/SFX/Heartbeat2");
}

void HealthIndicator::GetMembers(std::vector<MemberBase*>& members)
{
  const HealthIndicator reference;
  Members::AddMember(members, "alphaDelta", &alphaDelta, RenderFloat, reference.alphaDelta);
  Members::AddMember(members, "middleGap", &middleGap, RenderFloat, reference.middleGap);
  Members::AddMember(members, "bottomGap", &bottomGap, RenderFloat, reference.bottomGap);
  Members::AddMember(members, "topGap", &topGap, RenderFloat, reference.topGap);
  Members::AddMember(members, "firstBeatDuration", &firstBeatDuration, RenderFloat, reference.firstBeatDuration);
  Members::AddMember(members, "secondBeatDuration", &secondBeatDuration, RenderFloat, reference.secondBeatDuration);
  Members::AddMember(members, "decreaseDuration", &decreaseDuration, RenderFloat, reference.decreaseDuration);
  Members::AddMember(members, "beatOne", &beatOne.GetEvent(), RenderSoundPath, std::string(Sound::DefaultPath));
  Members::AddMember(members, "beatTwo", &beatTwo.GetEvent(), RenderSoundPath, std::string(Sound::DefaultPath));
}

void HealthIndicator::On(HealthChangedEvent* event)
{
  // A body without hitpoints to lose counts as healthy rather than dividing by zero.
  healthFraction = event->maxHitpoints > 0.0f ? event->newHitpoints / event->maxHitpoints : 1.0f;
  if (event->newHitpoints <= 0.0f)
    dead = true;
}

float HealthIndicator::BeatLevel(float time) const
{
  const float bounds[7] = {0.0f,
                           bottomGap,
                           bottomGap + firstBeatDuration,
                           bottomGap + firstBeatDuration + middleGap,
                           bottomGap + firstBeatDuration + middleGap + secondBeatDuration,
                           bottomGap + firstBeatDuration + middleGap + secondBeatDuration + topGap,
                           bottomGap + firstBeatDuration + middleGap + secondBeatDuration + topGap +
                               decreaseDuration};
  for (int phase = 0; phase < 6; ++phase)
  {
    const float length = bounds[phase + 1] - bounds[phase];
    // A phase of no length is never inside.
    if (length <= 0.0f)
      continue;
    const float p = (time - bounds[phase]) / length;
    if (p < 0.0f || p >= 1.0f)
      continue;
    switch (phase)
    {
      case 0: return 0.0f;
      case 1: return 0.5f * p;
      case 2: return 0.5f;
      case 3: return 0.5f + 0.5f * p;
      case 4: return 1.0f;
      default: return static_cast<float>(std::sin((1.0f - p) * 3.14159265358979 / 2.0));
    }
  }
  return 0.0f;
}

void HealthIndicator::On(UpdateEvent* event)
{
  const float firstBeat = bottomGap;
  const float secondBeat = bottomGap + firstBeatDuration + middleGap;
  const float period = secondBeat + secondBeatDuration + topGap + decreaseDuration;
  beatTimer += event->dt;
  if (period <= 0.0f)
    beatTimer = 0.0f;
  else if (beatTimer >= period)
  {
    // One period per update, however long the step: the beat carries on where it would have been.
    beatTimer = std::fmod(beatTimer, period);
    beatOnePlayed = false;
    beatTwoPlayed = false;
  }
  const float level = BeatLevel(beatTimer);
  if (healthFraction < 0.5f)
  {
    if (!beatOnePlayed && beatTimer > firstBeat)
    {
      beatOnePlayed = true;
      if (!dead)
        beatOne.Play();
    }
    if (!beatTwoPlayed && beatTimer > secondBeat)
    {
      beatTwoPlayed = true;
      if (!dead)
        beatTwo.Play();
    }
  }
  if (sprite != nullptr)
  {
    fColor color = sprite->GetColor();
    color.a = (1.0f - healthFraction) * (1.0f - level * alphaDelta);
    sprite->SetColor(color);
  }
}
