#include "object/LevelTestEnvironment.h"

#include "object/ChildSpawner.h"
#include "object/FrameEvents.h"
#include "object/ObjectEvents.h"
#include "object/Registerer.h"
#include "physics/PhysicsModule.h"
#include "support/CapturedLog.h"
#include "support/EventRecorder.h"
#include "support/TemporaryDirectory.h"

#include <set>
#include <vector>

namespace
{
const char* const NestedLevel = R"({ "level": { "objects": [
  { "uuid": 10, "name": "Root", "prefab": "Marker",
    "components": { "Transform": { "position": [100, 50], "rotation": 0.5 } },
    "children": [ { "who": 20 }, { "who": 21 } ] },
  { "uuid": 20, "name": "Arm", "prefab": "Marker", "components": { "Transform": { "position": [10, 0], "scale": [1, 1] } },
    "children": [ { "who": 30 } ] },
  { "uuid": 21, "name": "Arm", "prefab": "Marker", "children": [] },
  { "uuid": 30, "name": "Hand", "prefab": "Tagged",
    "components": { "Registerer": { "registryType": "NONE" }, "Transform": { "position": [0, 2] } },
    "children": [ { "who": 40 } ] },
  { "uuid": 40, "name": "Finger", "components": { "Registerer": { "registryType": "ENEMIES" } } }
] } })";
}  // namespace

class SpaceTest : public LevelTest
{
protected:
  SpaceTest()
  {
    Define("Default", R"({"Transform": null})");
    Define("Marker", R"({"Transform": {"scale": [0.5, 0.5]}})");
    Define("Tagged", R"({"Registerer": {"registryType": "PLAYERS"}, "Transform": null})");
  }

  bool LoadText(Space& into, const std::string& text)
  {
    directory.Write("level.json", text);
    return into.LoadLevelFile(directory.File("level.json"));
  }

  TemporaryDirectory directory;
};

TEST_F(SpaceTest, ALevelLoadsBuiltParentedAndAwake)
{
  ASSERT_TRUE(LoadText(*space, NestedLevel));
  EXPECT_EQ(space->GetObjectsById().size(), 5u);

  const Handle<GameObject> root = Find(*space, "Root");
  const Handle<GameObject> hand = Find(*space, "Hand");
  const Handle<GameObject> finger = Find(*space, "Finger");
  ASSERT_TRUE(root.IsValid() && hand.IsValid() && finger.IsValid());
  // A record without a prefab is built from "Default"; records override only what they list.
  const auto firstArm = space->FindObjectByName("Arm");
  EXPECT_EQ(finger->GetPrefabName(), "Default");
  EXPECT_EQ(space->GetObjectsById().size(), 5u);
  EXPECT_EQ(root->GetTransform()->GetScale(), glm::vec2(0.5f, 0.5f));
  EXPECT_FLOAT_EQ(root->GetTransform()->GetRotation(), 0.5f);

  // Parenting only links: stored values become relative to the parent.
  EXPECT_EQ(root->GetTransform()->ChildCount(), 2u);
  EXPECT_EQ(hand->GetParent(), firstArm->second);
  EXPECT_EQ(finger->GetParent(), hand);
  EXPECT_EQ(hand->GetTransform()->GetPosition(), glm::vec2(0.0f, 2.0f));
  EXPECT_TRUE(finger->IsActive());

  // Woken: the registerers enrolled their objects, each under the role its record or prefab gives.
  ASSERT_EQ(registry.GetObjects(RegistryType::NONE).size(), 1u);
  EXPECT_EQ(registry.GetObjects(RegistryType::NONE)[0], hand);
  ASSERT_EQ(registry.GetObjects(RegistryType::ENEMIES).size(), 1u);
  EXPECT_EQ(registry.GetObjects(RegistryType::ENEMIES)[0], finger);

  // Loading twice into one space subscribes the space once.
  space->LoadLevelFile(directory.File("missing.json"));
  EXPECT_EQ(events->SubscriptionCount(GameObjectCleanupEvent::TypeId, space->GetId()), 1u);
  EXPECT_EQ(events->SubscriptionCount(LoadLevelEvent::TypeId, space->GetId()), 1u);
}

TEST_F(SpaceTest, RecordsHoldOnlyWhatDiffersFromThePrefab)
{
  ASSERT_TRUE(LoadText(*space, NestedLevel));
  Handle<GameObject> spawned;
  factory.CreateGameObject(spawned, "Marker", space.get(), "Bullet");
  Find(*space, "Root")->AddComponent("ChildSpawner");
  ASSERT_TRUE(space->SaveLevel(directory.File("saved.json")));

  std::map<std::string, Json::Value> records;
  const Json::Value saved = Parsed(directory.Read("saved.json"));
  for (const Json::Value& record : saved["level"]["objects"])
    records[record["name"].asString() + (records.count(record["name"].asString()) ? "2" : "")] = record;
  // Run-time objects are not part of the level.
  EXPECT_EQ(records.size(), 5u);
  EXPECT_EQ(records.count("Bullet"), 0u);
  // Equal to its prefab in everything: no components at all.
  EXPECT_TRUE(records["Arm2"]["components"].isNull());
  EXPECT_TRUE(records["Arm2"]["children"].isArray());
  // Scale (1, 1) differs from the Marker's (0.5, 0.5): kept as it was read, though it is the default.
  EXPECT_EQ(records["Arm"]["components"]["Transform"].getMemberNames(),
            (std::vector<std::string>{"position", "scale"}));
  EXPECT_EQ(records["Arm"]["components"]["Transform"]["scale"], Parsed("[1, 1]"));
  // A component the prefab lacks is written whole, default values included.
  EXPECT_EQ(records["Finger"]["components"]["Registerer"]["registryType"].asString(), "ENEMIES");
  EXPECT_EQ(records["Hand"]["components"]["Registerer"]["registryType"].asString(), "NONE");
  // A ChildSpawner is never written.
  EXPECT_FALSE(records["Root"]["components"].isMember("ChildSpawner"));
  EXPECT_EQ(records["Root"]["prefab"].asString(), "Marker");
  spawned.Reset();
}

TEST_F(SpaceTest, BadLevelFilesLeaveTheSpaceAsItWas)
{
  ASSERT_TRUE(LoadText(*space, R"({ "level": { "objects": [ { "uuid": 1, "name": "Keep" } ] } })"));
  {
    CapturedLog output;
    space->LoadLevel("no such level");
    EXPECT_TRUE(output.Contains("[ERROR]"));
    EXPECT_TRUE(output.Contains("Space could not load no such level.\n"));
  }
  for (const char* text : {"{ \"level\": ", "[1, 2]", R"({"level": {"objects": {"uuid": 1}}})", R"({"level": 3})"})
  {
    CapturedLog output;
    directory.Write("bad.json", text);
    EXPECT_FALSE(space->LoadLevelFile(directory.File("bad.json"))) << text;
    EXPECT_TRUE(output.Contains("[ERROR]")) << text;
  }
  {
    // No "level" at all: nothing loads, and a first level that shows nothing says why.
    CapturedLog output;
    EXPECT_TRUE(LoadText(*space, R"({"other": 1})"));
    EXPECT_TRUE(output.Contains(": there is no \"level\"; the level is empty.")) << output.Text();
  }
  EXPECT_EQ(space->GetObjectsById().size(), 1u);
  EXPECT_TRUE(Find(*space, "Keep").IsValid());
}

TEST_F(SpaceTest, ALevelStoringAPrefabsChildSpawnerIsRefusedWhole)
{
  Define("Spawner", R"({"ChildSpawner": {"objects to spawn": [{"prefab": "Marker"}]}})");
  ASSERT_TRUE(LoadText(*space, R"({ "level": { "objects": [ { "uuid": 1, "name": "Keep" } ] } })"));
  CapturedLog output;
  EXPECT_FALSE(LoadText(*space, R"({ "level": { "objects": [
    { "uuid": 1, "name": "First", "prefab": "Tagged" },
    { "uuid": 2, "name": "Bad", "prefab": "Spawner", "components": { "ChildSpawner": null } },
    { "uuid": 3, "name": "Never" }
  ] } })"));
  EXPECT_TRUE(asserts.Saw("ChildSpawner components must not be stored in level files"));
  EXPECT_EQ(space->GetObjectsById().size(), 1u);
  EXPECT_TRUE(Find(*space, "Keep").IsValid());
  // Nothing of the refused level was woken, so nothing was enrolled.
  EXPECT_TRUE(registry.GetObjects(RegistryType::PLAYERS).empty());
}

TEST_F(SpaceTest, DestructionGoesThroughTheQueueOnce)
{
  ASSERT_TRUE(LoadText(*space, R"({ "level": { "objects": [
    { "uuid": 1, "name": "Twin", "prefab": "Tagged" }, { "uuid": 2, "name": "Twin", "prefab": "Tagged" },
    { "uuid": 3, "name": "Other" } ] } })"));
  const auto first = space->FindObjectByName("Twin");
  const Handle<GameObject> doomed = first->second;
  const Handle<GameObject> twin = std::next(first)->second;
  const std::uint32_t doomedId = doomed->GetId();
  ASSERT_EQ(registry.GetObjects(RegistryType::PLAYERS).size(), 2u);

  RequestDestruction(doomed);
  RequestDestruction(doomed);
  EXPECT_TRUE(doomed.IsValid()) << "nothing happens before the queue runs";
  events->ProcessQueue();
  EXPECT_EQ(events->QueueLength(), 0u);
  EXPECT_FALSE(doomed.IsValid());
  EXPECT_EQ(space->GetObjectsById().count(doomedId), 0u);
  // The other object of the same name stays findable, enrolled and saved.
  EXPECT_EQ(space->FindObjectByName("Twin")->second, twin);
  ASSERT_EQ(registry.GetObjects(RegistryType::PLAYERS).size(), 1u);
  EXPECT_EQ(registry.GetObjects(RegistryType::PLAYERS)[0], twin);
  ASSERT_TRUE(space->SaveLevel(directory.File("saved.json")));
  EXPECT_EQ(Parsed(directory.Read("saved.json"))["level"]["objects"].size(), 2u);
  // A destruction request on an id nobody made the space listen on leaves the object alive.
  const Handle<GameObject> other = Find(*space, "Other");
  events->QueueEvent(MemoryManager::New<GameObjectDestroyedEvent>(BRINDLE_SITE, other->GetId(), other));
  events->ProcessQueue();
  EXPECT_TRUE(other.IsValid());
  // Renamed after it joined the space, it still leaves no entry behind when it goes.
  other->SetName("Renamed");
  RequestDestruction(other);
  events->ProcessQueue();
  EXPECT_FALSE(other.IsValid());
  EXPECT_EQ(space->FindObjectByName("Other"), space->ObjectsEnd());
}

TEST_F(SpaceTest, AnObjectWithoutASpaceIsReportedAtCleanup)
{
  Handle<GameObject> loose;
  factory.CreateGameObject(loose, "Default", nullptr, "loose");
  GameObjectCleanupEvent cleanup(space->GetId(), loose);
  space->On(&cleanup);
  EXPECT_TRUE(asserts.Saw("oh boy.. you shouldn't see this"));
  EXPECT_TRUE(loose.IsValid());
  GameObject::Destroy(loose);
}

TEST_F(SpaceTest, UnloadingDestroysEverythingAndGivesTheIdsBack)
{
  ASSERT_TRUE(LoadText(*space, NestedLevel));
  std::set<std::uint32_t> ids;
  for (const auto& [id, object] : space->GetObjectsById())
    ids.insert(id);
  const Handle<GameObject> finger = Find(*space, "Finger");
  space->UnloadLevel();
  EXPECT_FALSE(finger.IsValid());
  EXPECT_EQ(space->ObjectsBegin(), space->ObjectsEnd());
  EXPECT_TRUE(space->GetObjectsById().empty());
  EXPECT_TRUE(registry.GetObjects(RegistryType::ENEMIES).empty());
  EXPECT_EQ(ids.count(events->GetNewGOID()), 1u);
}

// Every id up to the last channel goes to an object, and none past it: a level of more objects
// than that is loaded as far as the channels go, each object hearing its own events.
TEST_F(SpaceTest, ALevelLargerThanTheChannelTableLoadsAsFarAsTheChannelsGo)
{
  std::string text = R"({"level": {"objects": [)";
  for (std::uint32_t uuid = 1; uuid <= ChannelCount; ++uuid)
    text += (uuid > 1 ? "," : "") + std::string(R"({"uuid": )") + std::to_string(uuid) + R"(, "name": "Thing"})";
  text += "]}}";
  CapturedLog output;
  ASSERT_TRUE(LoadText(*space, text));
  // The first ids are the system channels' and the space's own.
  const std::size_t built = ChannelCount - EventManager::FirstObjectId - 1;
  EXPECT_EQ(space->GetObjectsById().size(), built);
  EXPECT_EQ(space->GetObjectsById().rbegin()->first, ChannelCount - 1);
  EXPECT_EQ(output.CountOf("only " + std::to_string(built) + " of the 7000 objects could be built"), 1u);
  EXPECT_EQ(output.CountOf("Out of object ids"), 1u);
  const Handle<GameObject> last = space->GetObjectsById().rbegin()->second;
  RequestDestruction(last);
  events->ProcessQueue();
  EXPECT_FALSE(last.IsValid()) << "the last object hears its own destruction";
}

TEST_F(SpaceTest, ObjectsSpawnedByEventJoinTheSpaceWokenThenPlaced)
{
  Define("Shard", R"({"Registerer": {"registryType": "PLAYERS"}, "Transform": {"position": [1, 1]}})");
  Handle<GameObject> gun;
  factory.CreateGameObject(gun, "Default", space.get(), "gun");
  events->Subscribe<GameobjectFactory, MakeGameObjectEvent>(&factory, gun->GetId());
  // Freed ids are handed out again first, so the spawned object's id is known beforehand, and
  // the move heard on it shows it was placed once it was awake to announce it.
  const std::uint32_t spawnedId = events->GetNewGOID();
  events->RecycleGOID(spawnedId);
  EventRecorder<PositionUpdateEvent, glm::vec2> moves(
      spawnedId, [](const PositionUpdateEvent& event) { return event.object->GetTransform()->GetPosition(); });
  events->QueueEvent(MemoryManager::New<MakeGameObjectEvent>(BRINDLE_SITE, gun->GetId(), space.get(), "Shard",
                                                             3.0f, 4.0f, 1.0f, 0.0f));
  events->QueueEvent(MemoryManager::New<MakeGameObjectEvent>(BRINDLE_SITE, gun->GetId(), space.get(), "Nowhere",
                                                             0.0f, 0.0f, 0.0f, 0.0f));
  // Nobody listens for spawn requests on the space's id.
  events->QueueEvent(MemoryManager::New<MakeGameObjectEvent>(BRINDLE_SITE, space->GetId(), space.get(), "Shard",
                                                             0.0f, 0.0f, 0.0f, 0.0f));
  CapturedLog output;
  events->ProcessQueue();
  EXPECT_EQ(output.Text(), "[ERROR] Couldn't find the prefab named: Nowhere\n");
  EXPECT_FALSE(factory.HasPrefab("Nowhere")) << "looking a prefab up never makes one";

  ASSERT_EQ(space->GetObjectsById().size(), 3u);
  ASSERT_EQ(registry.GetObjects(RegistryType::PLAYERS).size(), 1u);
  const Handle<GameObject> spawned = registry.GetObjects(RegistryType::PLAYERS)[0];
  EXPECT_EQ(spawned->GetId(), spawnedId);
  EXPECT_EQ(spawned->GetName(), "");
  EXPECT_EQ(spawned->GetPrefabName(), "Shard");
  EXPECT_FALSE(spawned->IsActive());
  EXPECT_EQ(spawned->GetTransform()->GetPosition(), glm::vec2(3.0f, 4.0f));
  ASSERT_TRUE(moves.Heard());
  EXPECT_EQ(moves.notes.back(), glm::vec2(3.0f, 4.0f));
  // The stand-in for the unknown prefab has only a Transform.
  for (const auto& [id, object] : space->GetObjectsById())
  {
    if (object != gun && object != spawned)
    {
      EXPECT_EQ(object->GetComponents().size(), 1u);
    }
  }
  // Run-time objects, the stand-in among them, are not saved.
  ASSERT_TRUE(space->SaveLevel(directory.File("saved.json")));
  EXPECT_EQ(Parsed(directory.Read("saved.json"))["level"]["objects"].size(), 0u);
}

TEST_F(SpaceTest, ThePhysicsModuleFollowsTheObjectsOfItsSpace)
{
  Define("Ball", R"({"CircleCollider": {"radius": 5, "group": "ENEMY"}, "Rigidbody": null, "Transform": null})");
  ASSERT_TRUE(LoadText(*space, R"({ "level": { "objects": [
    { "uuid": 1, "name": "Ball", "prefab": "Ball" }, { "uuid": 2, "name": "Post" } ] } })"));
  ASSERT_NE(PhysicsModule::Of(space.get()), nullptr);
  PhysicsModule& physics = *PhysicsModule::Of(space.get());
  EXPECT_EQ(space->GetPhysics(), &physics);
  const std::uint32_t ballId = Find(*space, "Ball")->GetId();
  // Its collider and body wake before its Transform; the entry still holds all three.
  const PhysicsObject* ball = physics.Find(ballId);
  ASSERT_NE(ball, nullptr);
  EXPECT_TRUE(ball->transform != nullptr && ball->rigidbody != nullptr && ball->collider != nullptr);
  EXPECT_EQ(ball->CollisionGroup(), static_cast<std::uint32_t>(CollisionGroup::ENEMY));

  // Spawned by event: woken, placed, then given the event's velocity.
  Handle<GameObject> post = Find(*space, "Post");
  events->Subscribe<GameobjectFactory, MakeGameObjectEvent>(&factory, post->GetId());
  events->QueueEvent(MemoryManager::New<MakeGameObjectEvent>(BRINDLE_SITE, post->GetId(), space.get(), "Ball",
                                                             30.0f, 0.0f, 7.0f, -1.0f));
  events->ProcessQueue();
  const Handle<GameObject> spawned = Find(*space, "");
  ASSERT_NE(physics.Find(spawned->GetId()), nullptr);
  MemberList members(*spawned->GetComponent("Rigidbody"));
  Json::Value velocity;
  members["Velocity"]->Serialize(velocity);
  EXPECT_EQ(velocity, Parsed("[7.0, -1.0]"));
  physics.Step(physics.timer.stepTime, 1);
  EXPECT_FLOAT_EQ(spawned->GetTransform()->GetWorldPosition().x, 30.0f + 7.0f * physics.timer.stepTime);
  // A move by hand refiles the object at once.
  spawned->GetTransform()->SetPosition(glm::vec2(-40.0f, 0.0f));
  EXPECT_EQ(physics.Find(spawned->GetId())->GetPosition(), glm::vec2(-40.0f, 0.0f));

  RequestDestruction(Find(*space, "Ball"));
  events->ProcessQueue();
  EXPECT_EQ(physics.Find(ballId), nullptr);
  EXPECT_NE(physics.Find(spawned->GetId()), nullptr);
  space->UnloadLevel();
  EXPECT_EQ(physics.EntryCount(), 0u);
}
