#include "object/LevelTestEnvironment.h"

#include "object/ChildSpawner.h"
#include "support/CapturedLog.h"
#include "support/TemporaryDirectory.h"

class ChildSpawnerTest : public LevelTest
{
protected:
  ChildSpawnerTest()
  {
    Define("Marker", R"({"Transform": {"scale": [0.5, 0.5]}})");
    Define("Pair", R"({"ChildSpawner": {"objects to spawn": [
        {"prefab": "Marker", "offset": [-32, 0]}, {"prefab": "Marker", "offset": [32, 0]}]},
      "Transform": null})");
  }

  Handle<GameObject> SpawnAt(const std::string& prefab, const std::string& name, glm::vec2 at)
  {
    Handle<GameObject> object;
    factory.CreateGameObjectAt(object, prefab, space.get(), at.x, at.y, name);
    return object;
  }

  static const std::vector<Handle<GameObject>>& ChildrenOf(const Handle<GameObject>& owner)
  {
    return owner->GetComponent<ChildSpawner>()->GetSpawnedChildren();
  }
};

TEST_F(ChildSpawnerTest, ChildrenArePlacedAtTheirOffsetsAndFollowTheirOwner)
{
  const Handle<GameObject> owner = SpawnAt("Pair", "post", glm::vec2(100.0f, 10.0f));
  ASSERT_EQ(ChildrenOf(owner).size(), 2u);
  const Handle<GameObject> left = ChildrenOf(owner)[0];
  const Handle<GameObject> right = ChildrenOf(owner)[1];
  // Two entries of one prefab: two children of one name, both in the space.
  EXPECT_EQ(left->GetName(), "post's Marker");
  EXPECT_EQ(right->GetName(), "post's Marker");
  EXPECT_EQ(space->GetObjectsById().size(), 3u);
  EXPECT_EQ(left->GetParent(), owner);
  EXPECT_EQ(left->GetTransform()->GetWorldPosition(), glm::vec2(68.0f, 10.0f));
  EXPECT_EQ(right->GetTransform()->GetWorldPosition(), glm::vec2(132.0f, 10.0f));
  EXPECT_FALSE(left->IsActive());

  owner->GetTransform()->SetPosition(glm::vec2(0.0f, -10.0f));
  EXPECT_EQ(right->GetTransform()->GetWorldPosition(), glm::vec2(32.0f, -10.0f));
}

TEST_F(ChildSpawnerTest, ChildrenGoWithTheirOwnerInTheSamePass)
{
  const Handle<GameObject> owner = SpawnAt("Pair", "post", glm::vec2(0.0f, 0.0f));
  const Handle<GameObject> left = ChildrenOf(owner)[0];
  const Handle<GameObject> right = ChildrenOf(owner)[1];
  // One child went earlier by other means: only the other one is asked again.
  RequestDestruction(left);
  events->ProcessQueue();
  ASSERT_FALSE(left.IsValid());
  EXPECT_EQ(owner->GetTransform()->ChildCount(), 1u);

  RequestDestruction(owner);
  events->ProcessQueue();
  EXPECT_FALSE(owner.IsValid());
  EXPECT_FALSE(right.IsValid());
  EXPECT_TRUE(space->GetObjectsById().empty());
  EXPECT_EQ(events->QueueLength(), 0u);
}

TEST_F(ChildSpawnerTest, NestedSpawnersBuildWholeTrees)
{
  Define("Tower", R"({"ChildSpawner": {"objects to spawn": [{"prefab": "Pair", "offset": [0, 50]}]}})");
  const Handle<GameObject> tower = SpawnAt("Tower", "tower", glm::vec2(10.0f, 0.0f));
  ASSERT_EQ(ChildrenOf(tower).size(), 1u);
  const Handle<GameObject> pair = ChildrenOf(tower)[0];
  ASSERT_EQ(ChildrenOf(pair).size(), 2u);
  // The inner children were placed while their owner still stood where its prefab put it, and
  // moved along when it was placed.
  EXPECT_EQ(ChildrenOf(pair)[1]->GetTransform()->GetWorldPosition(), glm::vec2(42.0f, 50.0f));
  EXPECT_EQ(ChildrenOf(pair)[1]->GetName(), "tower's Pair's Marker");

  RequestDestruction(tower);
  events->ProcessQueue();
  EXPECT_TRUE(space->GetObjectsById().empty());
}

TEST_F(ChildSpawnerTest, APrefabThatSpawnsItselfIsStopped)
{
  Define("Mirror", R"({"ChildSpawner": {"objects to spawn": [{"prefab": "Mirror"}, {"prefab": "Marker"}]}})");
  Define("Ping", R"({"ChildSpawner": {"objects to spawn": [{"prefab": "Pong"}]}})");
  Define("Pong", R"({"ChildSpawner": {"objects to spawn": [{"prefab": "Ping"}, {"prefab": "Marker"}]}})");
  CapturedLog output;
  const Handle<GameObject> mirror = SpawnAt("Mirror", "mirror", glm::vec2(0.0f, 0.0f));
  EXPECT_TRUE(output.Contains("[ERROR] The prefab \"Mirror\" would spawn itself (Mirror -> Mirror)"));
  ASSERT_EQ(ChildrenOf(mirror).size(), 1u);
  EXPECT_EQ(ChildrenOf(mirror)[0]->GetPrefabName(), "Marker");

  const Handle<GameObject> ping = SpawnAt("Ping", "ping", glm::vec2(0.0f, 0.0f));
  EXPECT_TRUE(output.Contains("[ERROR] The prefab \"Ping\" would spawn itself (Ping -> Pong -> Ping)"));
  ASSERT_EQ(ChildrenOf(ping).size(), 1u);
  EXPECT_EQ(ChildrenOf(ChildrenOf(ping)[0]).size(), 1u);
  // A prefab used twice side by side is no cycle.
  EXPECT_EQ(output.CountOf("[ERROR]"), 2u);
}

TEST_F(ChildSpawnerTest, AnEmptyListSpawnsNothingAndSpawnedChildrenAreNotSaved)
{
  Define("Bare", R"({"ChildSpawner": null})");
  const Handle<GameObject> bare = SpawnAt("Bare", "bare", glm::vec2(0.0f, 0.0f));
  EXPECT_TRUE(ChildrenOf(bare).empty());
  RequestDestruction(bare);
  events->ProcessQueue();
  EXPECT_FALSE(bare.IsValid());

  // A level object of a spawning prefab: its record lists no children and no ChildSpawner; saved
  // with no change, it is written as it was read.
  TemporaryDirectory directory;
  directory.Write("level.json", R"({"level": {"objects": [{"uuid": 1, "name": "post", "prefab": "Pair"}]}})");
  ASSERT_TRUE(space->LoadLevelFile(directory.File("level.json")));
  EXPECT_EQ(space->GetObjectsById().size(), 3u) << "each child woke once and spawned nothing more";
  ASSERT_TRUE(space->SaveLevel(directory.File("saved.json")));
  EXPECT_EQ(Parsed(directory.Read("saved.json")),
            Parsed(R"({"level": {"objects": [{"uuid": 1, "name": "post", "prefab": "Pair"}]}})"));
}

TEST_F(ChildSpawnerTest, ACopyTakesTheListButNotTheChildren)
{
  const Handle<GameObject> owner = SpawnAt("Pair", "post", glm::vec2(0.0f, 0.0f));
  ChildSpawner copy;
  copy = *owner->GetComponent<ChildSpawner>();
  EXPECT_EQ(copy.GetObjectsToSpawn().size(), 2u);
  EXPECT_TRUE(copy.GetSpawnedChildren().empty());
}
