#include "flow/level/LevelSpaces.h"

#include "core/Log.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/SpaceDirectory.h"
#include "render/TextToSprite.h"

#include <filesystem>
#include <system_error>

Space* ShowLevel(const std::string& name, const std::string& level)
{
  SpaceDirectory* directory = SpaceDirectory::Instance();
  return directory != nullptr ? directory->GetSpace(name, level) : nullptr;
}

bool LevelExists(const std::string& level, const std::string& wantedBy)
{
  std::error_code error;
  if (!level.empty() && std::filesystem::is_regular_file(Space::LevelPath(level), error))
    return true;
  LogOnce("missing level " + level + " for " + wantedBy, LogLevel::Error, wantedBy, ": there is no level \"", level,
          "\" (", Space::LevelPath(level), "); nothing was changed.");
  return false;
}

TextToSprite* FindText(Space* space, const std::string& objectName)
{
  if (space == nullptr)
    return nullptr;
  const auto found = space->FindObjectByName(objectName);
  if (found == space->ObjectsEnd() || !found->second.IsValid())
    return nullptr;
  return found->second->GetComponent<TextToSprite>();
}
