#include "flow/hud/EncounterTimer.h"

#include "core/Log.h"
#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "flow/hud/HudText.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/ship/ShipFloor.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Members.h"
#include "object/NamedObjects.h"
#include "object/Registry.h"
#include "object/Removal.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/Rigidbody.h"
#include "render/CameraEvents.h"
#include "render/Sprite.h"

#include <cmath>
#include <iomanip>
#include <sstream>

void EncounterTimer::OnAwake()
{
  SubscribeOnSpace<StopTimerEvent>(this);
  stage = 0;
}

void EncounterTimer::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "clockTime", &clockTime, RenderFloat, 100.0f);
  Members::AddMember(members, "bearFallingTimer", &bearFallingTimer, RenderFloat, 0.0f);
  Members::AddMember(members, "bearFallDuration", &bearFallDuration, RenderFloat, 1.7f);
  Members::AddMember(members, "bearFallForce", &bearFallForce, RenderFloat, 2000.0f);
  Members::AddMember(members, "active", &active, RenderBool, false);
}

void EncounterTimer::On(StopTimerEvent*)
{
  active = false;
}

void EncounterTimer::SetDial(const char* texture)
{
  if (clock && clockSprite != nullptr)
    clockSprite->SetSource(texture);
}

void EncounterTimer::ShowClock(float seconds)
{
  if (!clock)
    return;
  // Past the end (the clock runs on below 0 until it is stopped) and not-a-number show 0.00; the
  // display holds five digits before the point.
  std::ostringstream text;
  text << std::fixed << std::setprecision(2) << (seconds > 0.0f ? std::fmin(seconds, 99999.0f) : 0.0f);
  ShowHudText(clockText, text.str());
}

void EncounterTimer::On(UpdateEvent* event)
{
  if (!active)
    return;
  switch (stage)
  {
    case 0:
      if (GameobjectFactory* factory = GameobjectFactory::Instance())
        factory->CreateGameObject(clock, "HUD_Clock", GetSpace(), "Clock");
      clockSprite = clock ? clock->GetComponent<Sprite>() : nullptr;
      clockText = clock ? clock->GetComponent<TextToSprite>() : nullptr;
      if (clockText != nullptr)
        clockText->SetColor(fColor(1.0f, 0.3f, 0.3f, 1.0f));
      ShowClock(clockTime);
      stage = 1;
      // A sign for whoever watches the log (the play-through script): the clock is on the HUD.
      LogLine("Encounter clock: started");
      break;
    case 1:
      stage = 2;
      SetDial("HUD_timer_bear_lessangry");
      break;
    case 2:
      clockTime -= rate * event->dt;
      ShowClock(clockTime);
      if (clockTime < AngryThreshold)
        SetDial("HUD_timer_bear_moreangry");
      if (clockTime >= 0.0f)
        return;
      stage = 3;
      LogLine("Encounter clock: run out");
      break;
    case 3:
      DropBears();
      FallBears(event->dt);
      break;
    default: FallBears(event->dt); break;
  }
  if (clockTime < 0.0f && GetSpace() != nullptr)
    Queue<TimerExpired>(BRINDLE_SITE, GetSpace()->GetId());
}

void EncounterTimer::DropBears()
{
  ShowClock(0.0f);
  SetDial("HUD_timer_nobears");
  stage = 4;
  Registry* registry = Registry::Instance();
  if (registry == nullptr || registry->GetObjects(RegistryType::PLAYERS).empty())
    return;
  const Handle<GameObject> player = registry->GetObjects(RegistryType::PLAYERS).back();
  Space* playerSpace = player ? player->GetSpace() : nullptr;
  const Handle<GameObject> camera = FindNamedObject(playerSpace, "EN Camera");
  GameobjectFactory* factory = GameobjectFactory::Instance();
  if (!camera || factory == nullptr)
    return;
  const glm::vec2 at = camera->GetTransform()->GetWorldPosition();
  factory->CreateGameObjectAt(bearOne, "HUD_JumpingBear", playerSpace, at.x, at.y, "Bear1");
  factory->CreateGameObjectAt(bearTwo, "HUD_JumpingBear", playerSpace, at.x, at.y, "Bear2");
  if (!bearOne || !bearTwo)
    return;
  bearOne->GetTransform()->SetParent(camera->GetTransform());
  bearTwo->GetTransform()->SetParent(camera->GetTransform());
  bearOne->GetTransform()->SetPosition({130.0f, 450.0f});
  bearTwo->GetTransform()->SetPosition({-130.0f, 450.0f});
  bearFallingTimer = bearFallDuration;
}

void EncounterTimer::FallBears(float dt)
{
  if (bearFallingTimer <= 0.0f || !bearOne || !bearTwo)
    return;
  // A fall of no length lands at once.
  const float t = bearFallDuration > 0.0f ? bearFallingTimer / bearFallDuration : 0.0f;
  const float size = (1.0f - t) * 0.35f + t * 0.2f;
  bearOne->GetTransform()->SetScale({size, size});
  bearTwo->GetTransform()->SetScale({size, size});
  bearFallingTimer -= dt;
  auto* bodyOne = bearOne->GetComponent<Rigidbody>();
  auto* bodyTwo = bearTwo->GetComponent<Rigidbody>();
  if (bodyOne != nullptr && bodyTwo != nullptr)
  {
    bodyOne->AddForce(0.0f, -bearFallForce);
    bodyTwo->AddForce(0.0f, -bearFallForce);
  }
  if (bearFallingTimer > 0.0f)
    return;
  Space* space = bearOne->GetSpace();
  // They fall about the camera, which may look out past the hull: they land on the deck.
  const glm::vec2 landedOne = PlaceOnShipFloor(space, bearOne->GetTransform()->GetWorldPosition());
  const glm::vec2 landedTwo = PlaceOnShipFloor(space, bearTwo->GetTransform()->GetWorldPosition());
  QueueRemoval(bearOne);
  QueueRemoval(bearTwo);
  if (GameobjectFactory* factory = GameobjectFactory::Instance())
  {
    Handle<GameObject> police;
    factory->CreateGameObjectAt(police, "AI_bear_police", space, landedOne.x, landedOne.y, "AI_bear_police");
    factory->CreateGameObjectAt(police, "AI_bear_police", space, landedTwo.x, landedTwo.y, "AI_bear_police");
  }
  if (space != nullptr)
    Queue<ShakeEvent>(BRINDLE_SITE, space->GetId(), 0.5f);
}
