#include "ai/spawning/Countdown.h"

#include "core/FiniteCheck.h"
#include "core/Log.h"
#include "object/Component.h"
#include "object/GameObject.h"

bool KeepCountdownFinite(float& countdown, float restart, const Component& owner, const std::string& countdownName)
{
  if (IsFinite(countdown))
    return true;
  const GameObject* object = owner.GetGameObject();
  const std::string prefab = object != nullptr ? object->GetPrefabName() : std::string();
  const std::string name = object != nullptr ? object->GetName() : std::string();
  LogOnce(owner.GetTypeName() + " " + countdownName + " " + prefab, LogLevel::Error, owner.GetTypeName(), " of \"",
          name, "\": ", countdownName, " is not a finite number; it starts again at ", restart, ".");
  countdown = restart;
  return false;
}
