// Which events each component type subscribes to as it wakes, on its own object's id and on its
// space's id: the wiring that decides which handlers run for every event sent. Each type wakes on an
// object of its own with a Transform and the types it wakes after (a PathGraph also with the ShipMap
// it reads), and what it adds to that object's subscriptions is compared with the table. A type
// the table does not name subscribes nothing there. What is subscribed later, or on other objects
// (spawned pieces, parents, the HUD's timer), is left to the tests of those behaviours.
#include "core/EventIds.h"
#include "core/EventManager.h"
#include "object/ComponentList.h"
#include "object/Space.h"
#include "support/CapturedLog.h"
#include "support/ScopedEngine.h"

#include <map>
#include <string>
#include <vector>

namespace
{
// "own: <types> | space: <types>", each list in the order of the type ids.
const std::map<std::string, std::vector<std::string>> Wiring = {
    {"own: | space: UpdateEvent",
     {"ActionHintController", "AllEnemyDeathDetector", "AnyInputDetector", "AutoPlayDetector", "Camera",
      "CancelDetector", "CircleAround", "CircleCollider", "ClickDetector", "Credits", "DragManager",
      "HealthIndicator", "HideInSpace", "KeyDetector", "LevelTransitionTimer", "LightFlicker", "MenuInputDetector",
      "MockUse", "MouseWorldTracker", "MoveTo", "ParallaxController", "PauseDetector", "PulseAndRise", "RayCastTest",
      "RectangleCollider", "RotationLock", "SnapCameraOnInput", "SwitchLevelOnKeyPress", "TextToSprite",
      "ThroneSpriteManager", "TimedHide", "ZestyDriftMotivator"}},
    {"own: DetectorTriggerEndEvent | space:",
     {"AutoPlayButton", "ButtonFullscreen", "ButtonMainMenu", "ButtonMusic", "ButtonSoundFX", "ButtonStartGame",
      "ClickSound", "ConfirmButton", "GodModeButton", "HowToPlayButton", "PauseButton", "QuitButton"}},
    {"own: GameObjectDestroyedEvent | space: UpdateEvent",
     {"BossDialogueManager", "EnemyShipController", "HardEnemyShipController", "SpecialCooldown", "TeleportSpawn",
      "ThrownObject", "TimedDestruction"}},
    {"own: MuzzleFlashSpawnedEvent UseEvent DequipEvent | space: UpdateEvent",
     {"AutomaticGun", "BossGun", "BurstGun", "Gun", "RocketLauncher", "SemiAutoGun", "Shotgun"}},
    {"own: CollisionEvent | space:",
     {"DepressurizationEffect", "EmitOnContact", "ItemDetector", "KnockAwayOnCollision", "SimpleButtonLogic",
      "YerbaOnContact"}},
    {"own: GameObjectDestroyedEvent CollisionEvent | space:",
     {"AmmoPickup", "BulletLogic", "LoadEncounter", "RocketLogic", "WallLogic"}},
    {"own: GameObjectDestroyedEvent DeathAnimationComplete DiedEvent | space: UpdateEvent",
     {"AIController", "BanditController", "BearController", "DuckController", "TestController"}},
    {"own: | space: UpdateEvent DrawEvent",
     {"BossMovementLogic", "DialogueAnimator", "Light", "ParticleSystem", "Sprite"}},
    {"own: DiedEvent | space: UpdateEvent DrawEvent",
     {"ArmAnimator", "BossForceFieldManager", "BossTurretLogic", "CharacterAnimator"}},
    {"own: UseEvent EquipEvent DequipEvent | space: UpdateEvent",
     {"SpecialBlinkLogic", "SpecialDashLogic", "SpecialHOTLogic", "SpecialShieldLogic"}},
    {"own: CollisionEvent | space: UpdateEvent", {"KillOnContact", "ProximityDolly", "ShipThruster"}},
    {"own: InteractionEvent | space: UpdateEvent", {"CommStationsControls", "InteractJukebox", "Teleporter"}},
    {"own: GameObjectDestroyedEvent CollisionEvent | space: UpdateEvent", {"Blast", "ShipController"}},
    {"own: GameObjectDestroyedEvent DiedEvent | space: UpdateEvent", {"BossThroneLogic", "FlickerOnDeath"}},
    {"own: InteractionEvent | space:", {"LoadEndScreen", "LoadMainZone"}},
    {"own: MakeGameObjectEvent | space: UpdateEvent", {"CollectionDumper", "SimpleShipSpawner"}},
    {"own: CollisionEvent DiedEvent | space: UpdateEvent", {"PlayerController"}},
    {"own: CollisionEvent EquipEvent DequipEvent | space:", {"Equippable"}},
    {"own: CollisionEvent ExplosionEvent | space:", {"BossBallLogic"}},
    {"own: CollisionEvent InteractionEvent | space: UpdateEvent", {"Interactor"}},
    {"own: CollisionEvent | space: UpdateEvent PostUpdateEvent BossDiedEvent", {"Health"}},
    {"own: CollisionEvent | space: UpdateReputation", {"Reputation"}},
    {"own: DetectorHoverBeginEvent DetectorHoverEndEvent ButtonToggledEvent | space:", {"ToggleButtonAnimator"}},
    {"own: DetectorHoverBeginEvent DetectorHoverEndEvent | space:", {"ButtonAnimator"}},
    {"own: DetectorTriggerEndEvent | space: NewLevelLoadedEvent", {"ResumeButton"}},
    {"own: DiedEvent | space:", {"SpawnOnDestruction"}},
    {"own: DiedEvent | space: PlayerVictory UpdateEvent DrawEvent", {"PlayerAnimator"}},
    {"own: EquipEvent DequipEvent | space: UpdateEvent", {"ItemIndicator"}},
    {"own: FadeEvent | space: UpdateEvent", {"FadeIn"}},
    {"own: GameObjectDestroyedEvent CollisionEvent DeathAnimationComplete DiedEvent | space: UpdateEvent",
     {"DroneSpawnController"}},
    {"own: GameObjectDestroyedEvent DeathAnimationComplete DiedEvent | space: UpdateEvent DrawEvent",
     {"DroneCarrierController"}},
    {"own: GameObjectDestroyedEvent DeathAnimationComplete ReloadStart ReloadEnd DiedEvent | space: UpdateEvent",
     {"BugController"}},
    {"own: GameObjectDestroyedEvent DiedEvent | space: UpdateEvent DrawEvent", {"SimpleBeamDrone"}},
    {"own: GameObjectDestroyedEvent LootCollectionEvent DiedEvent BossDiedEvent | space:", {"ReputationValue"}},
    {"own: GameObjectDestroyedEvent TouchedItem DiedEvent | space: UpdateEvent", {"SimpleTurretController"}},
    {"own: GameObjectDestroyedEvent | space:", {"ChildSpawner"}},
    {"own: GameObjectDestroyedEvent | space: ShipAttackedEvent", {"DestroyOnEncounter"}},
    {"own: GameObjectDestroyedEvent | space: ThroneExplosionEvent UpdateEvent", {"BossWallExplosion"}},
    {"own: GameObjectDestroyedEvent | space: UpdateEvent DrawEvent TriggerEvent", {"OW_TutorialManager"}},
    {"own: HealthChangedEvent | space:", {"HealthCounter"}},
    {"own: HealthChangedEvent | space: UpdateEvent", {"DamageEffect"}},
    {"own: InteractionEvent ParentedEvent | space:", {"SimpleDoorLogic"}},
    {"own: InteractionEvent | space: ThroneExplosionEvent UpdateEvent", {"ExplosionSummon"}},
    {"own: MakeGameObjectEvent CollisionEvent CollectionEvent | space:", {"CollectionZone"}},
    {"own: MakeGameObjectEvent GameObjectDestroyedEvent CollisionEvent | space: UpdateEvent",
     {"SimpleForceFieldLogic"}},
    {"own: MakeGameObjectEvent GameObjectDestroyedEvent UseEvent | space: UpdateEvent", {"SimpleBombLogic"}},
    {"own: MakeGameObjectEvent | space: UpdateEvent DrawEvent", {"FactionController"}},
    {"own: MuzzleFlashSpawnedEvent UseEvent DequipEvent | space: UpdateEvent DrawEvent", {"BeamGun"}},
    {"own: ParentedEvent | space: UpdateEvent", {"MuzzleFlash"}},
    {"own: PositionUpdateEvent | space: ResizeBoundary", {"MapBoundingColliders"}},
    {"own: SaveShipEvent SetTileEvent | space: ThroneExplosionEvent UpdateEvent DrawEvent", {"ShipMap"}},
    {"own: ShipMapLoadEvent ShipMapWallDestroyedEvent | space:", {"PressureTracker"}},
    {"own: ShipMapLoadEvent ShipMapWallDestroyedEvent | space: UpdateEvent", {"PathGraph"}},
    {"own: TeamChangeEvent | space:", {"AimingModule"}},
    {"own: TouchedItem UseEvent EquipDequip | space: PostUpdateEvent", {"Equipment"}},
    {"own: UpdateSteering | space: UpdateEvent PostUpdateEvent", {"Agent"}},
    {"own: | space: BossDiedEvent", {"Team"}},
    {"own: | space: BossSpawnEnemies UpdateEvent", {"BossSpawner"}},
    {"own: | space: DepressurizationEvent UpdateEvent", {"BossActionLogic"}},
    {"own: | space: DepressurizationEvent UpdateEvent BossDiedEvent", {"BossCameraManager"}},
    {"own: | space: DepressurizationEvent UpdateEvent DrawEvent TriggerEvent", {"TutorialManager"}},
    {"own: | space: DrawEvent", {"PointLight"}},
    {"own: | space: SpawnEnemies", {"SpawnArea"}},
    {"own: | space: StopTimerEvent", {"EncounterTimer"}},
    {"own: | space: UpdateEvent CameraMoveTo SetZoom PlaceCameraEvent", {"ZoomManager"}},
    {"own: | space: UpdateEvent ReturnToOverworldEvent DiedEvent ShipAttackedEvent CorvaExitEvent BossWinEvent", {"LevelManager"}},
    {"own: | space: UpdateEvent RegisterMenuInputDetectorEvent RegisterClickDetectorEvent", {"MenuInputManager"}},
    {"own: | space: UpdateEvent SetLead", {"CameraLeash"}},
    {"own: | space: UpdateEvent ShakeEvent", {"CameraShake"}},
    {"own: | space: UpdateEvent UpdateReputation", {"LevelTransitionManager"}},
};

const char* EventName(std::uint32_t id)
{
  switch (id)
  {
#define BRINDLE_EVENT_NAME(number, Class) \
  case number:                            \
    return #Class;
    BRINDLE_EVENTS(BRINDLE_EVENT_NAME)
#undef BRINDLE_EVENT_NAME
  }
  return "";
}
}  // namespace

class SubscriptionWiringTest : public EngineTest
{
protected:
  // How many subscriptions of each event type an object of these components (a JSON list of
  // members after its Transform) makes on its own id and on its space's id.
  std::vector<std::size_t> Subscriptions(const std::string& components)
  {
    Define("WiringProbe", "{\"Transform\": null" + components + "}");
    Space* in = LiveSpace("Wiring");
    const Handle<GameObject> object = Make("WiringProbe", {0.0f, 0.0f}, "", in);
    std::vector<std::size_t> counts;
    for (std::uint32_t type = 1; type < EventTypeCount; ++type)
    {
      counts.push_back(object ? events->SubscriptionCount(type, object->GetId()) : 0);
      counts.push_back(events->SubscriptionCount(type, in->GetId()));
    }
    in->MarkForRemoval();
    Frame();
    return counts;
  }

  std::string WiringOf(const std::string& component)
  {
    std::string siblings = component == "PathGraph" ? ", \"ShipMap\": null" : "";
    for (std::uint32_t sibling : ComponentList::DependenciesOf(ComponentList::IdOf(component)))
      if (sibling != COMP_Transform)
        siblings += std::string(", \"") + ComponentList::NameOf(sibling) + "\": null";
    const std::vector<std::size_t> without = Subscriptions(siblings);
    const std::vector<std::size_t> with = Subscriptions(siblings + ", \"" + component + "\": null");
    std::string own, onSpace;
    for (std::uint32_t type = 1; type < EventTypeCount; ++type)
    {
      const std::size_t row = 2 * (type - 1);
      if (with[row] > without[row])
        own += std::string(" ") + EventName(type);
      if (with[row + 1] > without[row + 1])
        onSpace += std::string(" ") + EventName(type);
    }
    return "own:" + own + " | space:" + onSpace;
  }

  CapturedLog log;  // what a type woken without its usual company says about it
};

TEST_F(SubscriptionWiringTest, EveryComponentTypeSubscribesWhatTheTableSays)
{
  std::map<std::string, std::string> expected;
  for (const auto& [wiring, types] : Wiring)
    for (const std::string& type : types)
    {
      EXPECT_LT(ComponentList::IdOf(type), COMP_NUM_COMPONENTS) << type << " is no component type";
      expected[type] = wiring;
    }
  for (std::uint32_t type = 0; type < COMP_NUM_COMPONENTS; ++type)
  {
    const std::string name = ComponentList::NameOf(type);
    const auto listed = expected.find(name);
    EXPECT_EQ(WiringOf(name), listed != expected.end() ? listed->second : "own: | space:") << name;
  }
}
