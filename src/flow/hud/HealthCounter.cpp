#include "flow/hud/HealthCounter.h"

#include "flow/hud/HudText.h"
#include "gameplay/combat/CombatEvents.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/SpaceLookup.h"
#include "render/TextToSprite.h"

#include <cmath>
#include <string>

void HealthCounter::OnAwake()
{
  SubscribeOnOwner<HealthChangedEvent>(this);
}

void HealthCounter::Synchronize()
{
  counter = FindHudObject(ShowHudSpace(), "HUD_Health_Counter", "health counter");
  counterText = counter ? counter->GetComponent<TextToSprite>() : nullptr;
}

int HealthCounter::Shown(float hitpoints)
{
  // Not-a-number and anything not above 0 show as 0; the ceiling of the rest fits an int.
  if (!(hitpoints > 0.0f))
    return 0;
  return static_cast<int>(std::ceil(std::fmin(hitpoints, 1e9f)));
}

void HealthCounter::On(HealthChangedEvent* event)
{
  if (counter && counterText != nullptr)
    counterText->SetString(std::to_string(Shown(event->newHitpoints)));
}
