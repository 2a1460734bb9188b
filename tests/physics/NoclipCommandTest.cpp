#include "PhysicsTestScene.h"

#include "physics/NoclipCommand.h"

using G = CollisionGroup;

TEST_F(PhysicsSceneTest, NoclipSwitchesEveryPlayersGroup)
{
  Handle<GameObject> first = MakeObject({0, 0});
  CircleCollider* firstCollider = AddCircle(first, 10, G::PLAYER);
  Handle<GameObject> second = MakeObject({100, 0});
  RectangleCollider* secondCollider = AddRectangle(second, {10, 10}, G::PLAYER);
  Handle<GameObject> bare = MakeObject({200, 0});
  Handle<GameObject> gone;
  const std::vector<Handle<GameObject>> players{first, second, bare, gone};

  NoclipReply reply = RunNoclipCommand({"noclip"}, players);
  EXPECT_EQ(reply.header, "noclip");
  EXPECT_EQ(reply.text, "Usage: \n  noclip on/off");
  reply = RunNoclipCommand({"noclip", "On"}, players);
  EXPECT_EQ(reply.text, "Usage: \n  noclip on/off");
  EXPECT_EQ(firstCollider->group, G::PLAYER);

  reply = RunNoclipCommand({"noclip", "on"}, players);
  EXPECT_EQ(reply.text, "Set all players' collision groups to PLAYER_NOCLIP");
  EXPECT_EQ(firstCollider->group, G::PLAYER_NOCLIP);
  EXPECT_EQ(secondCollider->group, G::PLAYER_NOCLIP);

  reply = RunNoclipCommand({"noclip", "off"}, players);
  EXPECT_EQ(reply.text, "Set all players' collision groups to PLAYER (no clip disabled)");
  EXPECT_EQ(firstCollider->group, G::PLAYER);
  EXPECT_EQ(secondCollider->group, G::PLAYER);
  EXPECT_EQ(RunNoclipCommand({"noclip", "on"}, {}).text, "Set all players' collision groups to PLAYER_NOCLIP");
}
