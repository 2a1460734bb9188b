// The cheat keys through the input layer and the hook the controllers poll, which the session
// points at the editor's checks: "." held with F5 sends the "Overworld" space to the end screen,
// F6 also drops the players' hitpoints, F7 restarts the current level; neither the period nor a
// function key alone does anything.
#include "app/GameSession.h"
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "object/Space.h"
#include "support/ScopedEngine.h"
#include "gameplay/combat/Health.h"
#include "gameplay/player/CheatKeyCheck.h"
#include "input/Input.h"
#include "object/GameObject.h"
#include "object/Registry.h"
#include "support/FakeInputDevices.h"
#include "support/HeadlessGl.h"
#include "support/TestEvents.h"

#include <SDL.h>

#include <initializer_list>

class CheatKeysTest : public EngineTest
{
protected:
  // Key codes become scan codes through the keyboard map SDL makes with its video.
  void SetUp() override { SKIP_WITHOUT_GL(); }
  // One input frame with these keys going down (true) or up (false).
  void Keys(std::initializer_list<std::pair<SDL_Keycode, bool>> keys)
  {
    for (const auto& [key, down] : keys)
      devices->events.push_back(TestEvents::Key(key, down));
    Input::Instance()->Update();
  }
};

TEST_F(CheatKeysTest, PeriodWithF5F6F7SendsToTheEndScreenKillsThePlayersAndRestarts)
{
  Space* overworld = LiveSpace("Overworld");
  Space* encounter = LiveSpace("Encounter");
  Handle<GameObject> player;
  session->GetFactory().CreateGameObject(player, "TargetCrate", encounter, "Player");
  ASSERT_TRUE(player.IsValid());
  Health* health = player->GetComponent<Health>();
  ASSERT_NE(health, nullptr);
  registry->GetObjects(RegistryType::PLAYERS).push_back(player);
  registry->GetObjects(RegistryType::PLAYERS).push_back(Handle<GameObject>());  // one long gone

  Keys({{SDLK_F5, true}, {SDLK_F6, true}, {SDLK_F7, true}});
  PollCheatKeys(encounter);
  Keys({{SDLK_F5, false}, {SDLK_F6, false}, {SDLK_F7, false}, {SDLK_PERIOD, true}});
  PollCheatKeys(encounter);
  EXPECT_FALSE(encounter->IsMarkedForRemoval()) << "alone, neither the period nor the function keys do anything";
  EXPECT_EQ(overworld->GetPendingLevel(), "");

  // F5 from the overworld itself: it stays, showing the end screen next.
  Keys({{SDLK_F5, true}});
  PollCheatKeys(overworld);
  EXPECT_FALSE(overworld->IsMarkedForRemoval());
  EXPECT_EQ(overworld->GetPendingLevel(), "endscreen");

  // F6 and F7 from the encounter: the player drops to 0, the encounter goes and its level
  // restarts in the same frame.
  Keys({{SDLK_F5, false}, {SDLK_F6, true}, {SDLK_F7, true}});
  PollCheatKeys(encounter);
  EXPECT_EQ(health->GetHitpoints(), 0.0f);
  EXPECT_TRUE(encounter->IsMarkedForRemoval());
  EXPECT_EQ(encounter->GetPendingLevel(), "restart");

  // Without an "Overworld" space one is made on the end screen.
  session->UnloadAllSpaces();
  Space* alone = LiveSpace("Encounter");
  Keys({{SDLK_F6, false}, {SDLK_F7, false}, {SDLK_F5, true}});
  PollCheatKeys(alone);
  Space* made = session->GetSpace("Overworld");
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->GetName(), "endscreen");
}
