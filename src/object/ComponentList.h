#pragma once
// The component type table: every component type of the game, in a fixed order. A type's id is
// its row; its name is its class name, the key under which a component is stored on its game
// object and in prefab and level files. Rows are never reordered or renumbered: files and the
// initialisation order depend on them.
#include <cstddef>
#include <cstdint>
#include <string>

// One X(Name) per type, in type-id order.
#define BRINDLE_COMPONENT_TYPES(X) \
  X(Agent) /* 0 */ \
  X(Legs) /* 1 */ \
  X(Transform) /* 2 */ \
  X(Ammo) /* 3 */ \
  X(KnockAwayOnCollision) /* 4 */ \
  X(HealthCounter) /* 5 */ \
  X(Credits) /* 6 */ \
  X(Shotgun) /* 7 */ \
  X(BurstGun) /* 8 */ \
  X(PressureTracker) /* 9 */ \
  X(Gun) /* 10 */ \
  X(Sprite) /* 11 */ \
  X(Rigidbody) /* 12 */ \
  X(ItemDetector) /* 13 */ \
  X(DamageEffect) /* 14 */ \
  X(LevelTransitionTimer) /* 15 */ \
  X(RocketLauncher) /* 16 */ \
  X(SwitchLevelOnKeyPress) /* 17 */ \
  X(ShipMap) /* 18 */ \
  X(LoopSound) /* 19 */ \
  X(SpawnOnDestruction) /* 20 */ \
  X(BeamGun) /* 21 */ \
  X(Special) /* 22 */ \
  X(SpecialCooldown) /* 23 */ \
  X(BossForceFieldManager) /* 24 */ \
  X(BossThroneLogic) /* 25 */ \
  X(BossCameraManager) /* 26 */ \
  X(BossDialogueManager) /* 27 */ \
  X(BossWallExplosion) /* 28 */ \
  X(ThroneSpriteManager) /* 29 */ \
  X(PlayerController) /* 30 */ \
  X(AIController) /* 31 */ \
  X(TestController) /* 32 */ \
  X(BanditController) /* 33 */ \
  X(DroneCarrierController) /* 34 */ \
  X(DroneSpawnController) /* 35 */ \
  X(BearController) /* 36 */ \
  X(BugController) /* 37 */ \
  X(DuckController) /* 38 */ \
  X(PauseButton) /* 39 */ \
  X(AutoPlayButton) /* 40 */ \
  X(ConfirmButton) /* 41 */ \
  X(QuitButton) /* 42 */ \
  X(ResumeButton) /* 43 */ \
  X(HowToPlayButton) /* 44 */ \
  X(GodModeButton) /* 45 */ \
  X(ButtonAnimator) /* 46 */ \
  X(ToggleButtonAnimator) /* 47 */ \
  X(SimpleButtonLogic) /* 48 */ \
  X(ButtonStartGame) /* 49 */ \
  X(ButtonFullscreen) /* 50 */ \
  X(ButtonSoundFX) /* 51 */ \
  X(ButtonMusic) /* 52 */ \
  X(ButtonMainMenu) /* 53 */ \
  X(PlayerAnimator) /* 54 */ \
  X(RectangleCollider) /* 55 */ \
  X(AutomaticGun) /* 56 */ \
  X(CircleCollider) /* 57 */ \
  X(SemiAutoGun) /* 58 */ \
  X(RotationLock) /* 59 */ \
  X(BulletLogic) /* 60 */ \
  X(AmmoPickup) /* 61 */ \
  X(WallLogic) /* 62 */ \
  X(TimedDestruction) /* 63 */ \
  X(DepressurizationEffect) /* 64 */ \
  X(Camera) /* 65 */ \
  X(Light) /* 66 */ \
  X(Equippable) /* 67 */ \
  X(MouseWorldTracker) /* 68 */ \
  X(RayCastTest) /* 69 */ \
  X(SimpleTurretController) /* 70 */ \
  X(SimpleDoorLogic) /* 71 */ \
  X(Health) /* 72 */ \
  X(LoadMainZone) /* 73 */ \
  X(SimpleForceFieldLogic) /* 74 */ \
  X(SimpleBombLogic) /* 75 */ \
  X(ChildSpawner) /* 76 */ \
  X(InteractJukebox) /* 77 */ \
  X(ShipController) /* 78 */ \
  X(EnemyShipController) /* 79 */ \
  X(Blast) /* 80 */ \
  X(DragManager) /* 81 */ \
  X(Registerer) /* 82 */ \
  X(LoadEncounter) /* 83 */ \
  X(OverworldPositionPersistance) /* 84 */ \
  X(ClickDetector) /* 85 */ \
  X(KeyDetector) /* 86 */ \
  X(CancelDetector) /* 87 */ \
  X(ParallaxController) /* 88 */ \
  X(AutoPlayDetector) /* 89 */ \
  X(AllEnemyDeathDetector) /* 90 */ \
  X(AnyInputDetector) /* 91 */ \
  X(PauseDetector) /* 92 */ \
  X(MenuInputDetector) /* 93 */ \
  X(MenuInputManager) /* 94 */ \
  X(DialogueAnimator) /* 95 */ \
  X(CollectionZone) /* 96 */ \
  X(CollectionDumper) /* 97 */ \
  X(Team) /* 98 */ \
  X(ZoomManager) /* 99 */ \
  X(LoadEndScreen) /* 100 */ \
  X(RocketLogic) /* 101 */ \
  X(SimpleShipSpawner) /* 102 */ \
  X(CameraLeash) /* 103 */ \
  X(CameraShake) /* 104 */ \
  X(MuzzleFlash) /* 105 */ \
  X(TimedHide) /* 106 */ \
  X(HealthIndicator) /* 107 */ \
  X(Damage) /* 108 */ \
  X(ArmAnimator) /* 109 */ \
  X(MapBoundingColliders) /* 110 */ \
  X(CharacterAnimator) /* 111 */ \
  X(HardEnemyShipController) /* 112 */ \
  X(MoveTo) /* 113 */ \
  X(ClickSound) /* 114 */ \
  X(ShipThruster) /* 115 */ \
  X(DestroyOnEncounter) /* 116 */ \
  X(LevelTransitionManager) /* 117 */ \
  X(LevelManager) /* 118 */ \
  X(Interactor) /* 119 */ \
  X(Equipment) /* 120 */ \
  X(ExplosionSummon) /* 121 */ \
  X(FactionController) /* 122 */ \
  X(AimingModule) /* 123 */ \
  X(SpecialDashLogic) /* 124 */ \
  X(ItemIndicator) /* 125 */ \
  X(PathGraph) /* 126 */ \
  X(ParticleAInitFunc1) /* 127 */ \
  X(EncounterTimer) /* 128 */ \
  X(CommStationsControls) /* 129 */ \
  X(Teleporter) /* 130 */ \
  X(FactionProperty) /* 131 */ \
  X(SpawnArea) /* 132 */ \
  X(SpecialHOTLogic) /* 133 */ \
  X(SpecialBlinkLogic) /* 134 */ \
  X(SpecialShieldLogic) /* 135 */ \
  X(BossMovementLogic) /* 136 */ \
  X(ParticleSystem) /* 137 */ \
  X(ParticleBoxSpawnModifier) /* 138 */ \
  X(ProximityDolly) /* 139 */ \
  X(SimpleBeamDrone) /* 140 */ \
  X(BossGun) /* 141 */ \
  X(BossActionLogic) /* 142 */ \
  X(BossTurretLogic) /* 143 */ \
  X(ThrownObject) /* 144 */ \
  X(KillOnContact) /* 145 */ \
  X(FlickerOnDeath) /* 146 */ \
  X(TextToSprite) /* 147 */ \
  X(Reputation) /* 148 */ \
  X(ReputationValue) /* 149 */ \
  X(ScoreBoard) /* 150 */ \
  X(EnemyReinforcementSpawner) /* 151 */ \
  X(BossSpawner) /* 152 */ \
  X(BossBallLogic) /* 153 */ \
  X(TeleportSpawn) /* 154 */ \
  X(InteractionHint) /* 155 */ \
  X(FadeIn) /* 156 */ \
  X(PulseAndRise) /* 157 */ \
  X(PointLight) /* 158 */ \
  X(MockUse) /* 159 */ \
  X(TutorialManager) /* 160 */ \
  X(Trigger) /* 161 */ \
  X(RandExplosionSprite) /* 162 */ \
  X(TriggerRegion) /* 163 */ \
  X(LightFlicker) /* 164 */ \
  X(CircleAround) /* 165 */ \
  X(OW_TutorialManager) /* 166 */ \
  X(ActionHintController) /* 167 */ \
  X(EmitOnContact) /* 168 */ \
  X(HideInSpace) /* 169 */ \
  X(ZestyDriftMotivator) /* 170 */ \
  X(YerbaOnContact) /* 171 */ \
  X(SnapCameraOnInput) /* 172 */

// COMP_<Name> is the type id of each type; COMP_NUM_COMPONENTS, the row after the last, is their count.
enum ComponentTypeId : std::uint32_t
{
#define BRINDLE_COMPONENT_ENUMERATOR(Name) COMP_##Name,
  BRINDLE_COMPONENT_TYPES(BRINDLE_COMPONENT_ENUMERATOR)
#undef BRINDLE_COMPONENT_ENUMERATOR
  COMP_NUM_COMPONENTS
};

constexpr std::uint32_t ComponentTypeCount = COMP_NUM_COMPONENTS;

namespace ComponentList
{
// The name of row `typeId`; the row after the last is "COMP_NUM_COMPONENTS". Ids beyond it give "".
const char* NameOf(std::uint32_t typeId);

// The type id named `name` (exact, case-sensitive), or COMP_NUM_COMPONENTS when none is.
std::uint32_t IdOf(const std::string& name);

// The types that must be woken before `typeId`, in declared order.
struct DependencyList
{
  const std::uint32_t* ids = nullptr;
  std::size_t count = 0;

  const std::uint32_t* begin() const { return ids; }
  const std::uint32_t* end() const { return ids + count; }
  bool empty() const { return count == 0; }
};
DependencyList DependenciesOf(std::uint32_t typeId);

// The types whose copies start as constructed: a prefab's values never reach them, and a reset
// to prefab leaves them as they are. The factories enforce it, whatever the class's assignment.
constexpr bool CopiesNothing(std::uint32_t typeId)
{
  switch (typeId)
  {
    case COMP_AllEnemyDeathDetector:
    case COMP_AnyInputDetector:
    case COMP_Camera:
    case COMP_CancelDetector:
    case COMP_ClickDetector:
    case COMP_CollectionZone:
    case COMP_CommStationsControls:
    case COMP_ConfirmButton:
    case COMP_DestroyOnEncounter:
    case COMP_Interactor:
    case COMP_LevelManager:
    case COMP_LoadEndScreen:
    case COMP_LoadMainZone:
    case COMP_MouseWorldTracker:
    case COMP_PauseDetector:
    case COMP_ProximityDolly:
    case COMP_SimpleBeamDrone:
    case COMP_SimpleShipSpawner:
    case COMP_Teleporter: return true;
    default: return false;
  }
}
}  // namespace ComponentList
