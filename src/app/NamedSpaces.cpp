#include "app/NamedSpaces.h"

#include "app/SpaceDebugDraw.h"
#include "core/Log.h"
#include "object/Space.h"
#include "physics/PhysicsModule.h"
#include "platform/Assert.h"
#include "render/Graphics.h"

#include <algorithm>

NamedSpaces::NamedSpaces(Graphics::Graphics& spaceRenderer) : renderer(spaceRenderer) {}

NamedSpaces::~NamedSpaces()
{
  // Normally the loop has unloaded them; a session that never ran may still hold some.
  if (!spaces.empty() || !pendingSpaces.empty())
    UnloadAll();
}

void NamedSpaces::BringBackEditorSpace()
{
  if (editorSpace != nullptr)
    spaces[EditorSpaceName] = editorSpace;
}

Space* NamedSpaces::Find(const std::string& name) const
{
  const auto live = spaces.find(name);
  if (live != spaces.end())
    return live->second;
  for (auto pending = pendingSpaces.rbegin(); pending != pendingSpaces.rend(); ++pending)
    if (pending->first == name)
      return pending->second;
  return nullptr;
}

Space* NamedSpaces::Get(const std::string& name, const std::string& level)
{
  // The live space of that name, replaced in turn by each pending one: the last pending wins.
  Space* found = nullptr;
  const auto live = spaces.find(name);
  if (live != spaces.end())
    found = live->second;
  for (const auto& pending : pendingSpaces)
    if (pending.first == name)
      found = pending.second;

  if (found != nullptr && found->GetName() == level && !found->IsMarkedForRemoval())
    return found;
  if (found != nullptr)
    found->MarkForRemoval();

  Space* space = Make(name);
  space->SetCurrentLevelName(level);
  space->LoadLevel(level);
  pendingSpaces.emplace_back(name, space);
  return space;
}

Space* NamedSpaces::GetNew(const std::string& name, const std::string& level)
{
  // A second space of one name: the first stays as it is and is what the caller gets.
  if (spaces.count(name) != 0)
  {
    LogError("There is already a space that has this name: " + name +
             " (they must be unique names) Use a different name or call GetSpace() to get the original and "
             "load into that one");
    return spaces[name];
  }
  for (const auto& pending : pendingSpaces)
  {
    if (pending.first == name)
    {
      LogError("There is already a space that has this name. (they must be unique names) Use a different name or "
               "call GetSpace() to get the original and load into that one");
      return pending.second;
    }
  }
  Space* space = Make(name);
  pendingSpaces.emplace_back(name, space);
  space->SetCurrentLevelName(level);
  space->LoadLevel(level);
  return space;
}

Space* NamedSpaces::Make(const std::string& name)
{
  Space* space = new Space(name);
  auto drawer = std::make_unique<SpaceDebugDraw>(renderer, *space);
  if (PhysicsModule* physics = PhysicsModule::Of(space))
    physics->SetDebugDraw(drawer.get());
  debugDrawers[space] = std::move(drawer);
  return space;
}

void NamedSpaces::Destroy(Space* space)
{
  space->UnloadLevel();
  space->ResetLevelName();
  renderer.RemoveSpace(space);
  if (PhysicsModule* physics = PhysicsModule::Of(space))
    physics->SetDebugDraw(nullptr);
  debugDrawers.erase(space);
  delete space;
}

void NamedSpaces::Manage()
{
  for (auto entry = spaces.begin(); entry != spaces.end();)
  {
    if (entry->second->IsMarkedForRemoval())
    {
      Destroy(entry->second);
      entry = spaces.erase(entry);
    }
    else
      ++entry;
  }

  // Loading a pending space may make more of them (a level that opens its interface space).
  std::vector<std::pair<std::string, Space*>> adopted;
  adopted.swap(pendingSpaces);
  for (const auto& [name, space] : adopted)
  {
    if (space->IsMarkedForRemoval())
    {
      Destroy(space);
      continue;
    }
    const auto existing = spaces.find(name);
    if (existing != spaces.end() && existing->second != space)
      // A space replaced under its name without being marked would be lost and never deleted.
      Destroy(existing->second);
    spaces[name] = space;
  }

  for (auto& [name, space] : spaces)
  {
    space->ApplyNextFlags();
    const std::string pending = space->GetPendingLevel();
    if (pending.empty())
      continue;
    space->UnloadLevel();
    if (pending != "restart")
    {
      space->ResetLevelName();
      space->SetCurrentLevelName(pending);
    }
    space->LoadLevel(space->GetName());
  }

  if (spaces.empty())
  {
    if (!reportedNoSpaces)
      Assert("There are no spaces loaded", __LINE__, __FILE__, "GameSession::ManageSpaces");
    reportedNoSpaces = true;
  }
  else
    reportedNoSpaces = false;
}

void NamedSpaces::KeepOnlyEditorSpace()
{
  bool removed = false;
  for (auto entry = spaces.begin(); entry != spaces.end();)
  {
    if (entry->first == EditorSpaceName)
    {
      ++entry;
      continue;
    }
    Destroy(entry->second);
    entry = spaces.erase(entry);
    removed = true;
  }
  if (!removed)
    return;
  spaces.clear();
  BringBackEditorSpace();
}

void NamedSpaces::UnloadAll()
{
  // Each space leaves the map before it is torn down: objects of a space torn down later may look
  // another up by name (a player's health its indicator space) and must not find it deleted.
  while (!spaces.empty())
  {
    Space* space = spaces.begin()->second;
    spaces.erase(spaces.begin());
    Destroy(space);
  }
  // Unloading may still make pending spaces; they go too.
  while (!pendingSpaces.empty())
  {
    std::vector<std::pair<std::string, Space*>> pending;
    pending.swap(pendingSpaces);
    for (auto& entry : pending)
      Destroy(entry.second);
  }
}

std::vector<std::string> NamedSpaces::GetNames() const
{
  std::vector<std::string> names;
  for (const auto& entry : spaces)
    names.push_back(entry.first);
  for (const auto& pending : pendingSpaces)
    if (spaces.count(pending.first) == 0 &&
        std::find(names.begin(), names.end(), pending.first) == names.end())
      names.push_back(pending.first);
  return names;
}
