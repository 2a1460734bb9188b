#pragma once
// Fights on the engine's frames, in one live space ("Range"). `controller` hears the space's update
// first, as a controller that woke before the fighters would (after the physics, before the
// queue): set its onEvent to act there. `log` writes down what the test watches.
#include "app/GameSession.h"
#include "core/Send.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/items/ItemEvents.h"
#include "gameplay/weapons/WeaponEvents.h"
#include "object/FrameEvents.h"
#include "object/ObjectEvents.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "render/CameraEvents.h"
#include "support/CapturedLog.h"
#include "support/EventRecorder.h"
#include "support/ScopedEngine.h"

#include <string>

// "<before>-><after>/<most>" in whole hitpoints.
inline std::string HealthLine(const HealthChangedEvent& event)
{
  const auto text = [](float value) { return std::to_string(static_cast<int>(value)); };
  return text(event.previousHitpoints) + "->" + text(event.newHitpoints) + "/" + text(event.maxHitpoints);
}

class CombatScene : public EngineTest
{
protected:
  static constexpr float Dt = FrameStep;

  CombatScene()
  {
    space = LiveSpace("Range");
    controller.Watch(space->GetId());
  }

  CapturedLog output;
  EventRecorder<UpdateEvent> controller;
  EventLog log;
};
