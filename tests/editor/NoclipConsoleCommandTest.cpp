#include "editor/NoclipConsoleCommand.h"

#include "editor/ConsoleCommandOutput.h"
#include "object/LevelTestEnvironment.h"
#include "physics/Collider.h"

#include <gtest/gtest.h>

namespace
{
class NoclipConsoleCommandTest : public LevelTest
{
protected:
  std::string Run(const std::vector<std::string>& words)
  {
    auto entry = NoclipConsoleCommand().Execute(words);
    EXPECT_EQ(entry->GetHeader(), "noclip");
    return static_cast<TextCommandOutput&>(*entry).GetText();
  }

  Handle<GameObject> Make(const std::string& prefab, const std::string& name)
  {
    Handle<GameObject> object;
    factory.CreateGameObject(object, prefab, space.get(), name);
    return object;
  }
};
}  // namespace

// Players of either collider shape are switched; a player without a collider, one already gone
// and an object that is no player are left alone.
TEST_F(NoclipConsoleCommandTest, SwitchesTheRegisteredPlayersAndNobodyElse)
{
  Define("Hero", R"({ "CircleCollider": { "group": "PLAYER" }, "Registerer": { "registryType": "PLAYERS" } })");
  Define("Boxed", R"({ "RectangleCollider": { "group": "PLAYER" }, "Registerer": { "registryType": "PLAYERS" } })");
  Define("Bare", R"({ "Registerer": { "registryType": "PLAYERS" } })");
  Define("Crate", R"({ "CircleCollider": { "group": "PLAYER" } })");
  const Handle<GameObject> hero = Make("Hero", "hero");
  const Handle<GameObject> boxed = Make("Boxed", "boxed");
  Make("Bare", "bare");
  const Handle<GameObject> crate = Make("Crate", "crate");
  // Torn down without leaving the list, as an object without a Registerer would be.
  Handle<GameObject> gone = Make("Crate", "gone");
  events->SendEvent(MemoryManager::New<RegisterGO>(BRINDLE_SITE, RegistryChannel, gone,
                                                   static_cast<std::uint32_t>(RegistryType::PLAYERS)));
  space->DeleteObject(gone);
  ASSERT_EQ(registry.GetObjects(RegistryType::PLAYERS).size(), 4u);

  EXPECT_EQ(Run({"noclip"}), "Usage: \n  noclip on/off");
  EXPECT_EQ(Run({"noclip", "On"}), "Usage: \n  noclip on/off");
  EXPECT_EQ(GetCollider(hero.Get())->group, CollisionGroup::PLAYER);

  EXPECT_EQ(Run({"noclip", "on"}), "Set all players' collision groups to PLAYER_NOCLIP");
  EXPECT_EQ(GetCollider(hero.Get())->group, CollisionGroup::PLAYER_NOCLIP);
  EXPECT_EQ(GetCollider(boxed.Get())->group, CollisionGroup::PLAYER_NOCLIP);
  EXPECT_EQ(GetCollider(crate.Get())->group, CollisionGroup::PLAYER);
  EXPECT_EQ(Run({"noclip", "off"}), "Set all players' collision groups to PLAYER (no clip disabled)");
  EXPECT_EQ(GetCollider(hero.Get())->group, CollisionGroup::PLAYER);
  EXPECT_EQ(GetCollider(boxed.Get())->group, CollisionGroup::PLAYER);
}

TEST(NoclipConsoleCommandWithoutSession, AnswersWithoutPlayers)
{
  Registry::SetInstance(nullptr);
  auto entry = NoclipConsoleCommand().Execute({"noclip", "on"});
  EXPECT_EQ(static_cast<TextCommandOutput&>(*entry).GetText(), "Set all players' collision groups to PLAYER_NOCLIP");
}
