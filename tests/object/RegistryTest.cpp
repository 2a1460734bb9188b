#include "object/LevelTestEnvironment.h"

#include "object/ObjectEvents.h"
#include "object/Registerer.h"
#include "support/CapturedLog.h"

class RegistryTest : public LevelTest
{
protected:
  RegistryTest()
  {
    Define("Player", R"({"Registerer": {"registryType": "PLAYERS"}, "Transform": null})");
    Define("Plain", R"({"Transform": null})");
  }

  Handle<GameObject> Make(const std::string& prefab, const std::string& name)
  {
    Handle<GameObject> object;
    factory.CreateGameObject(object, prefab, space.get(), name);
    return object;
  }

  void Register(const Handle<GameObject>& object, std::uint32_t key)
  {
    events->SendEvent(MemoryManager::New<RegisterGO>(BRINDLE_SITE, RegistryChannel, object, key));
  }

  void Unregister(const Handle<GameObject>& object, std::uint32_t key)
  {
    events->SendEvent(MemoryManager::New<UnregisterGO>(BRINDLE_SITE, RegistryChannel, object->GetId(), key));
  }

  Registry::ObjectList& Players() { return registry.GetObjects(RegistryType::PLAYERS); }
};

TEST_F(RegistryTest, ARegistererListsItsObjectFromWakingUntilItGoes)
{
  const Handle<GameObject> first = Make("Player", "one");
  const Handle<GameObject> second = Make("Player", "two");
  const Handle<GameObject> unset = Make("Plain", "unset");
  ASSERT_NE(unset->AddComponent("Registerer"), nullptr);
  EXPECT_TRUE(registry.GetObjects(RegistryType::NONE).empty()) << "not woken yet";
  factory.InitializeComponents(unset);

  EXPECT_EQ(Players(), (Registry::ObjectList{first, second}));
  EXPECT_EQ(registry.GetObjects(RegistryType::NONE), Registry::ObjectList{unset});

  RequestDestruction(first);
  events->ProcessQueue();
  EXPECT_FALSE(first.IsValid());
  EXPECT_EQ(Players(), Registry::ObjectList{second});
}

TEST_F(RegistryTest, UnregisteringSweepsDeadEntriesInFrontOfTheMatchOnly)
{
  const Handle<GameObject> a = Make("Plain", "a");
  const Handle<GameObject> b = Make("Plain", "b");
  Handle<GameObject> dead1 = Make("Plain", "dead");
  Handle<GameObject> dead2 = Make("Plain", "dead");
  Register(dead1, 1);
  Register(a, 1);
  Register(dead2, 1);
  Register(b, 1);
  // Torn down without unregistering, as an object without a Registerer would be.
  space->DeleteObject(dead1);
  space->DeleteObject(dead2);
  ASSERT_EQ(Players().size(), 4u);

  Unregister(a, 1);
  ASSERT_EQ(Players().size(), 2u);
  EXPECT_FALSE(Players()[0].IsValid());
  EXPECT_EQ(Players()[1], b);
  Unregister(b, 1);
  EXPECT_TRUE(Players().empty());
}

TEST_F(RegistryTest, TwiceRegisteredIsListedTwiceAndBadKeysTouchNothing)
{
  const Handle<GameObject> a = Make("Plain", "a");
  Register(a, 1);
  Register(a, 1);
  Unregister(a, 1);
  EXPECT_EQ(Players(), Registry::ObjectList{a});

  Register(a, 11);
  Register(a, 12);
  Register(a, 0xFFFFFFFFu);
  Unregister(a, 11);
  Unregister(a, 400);
  Register(Handle<GameObject>(), 2);
  for (std::size_t list = 0; list < Registry::ListCount; ++list)
    EXPECT_EQ(registry.GetObjects(static_cast<RegistryType>(list)).size(), list == 1 ? 1u : 0u);

  // A number outside the table never reaches the registerer's field from a file.
  CapturedLog output;
  Define("Odd", R"({"Registerer": {"registryType": 12}})");
  const Handle<GameObject> odd = Make("Odd", "odd");
  EXPECT_TRUE(output.Contains("[ERROR]"));
  EXPECT_EQ(registry.GetObjects(RegistryType::NONE), Registry::ObjectList{odd});
}

TEST_F(RegistryTest, UnloadingALevelEmptiesTheLists)
{
  Make("Player", "one");
  Make("Player", "two");
  space->UnloadLevel();
  EXPECT_TRUE(Players().empty());
}
