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
// The wake order that the dependency lists give when types are inserted in type-id order.
const std::vector<std::string> ExpectedWakeOrder = {
    "SnapCameraOnInput", "YerbaOnContact", "ZestyDriftMotivator", "HideInSpace", "EmitOnContact",
    "ActionHintController", "OW_TutorialManager", "CircleAround", "LightFlicker", "TriggerRegion",
    "RandExplosionSprite", "Trigger", "TutorialManager", "MockUse", "PointLight", "PulseAndRise", "FadeIn",
    "InteractionHint", "TeleportSpawn", "BossBallLogic", "BossSpawner", "EnemyReinforcementSpawner",
    "ScoreBoard", "ReputationValue", "Reputation", "TextToSprite", "FlickerOnDeath", "KillOnContact",
    "ThrownObject", "BossTurretLogic", "BossActionLogic", "BossGun", "SimpleBeamDrone", "ProximityDolly",
    "ParticleBoxSpawnModifier", "ParticleSystem", "BossMovementLogic", "SpecialShieldLogic",
    "SpecialBlinkLogic", "SpecialHOTLogic", "SpawnArea", "FactionProperty", "Teleporter",
    "CommStationsControls", "EncounterTimer", "ParticleAInitFunc1", "PathGraph", "ItemIndicator",
    "SpecialDashLogic", "AimingModule", "FactionController", "ExplosionSummon", "Equipment", "Interactor",
    "LevelManager", "LevelTransitionManager", "DestroyOnEncounter", "ShipThruster", "ClickSound", "MoveTo",
    "MapBoundingColliders", "Damage", "HealthIndicator", "TimedHide", "MuzzleFlash", "CameraShake",
    "CameraLeash", "SimpleShipSpawner", "RocketLogic", "LoadEndScreen", "ZoomManager", "Team",
    "CollectionDumper", "CollectionZone", "DialogueAnimator", "MenuInputManager", "PauseDetector",
    "AnyInputDetector", "AllEnemyDeathDetector", "AutoPlayDetector", "ParallaxController", "CancelDetector",
    "KeyDetector", "ClickDetector", "OverworldPositionPersistance", "LoadEncounter", "Registerer",
    "DragManager", "Blast", "InteractJukebox", "ChildSpawner", "SimpleBombLogic", "SimpleForceFieldLogic",
    "LoadMainZone", "Health", "SimpleDoorLogic", "RayCastTest", "MouseWorldTracker", "Equippable", "Light",
    "Camera", "DepressurizationEffect", "TimedDestruction", "WallLogic", "AmmoPickup", "BulletLogic",
    "RotationLock", "SemiAutoGun", "CircleCollider", "AutomaticGun", "RectangleCollider", "ButtonMainMenu",
    "ButtonMusic", "ButtonSoundFX", "ButtonFullscreen", "ButtonStartGame", "SimpleButtonLogic",
    "ButtonAnimator", "GodModeButton", "HowToPlayButton", "ResumeButton", "QuitButton", "ConfirmButton",
    "AutoPlayButton", "PauseButton", "ThroneSpriteManager", "BossWallExplosion", "BossDialogueManager",
    "BossCameraManager", "BossThroneLogic", "BossForceFieldManager", "SpecialCooldown", "Special", "BeamGun",
    "SpawnOnDestruction", "LoopSound", "ShipMap", "SwitchLevelOnKeyPress", "RocketLauncher",
    "LevelTransitionTimer", "DamageEffect", "ItemDetector", "Rigidbody", "Gun", "PressureTracker", "BurstGun",
    "Shotgun", "Credits", "HealthCounter", "KnockAwayOnCollision", "Ammo", "Transform", "MenuInputDetector",
    "Sprite", "ToggleButtonAnimator", "Legs", "Agent", "HardEnemyShipController", "CharacterAnimator",
    "ArmAnimator", "EnemyShipController", "ShipController", "SimpleTurretController", "PlayerAnimator",
    "DuckController", "BugController", "BearController", "DroneSpawnController", "DroneCarrierController",
    "BanditController", "TestController", "AIController", "PlayerController",
};

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
  EXPECT_EQ(ComponentTypeCount, 173u);
  EXPECT_STREQ(ComponentList::NameOf(0), "Agent");
  EXPECT_STREQ(ComponentList::NameOf(2), "Transform");
  EXPECT_STREQ(ComponentList::NameOf(54), "PlayerAnimator");
  EXPECT_STREQ(ComponentList::NameOf(84), "OverworldPositionPersistance");
  EXPECT_STREQ(ComponentList::NameOf(172), "SnapCameraOnInput");
  EXPECT_STREQ(ComponentList::NameOf(173), "COMP_NUM_COMPONENTS");
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

TEST_F(GameobjectFactoryTest, InitializeBuildsTheWakeOrderOfTheTable)
{
  factory.Initialize();
  ASSERT_EQ(factory.GetTypeNames().size(), 173u);
  EXPECT_EQ(factory.GetTypeNames(), ExpectedWakeOrder);
  ASSERT_EQ(factory.GetInitOrder().size(), 173u);
  for (std::size_t index = 0; index < 173; ++index)
    EXPECT_EQ(ComponentList::NameOf(static_cast<std::uint32_t>(factory.GetInitOrder()[index])),
              ExpectedWakeOrder[index]);
  EXPECT_EQ(asserts.Count(), 0u) << "no dependency stands behind its dependant";
}

TEST_F(GameobjectFactoryTest, EveryTypeWakesAfterItsDependencies)
{
  factory.Initialize();
  const std::vector<std::int32_t>& order = factory.GetInitOrder();
  auto positionOf = [&order](std::uint32_t id) {
    return std::find(order.begin(), order.end(), static_cast<std::int32_t>(id)) - order.begin();
  };
  for (std::uint32_t id = 0; id < ComponentTypeCount; ++id)
  {
    for (const std::uint32_t dependency : ComponentList::DependenciesOf(id))
      EXPECT_LT(positionOf(dependency), positionOf(id)) << ComponentList::NameOf(id);
  }
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
  EXPECT_EQ(factory.GetFactories().size() + ComponentTypesWithoutClass(factory.GetFactories()).size(), 173u);
  for (const auto& [name, componentFactory] : factory.GetFactories())
    EXPECT_EQ(Component::GetTypeNameById(componentFactory->GetTypeId()), name);
}

TEST_F(GameobjectFactoryTest, CreateComponentByName)
{
  factory.Initialize();
  Component* transform = factory.CreateComponent("Transform");
  ASSERT_NE(transform, nullptr);
  EXPECT_EQ(transform->GetTypeId(), Transform::TypeId);
  EXPECT_FALSE(transform->GetOwner().IsValid());
  MemoryManager::Delete(transform);

  CapturedLog output;
  EXPECT_EQ(factory.CreateComponent("transform"), nullptr);
  EXPECT_EQ(output.Text(), "[ERROR] \"transform\" was not found in component factory\n");
}

TEST_F(GameobjectFactoryTest, FactoryCopiesCarryFieldsButNotTheComponentPart)
{
  factory.Initialize();
  ComponentFactory* transforms = factory.GetFactories().at("Transform");
  Transform* source = static_cast<Transform*>(transforms->GetNew());
  Transform* second = static_cast<Transform*>(transforms->GetNew());
  EXPECT_EQ(second->GetSerial(), source->GetSerial() + 1);
  EXPECT_NE(second->GetListenerId(), source->GetListenerId());
  source->SetPosition(glm::vec2(3.0f, 4.0f));
  source->SetScale(glm::vec2(2.0f, 2.0f));
  Handle<GameObject> object = MakeBareObject();
  object->AttachComponent(source);

  Transform* copy = static_cast<Transform*>(transforms->GetCopy(source));
  EXPECT_EQ(copy->GetPosition(), glm::vec2(3.0f, 4.0f));
  EXPECT_EQ(copy->GetScale(), glm::vec2(2.0f, 2.0f));
  EXPECT_FALSE(copy->GetOwner().IsValid());
  EXPECT_NE(copy->GetListenerId(), source->GetListenerId());
  EXPECT_NE(copy->GetHandle(), source->GetHandle());

  const std::uint32_t listenerId = source->GetListenerId();
  transforms->Copy(second, source);
  EXPECT_EQ(source->GetPosition(), glm::vec2(0.0f, 0.0f));
  EXPECT_EQ(source->GetOwner(), object);
  EXPECT_EQ(source->GetListenerId(), listenerId);

  MemoryManager::Delete(copy);
  MemoryManager::Delete(second);
  GameObject::Destroy(object);
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
