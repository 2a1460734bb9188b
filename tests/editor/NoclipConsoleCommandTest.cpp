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
    return static_cast<TextCommandOutput&>(*entry).GetText();
  }
};
}  // namespace

TEST_F(NoclipConsoleCommandTest, SwitchesTheRegisteredPlayersAndNobodyElse)
{
  Define("Hero", R"({ "CircleCollider": { "group": "PLAYER" }, "Registerer": { "registryType": "PLAYERS" } })");
  Define("Crate", R"({ "CircleCollider": { "group": "PLAYER" } })");
  Handle<GameObject> hero, crate;
  factory.CreateGameObject(hero, "Hero", space.get(), "hero");
  factory.CreateGameObject(crate, "Crate", space.get(), "crate");

  EXPECT_EQ(Run({"noclip", "on"}), "Set all players' collision groups to PLAYER_NOCLIP");
  EXPECT_EQ(GetCollider(hero.Get())->group, CollisionGroup::PLAYER_NOCLIP);
  EXPECT_EQ(GetCollider(crate.Get())->group, CollisionGroup::PLAYER);
  EXPECT_EQ(Run({"noclip", "off"}), "Set all players' collision groups to PLAYER (no clip disabled)");
  EXPECT_EQ(GetCollider(hero.Get())->group, CollisionGroup::PLAYER);
  EXPECT_EQ(Run({"noclip"}), "Usage: \n  noclip on/off");
}

TEST(NoclipConsoleCommandWithoutSession, AnswersWithoutPlayers)
{
  Registry::SetInstance(nullptr);
  auto entry = NoclipConsoleCommand().Execute({"noclip", "on"});
  EXPECT_EQ(static_cast<TextCommandOutput&>(*entry).GetText(), "Set all players' collision groups to PLAYER_NOCLIP");
}
