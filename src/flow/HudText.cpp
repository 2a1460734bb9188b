#include "flow/HudText.h"

#include "core/Log.h"
#include "object/NamedObjects.h"

Handle<GameObject> FindHudObject(Space* hud, const std::string& name, const char* wantedBy)
{
  Handle<GameObject> found = FindNamedObject(hud, name);
  if (!found && hud != nullptr)
    LogOnce("HUD object " + name, LogLevel::Warning, "The HUD has no object \"", name, "\" for the ", wantedBy,
            "; it is not shown.");
  return found;
}
