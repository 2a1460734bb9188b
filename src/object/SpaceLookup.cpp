#include "object/SpaceLookup.h"

#include "core/Log.h"
#include "object/NamedObjects.h"
#include "object/Space.h"
#include "object/SpaceDirectory.h"
#include "object/SpaceNames.h"

Space* FindLiveSpace(const std::string& name)
{
  const SpaceDirectory* directory = SpaceDirectory::Instance();
  Space* space = directory != nullptr ? directory->GetSpace(name) : nullptr;
  return space != nullptr && !space->IsMarkedForRemoval() ? space : nullptr;
}

Space* HudSpace()
{
  SpaceDirectory* directory = SpaceDirectory::Instance();
  return directory != nullptr ? directory->GetSpace(SpaceNames::Hud) : nullptr;
}

Space* ShowHudSpace()
{
  SpaceDirectory* directory = SpaceDirectory::Instance();
  return directory != nullptr ? directory->GetSpace(SpaceNames::Hud, SpaceNames::Hud) : nullptr;
}

Handle<GameObject> FindHudObject(Space* hud, const std::string& name, const char* wantedBy)
{
  Handle<GameObject> found = FindNamedObject(hud, name);
  if (!found && hud != nullptr)
    LogOnce("HUD object " + name, LogLevel::Warning, "The HUD has no object \"", name, "\" for the ", wantedBy,
            "; it is not shown.");
  return found;
}
