#include "flow/hud/HudText.h"

#include "core/Log.h"
#include "object/NamedObjects.h"

#include <cmath>

Handle<GameObject> FindHudObject(Space* hud, const std::string& name, const char* wantedBy)
{
  Handle<GameObject> found = FindNamedObject(hud, name);
  if (!found && hud != nullptr)
    LogOnce("HUD object " + name, LogLevel::Warning, "The HUD has no object \"", name, "\" for the ", wantedBy,
            "; it is not shown.");
  return found;
}

std::string HudCount(float amount)
{
  constexpr float Hair = 0.001f;
  if (!(amount > 0.0f))
    return "0";
  return std::to_string(static_cast<long>(std::floor(std::fmin(amount, 1e9f) + Hair)));
}
