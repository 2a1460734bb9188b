#include "editor/CheatKeys.h"

#include "gameplay/combat/Health.h"
#include "gameplay/player/CheatKeyCheck.h"
#include "input/Input.h"  // with SDL's key codes
#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/SpaceDirectory.h"
#include "object/SpaceNames.h"

namespace
{
constexpr SDL_Keycode CheatModifierKey = 46;  // the period key
}  // namespace

void InstallCheatKeys()
{
  SetCheatKeyCheck(&CheckCheatKeys);
}

void CheckCheatKeys(Space* space)
{
  const Input* input = Input::Instance();
  if (space == nullptr || input == nullptr || !input->IsKeyPressed(CheatModifierKey))
    return;
  if (input->IsKeyPressed(SDLK_F5))
    CheatEndScreen(space);
  if (input->IsKeyPressed(SDLK_F6))
    CheatKillPlayers(space);
  if (input->IsKeyPressed(SDLK_F7))
    space->RestartLevel();
}

void CheatEndScreen(Space* current)
{
  SpaceDirectory* directory = SpaceDirectory::Instance();
  if (directory == nullptr)
    return;
  Space* overworld = directory->GetSpace(SpaceNames::Overworld);
  if (current != nullptr && overworld != current)
    current->MarkForRemoval();
  if (overworld != nullptr)
  {
    overworld->SetPendingLevel("endscreen");
    overworld->SetPaused(false);
    overworld->SetVisible(true);
  }
  else
    directory->GetSpace(SpaceNames::Overworld, "endscreen");
}

void CheatKillPlayers(Space* space)
{
  if (Registry* registry = Registry::Instance())
  {
    for (const Handle<GameObject>& player : registry->GetObjects(RegistryType::PLAYERS))
    {
      const GameObject* object = player.Get();
      if (object == nullptr)
        continue;
      if (Health* health = object->GetComponent<Health>())
        health->SetHealth(0.0f);
    }
  }
  CheatEndScreen(space);
}
