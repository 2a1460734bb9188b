#include "app/AllComponents.h"
#include "support/HandMadeObjects.h"
#include "support/ScopedEngine.h"

#include "object/GameobjectFactory.h"
#include "object/ObjectEvents.h"
#include "object/Transform.h"
#include "support/CapturedLog.h"

#include <algorithm>
#include <functional>

namespace
{
// Stands in for a component of any type and records when it wakes. It is no instance of the
// real class, so the object it is attached to must not be asked for that class.
class RecordingComponent : public Component
{
public:
  RecordingComponent(std::uint32_t typeId, std::vector<std::string>& calls) : Component(typeId), log(&calls) {}

  void OnAwake() override
  {
    log->push_back("OnAwake " + GetTypeName());
    if (onAwake)
      onAwake();
  }
  void Synchronize() override { log->push_back("Synchronize " + GetTypeName()); }

  std::vector<std::string>* log;
  std::function<void()> onAwake;
};

class GameObjectTest : public EngineTestWith<ScopedEngine::WithFactory>
{
protected:
  RecordingComponent* Attach(Handle<GameObject>& object, std::uint32_t typeId)
  {
    auto* component = MemoryManager::New<RecordingComponent>(BRINDLE_SITE, typeId, calls);
    object->AttachComponent(component);
    return component;
  }

  GameobjectFactory& factory = Factory();
  std::vector<std::string> calls;
};

TEST_F(GameObjectTest, ComponentsAreFoundByTheirExactTypeName)
{
  Handle<GameObject> object = MakeBareObject();
  EXPECT_EQ(object->GetComponent("Transform"), nullptr);
  EXPECT_EQ(object->GetTransform(), nullptr);
  {
    CapturedLog output;
    EXPECT_EQ(object->AddComponent("transform"), nullptr);
    EXPECT_EQ(output.Text(), "[ERROR] \"transform\" was not found in component factory\n");
  }

  Component* added = object->AddComponent("Transform");
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->GetOwner(), object);
  EXPECT_EQ(object->GetComponent("Transform"), added);
  EXPECT_EQ(object->GetComponent("transform"), nullptr);
  EXPECT_EQ(object->GetComponent<Transform>(), added);
  EXPECT_EQ(object->GetTransform(), added);

  EXPECT_EQ(object->AddComponent("Transform"), nullptr) << "one component per type";
  GameObject::Destroy(object);
}

TEST_F(GameObjectTest, IdsComeFromTheEventManagerAndAreGivenBack)
{
  Handle<GameObject> first = MakeBareObject();
  Handle<GameObject> second = MakeBareObject();
  EXPECT_GE(first->GetId(), EventManager::FirstObjectId);
  EXPECT_NE(first->GetId(), second->GetId());
  const std::uint32_t id = second->GetId();
  EXPECT_TRUE(first->IsActive());
  GameObject::Destroy(second);
  EXPECT_FALSE(second.IsValid());
  EXPECT_EQ(events->GetNewGOID(), id);
  GameObject::Destroy(first);
}

TEST_F(GameObjectTest, ComponentsWakeInDependencyOrderEveryOnAwakeFirst)
{
  Handle<GameObject> object = MakeBareObject();
  for (const std::uint32_t typeId : {COMP_AIController, COMP_Agent, COMP_Rigidbody, COMP_Transform, COMP_Sprite,
                                     COMP_Team, COMP_AimingModule, COMP_Health, COMP_CircleCollider})
    Attach(object, typeId);
  factory.InitializeComponents(object);

  const std::vector<std::string> order = {"AimingModule",   "Team",      "Health", "CircleCollider", "Rigidbody",
                                          "Transform",      "Sprite",    "Agent",  "AIController"};
  ASSERT_EQ(calls.size(), 2 * order.size());
  for (std::size_t index = 0; index < order.size(); ++index)
  {
    EXPECT_EQ(calls[index], "OnAwake " + order[index]);
    EXPECT_EQ(calls[order.size() + index], "Synchronize " + order[index]);
  }
  GameObject::Destroy(object);

  Handle<GameObject> empty = MakeBareObject();
  calls.clear();
  factory.InitializeComponents(empty);
  EXPECT_TRUE(calls.empty());
  GameObject::Destroy(empty);

  // More components than the waking keeps at hand, one of which removes a later sibling while
  // waking: the removed one is never called.
  Handle<GameObject> crowded = MakeBareObject();
  for (std::uint32_t typeId = 40; typeId < 60; ++typeId)
    Attach(crowded, typeId);
  Attach(crowded, COMP_Blast)->onAwake = [&] {
    crowded->RemoveComponent(crowded->GetComponents().find("PlayerAnimator"));
  };
  calls.clear();
  factory.InitializeComponents(crowded);
  EXPECT_EQ(calls.size(), 2u * 20u);
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "OnAwake PlayerAnimator"), 0);
  EXPECT_EQ(crowded->GetComponentsById().size(), crowded->GetComponents().size());
  GameObject::Destroy(crowded);
}

TEST_F(GameObjectTest, ObjectsAreBuiltFromCopiesOfThePrefabsTemplates)
{
  factory.DefinePrefab("Crate", Parsed("{\"Transform\": {\"scale\": [2, 3], \"rotation\": 0.5}}"), "test");
  Handle<GameObject> object;
  factory.CreateGameObject(object, "Crate", nullptr, "crate one");
  ASSERT_TRUE(object.IsValid());
  EXPECT_EQ(object->GetName(), "crate one");
  EXPECT_EQ(object->GetPrefabName(), "Crate");
  EXPECT_FALSE(object->IsActive()) << "objects made at run time are not saved with the level";
  Transform* transform = object->GetTransform();
  ASSERT_NE(transform, nullptr);
  EXPECT_EQ(transform->GetScale(), glm::vec2(2.0f, 3.0f));
  EXPECT_EQ(transform->GetRotation(), 0.5f);
  EXPECT_EQ(transform->GetOwner(), object);
  const Component* templateTransform = factory.GetPrefab("Crate").front().second;
  EXPECT_NE(templateTransform, transform);
  EXPECT_FALSE(templateTransform->GetOwner().IsValid());
  GameObject::Destroy(object);
}

TEST_F(GameObjectTest, CreateAtPlacesTheObjectBeforeAnythingWakes)
{
  factory.DefinePrefab("Lamp", Parsed("{\"Transform\": null}"), "test");
  Handle<GameObject> object;
  factory.NewGameObject(object, "Lamp", nullptr, "");
  GameObject::Destroy(object);

  factory.CreateGameObjectAt(object, "Lamp", nullptr, 5.0f, -6.0f, "lamp");
  EXPECT_EQ(object->GetTransform()->GetWorldPosition(), glm::vec2(5.0f, -6.0f));
  GameObject::Destroy(object);
}

TEST_F(GameObjectTest, ReloadAsksThePrefabLoaderAgain)
{
  // Without a loader a reload leaves no prefabs.
  factory.DefinePrefab("Door", Json::Value(Json::objectValue), "test");
  factory.ReLoadPrefabs();
  EXPECT_FALSE(factory.HasPrefab("Door"));

  int loads = 0;
  factory.SetPrefabLoader([&loads](GameobjectFactory& target) {
    ++loads;
    target.DefinePrefab("Rock", Json::Value(Json::objectValue), "loader");
  });
  factory.DefinePrefab("Stale", Json::Value(Json::objectValue), "test");
  factory.ReLoadPrefabs();
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(factory.GetPrefabNames(), std::vector<std::string>{"Rock"});
}

// A Transform reset to its prefab keeps its place in the level's hierarchy, and of its placement
// takes only what the prefab sets itself (here the scale): where it stands and how it is turned stay.
TEST_F(GameObjectTest, ResetToPrefabKeepsTheHierarchyAndThePlacementThePrefabLeavesToTheLevel)
{
  factory.DefinePrefab("Crate", Parsed("{\"Transform\": {\"scale\": [2, 2]}}"), "test");
  Handle<GameObject> parent;
  Handle<GameObject> crate;
  Handle<GameObject> child;
  factory.CreateGameObject(parent, "Crate", nullptr, "parent");
  factory.CreateGameObject(crate, "Crate", nullptr, "crate");
  factory.CreateGameObject(child, "Crate", nullptr, "child");
  Transform* transform = crate->GetTransform();
  transform->SetParent(parent->GetTransform());
  child->GetTransform()->SetParent(transform);
  transform->SetScale(glm::vec2(9.0f, 9.0f));
  transform->SetRotation(0.5f);
  transform->SetPosition(glm::vec2(3.0f, 3.0f));

  factory.ResetToPrefab(transform);
  EXPECT_EQ(transform->GetScale(), glm::vec2(2.0f, 2.0f));
  EXPECT_EQ(transform->GetRotation(), 0.5f);
  EXPECT_EQ(transform->GetPosition(), glm::vec2(3.0f, 3.0f));
  EXPECT_EQ(transform->GetOwner(), crate);
  EXPECT_EQ(crate->GetParent(), parent);
  EXPECT_EQ(child->GetParent(), crate);
  EXPECT_EQ(transform->GetWorldPosition(), glm::vec2(2.0f * 3.0f, 2.0f * 3.0f)) << "the parent's scale still applies";
  EXPECT_FALSE(factory.HasPrefab(""));
  GameObject::Destroy(child);
  GameObject::Destroy(crate);
  GameObject::Destroy(parent);
}

TEST_F(GameObjectTest, ResetToPrefabOfATypeThePrefabLacksStillRestartsIt)
{
  Handle<GameObject> object;
  factory.DefinePrefab("Plain", Json::Value(Json::objectValue), "test");
  factory.NewGameObject(object, "Plain", nullptr, "");
  RecordingComponent* health = Attach(object, COMP_Health);
  factory.ResetToPrefab(health);
  EXPECT_EQ(calls, std::vector<std::string>{"OnAwake Health"});
  GameObject::Destroy(object);
}
}  // namespace
