#include "support/HandMadeObjects.h"
#include "support/ScopedEngine.h"

#include "app/AllComponents.h"
#include "object/ComponentFactory.h"
#include "object/ComponentRegistration.h"
#include "object/GameobjectFactory.h"
#include "object/Transform.h"
#include "support/CapturedLog.h"

#include <algorithm>

namespace
{
class GameobjectFactoryTest : public EngineTestWith<ScopedEngine::EventsOnly>
{
protected:
  GameobjectFactoryTest()
  {
    factory.SetComponentRegistrar(RegisterAllComponents);
    GameobjectFactory::SetInstance(&factory);
  }
  ~GameobjectFactoryTest() override { GameobjectFactory::SetInstance(nullptr); }

  GameobjectFactory factory;
};

TEST(ComponentListTest, NamesAndIdsFollowTheTable)
{
  EXPECT_STREQ(ComponentList::NameOf(0), "Agent");
  EXPECT_STREQ(ComponentList::NameOf(2), "Transform");
  EXPECT_STREQ(ComponentList::NameOf(54), "PlayerAnimator");
  EXPECT_STREQ(ComponentList::NameOf(84), "OverworldPositionPersistance");
  EXPECT_STREQ(ComponentList::NameOf(ComponentTypeCount), "COMP_NUM_COMPONENTS");
  EXPECT_STREQ(ComponentList::NameOf(ComponentTypeCount + 1), "");
  EXPECT_EQ(Component::GetTypeNameById(147), "TextToSprite");
  EXPECT_EQ(ComponentList::IdOf("ChildSpawner"), 76u);
  EXPECT_EQ(ComponentList::IdOf("childspawner"), COMP_NUM_COMPONENTS);
  for (std::uint32_t id = 0; id < ComponentTypeCount; ++id)
    EXPECT_EQ(ComponentList::IdOf(ComponentList::NameOf(id)), id) << ComponentList::NameOf(id);
}

TEST(ComponentListTest, TwentyOneTypesDeclareDependencies)
{
  int withList = 0;
  for (std::uint32_t id = 0; id < ComponentTypeCount; ++id)
    withList += ComponentList::DependenciesOf(id).empty() ? 0 : 1;
  EXPECT_EQ(withList, 21);
  const ComponentList::DependencyList transform = ComponentList::DependenciesOf(COMP_Transform);
  EXPECT_EQ(std::vector<std::uint32_t>(transform.begin(), transform.end()),
            (std::vector<std::uint32_t>{COMP_RectangleCollider, COMP_CircleCollider, COMP_Rigidbody}));
  const ComponentList::DependencyList duck = ComponentList::DependenciesOf(COMP_DuckController);
  EXPECT_EQ(std::vector<std::uint32_t>(duck.begin(), duck.end()),
            (std::vector<std::uint32_t>{COMP_Team, COMP_Agent, COMP_Sprite, COMP_Rigidbody, COMP_Transform,
                                        COMP_AimingModule}));
}

TEST(ComponentListTest, EveryTypeHasAClass)
{
  ComponentFactoryMap registered;
  RegisterAllComponents(registered);
  std::string missing;
  for (const std::uint32_t id : ComponentTypesWithoutClass(registered))
    missing += std::string(" ") + ComponentList::NameOf(id);
  EXPECT_EQ(missing, "") << "component types without a class";
  EXPECT_EQ(registered.size(), ComponentTypeCount) << "a class is filed under a name off the table";
  for (auto& [name, factory] : registered)
    delete factory;
}

// The wake order holds every type of the table once, each after every type it depends on, and its
// names and ranks agree with it.
TEST_F(GameobjectFactoryTest, EveryTypeWakesOnceAfterItsDependencies)
{
  factory.Initialize();
  const std::vector<std::int32_t>& order = factory.GetInitOrder();
  ASSERT_EQ(order.size(), ComponentTypeCount);
  ASSERT_EQ(factory.GetTypeNames().size(), ComponentTypeCount);
  std::vector<std::int32_t> sorted = order;
  std::sort(sorted.begin(), sorted.end());
  for (std::uint32_t id = 0; id < ComponentTypeCount; ++id)
    ASSERT_EQ(sorted[id], static_cast<std::int32_t>(id)) << "each type once";
  for (std::size_t index = 0; index < order.size(); ++index)
  {
    const auto id = static_cast<std::uint32_t>(order[index]);
    EXPECT_EQ(factory.GetTypeNames()[index], ComponentList::NameOf(id));
    EXPECT_EQ(factory.WakeRank(id), index);
  }
  for (std::uint32_t id = 0; id < ComponentTypeCount; ++id)
  {
    for (const std::uint32_t dependency : ComponentList::DependenciesOf(id))
      EXPECT_LT(factory.WakeRank(dependency), factory.WakeRank(id)) << ComponentList::NameOf(id);
  }
  EXPECT_EQ(asserts.Count(), 0u) << "no dependency stands behind its dependant";
}

TEST_F(GameobjectFactoryTest, InsertionFollowsTheLastPresentDependency)
{
  factory.AddToOrder(COMP_Agent);
  EXPECT_EQ(factory.GetInitOrder(), (std::vector<std::int32_t>{COMP_Agent}));

  GameobjectFactory second;
  // Transform's dependencies are all absent: it goes to the front.
  second.AddToOrder(COMP_Health);
  second.AddToOrder(COMP_Transform);
  EXPECT_EQ(second.GetInitOrder(), (std::vector<std::int32_t>{COMP_Transform, COMP_Health}));
  second.AddToOrder(COMP_Rigidbody);
  second.AddToOrder(COMP_Agent);
  EXPECT_EQ(second.GetInitOrder(),
            (std::vector<std::int32_t>{COMP_Rigidbody, COMP_Transform, COMP_Agent, COMP_Health}));

  GameobjectFactory third;
  third.AddToOrder(COMP_Transform);
  third.AddToOrder(COMP_Sprite);
  third.AddToOrder(COMP_MenuInputDetector);
  EXPECT_EQ(third.GetInitOrder(),
            (std::vector<std::int32_t>{COMP_Transform, COMP_MenuInputDetector, COMP_Sprite}));
}

TEST_F(GameobjectFactoryTest, ADependencyBehindItsDependantIsReportedOncePerDependency)
{
  // Transform goes in first, so both colliders and Rigidbody land in front of it... unless they
  // are missing altogether, which counts as standing behind it.
  factory.AddToOrder(COMP_Transform);
  factory.AddToOrder(COMP_CircleCollider);
  factory.ConfirmDependency(COMP_Transform);
  ASSERT_EQ(asserts.Count(), 2u);
  EXPECT_EQ(asserts.Reports()[0].message,
            "Circular dependency found, relating to \"Transform\" and \"RectangleCollider\"\n\n"
            "Continue debugging to see more messages.");
  EXPECT_TRUE(asserts.Reports()[1].message.find("\"Transform\" and \"Rigidbody\"") != std::string::npos);
  EXPECT_EQ(asserts.Reports()[0].function, "GameobjectFactory::ConfirmDependency");
}

TEST_F(GameobjectFactoryTest, InitializeRegistersTheBuiltTypesAndLeavesNoProbesBehind)
{
  CapturedLog output;
  factory.Initialize();
  EXPECT_EQ(output.Text().find("[ERROR]"), std::string::npos) << output.Text();
  EXPECT_EQ(factory.GetFactories().count("Transform"), 1u);
  EXPECT_EQ(factory.GetFactories().size() + ComponentTypesWithoutClass(factory.GetFactories()).size(),
            ComponentTypeCount);
  for (const auto& [name, componentFactory] : factory.GetFactories())
    EXPECT_EQ(Component::GetTypeNameById(componentFactory->GetTypeId()), name);
}

}  // namespace

namespace
{
// A component of a type whose copies start as constructed.
class CameraStandIn : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Camera;
  CameraStandIn() : Component(TypeId) {}
  float zoom = 1.0f;
};

TEST_F(GameobjectFactoryTest, TypesThatCopyNothingStartAsConstructed)
{
  EXPECT_TRUE(ComponentList::CopiesNothing(COMP_Camera));
  EXPECT_TRUE(ComponentList::CopiesNothing(COMP_Teleporter));
  EXPECT_FALSE(ComponentList::CopiesNothing(COMP_Transform));
  EXPECT_FALSE(ComponentList::CopiesNothing(COMP_WallLogic));
  int copiesNothing = 0;
  for (std::uint32_t id = 0; id < ComponentTypeCount; ++id)
    copiesNothing += ComponentList::CopiesNothing(id) ? 1 : 0;
  EXPECT_EQ(copiesNothing, 19);

  DerivedComponentFactory<CameraStandIn> cameras;
  auto* source = static_cast<CameraStandIn*>(cameras.GetNew());
  source->zoom = 3.0f;
  auto* copy = static_cast<CameraStandIn*>(cameras.GetCopy(source));
  EXPECT_EQ(copy->zoom, 1.0f);
  cameras.Copy(source, copy);
  EXPECT_EQ(copy->zoom, 1.0f);
  MemoryManager::Delete(copy);
  MemoryManager::Delete(source);
}

TEST_F(GameobjectFactoryTest, AllocationRecordsNameTheFactoryAndItsClass)
{
  DerivedComponentFactory<Transform> transforms;
  Component* made = transforms.GetNew();
  Component* copied = transforms.GetCopy(made);
  const SiteTag* madeRecord = MemoryManager::Instance()->FindRecord(made);
  const SiteTag* copiedRecord = MemoryManager::Instance()->FindRecord(copied);
  ASSERT_NE(madeRecord, nullptr);
  ASSERT_NE(copiedRecord, nullptr);
  EXPECT_STREQ(madeRecord->function, "DerivedComponentFactory<class Transform>::GetNew");
  EXPECT_STREQ(copiedRecord->function, "DerivedComponentFactory<class Transform>::GetCopy");
  MemoryManager::Delete(copied);
  MemoryManager::Delete(made);
}
}  // namespace

namespace
{
// A class whose constructor passes the wrong row and whose declared defaults are off.
class CarelessComponent : public Component
{
public:
  CarelessComponent() : Component(COMP_Health) {}
  void GetMembers(std::vector<MemberBase*>& members) override
  {
    Members::AddMember(members, "hitpoints", &hitpoints, RenderInt, 100);
    Members::AddMember(members, "armour", &armour, RenderFloat, 0.5f);
    Members::AddMember(members, "regeneration", &regeneration, RenderFloat, 0.0f);
  }
  int hitpoints = 90;
  float armour = 0.5f;
  float regeneration = 0.0005f;  // within the tolerance
};

TEST_F(GameobjectFactoryTest, StartUpChecksReportWrongTypeIdsAndDefaults)
{
  CarelessComponent probe;
  MemberList members(probe);
  CapturedLog output;
  GameobjectFactory::ReportDeclarationMismatches(COMP_Team, probe, members.Get());
  ASSERT_EQ(asserts.Count(), 1u);
  EXPECT_EQ(asserts.Reports()[0].message,
            "Component: Team has a mismatch between its static type: \"Team\" (defined in the header), and it's local "
            "type: \"Health\" (defined in the constructor)");
  EXPECT_EQ(asserts.Reports()[0].function, "GameobjectFactory::Initialize");
  EXPECT_EQ(output.Text(), "[ERROR] In GetMember of Team. The default value provided for \"hitpoints\" doesn't match "
                           "the value found in a new Team\n");
}
}  // namespace
