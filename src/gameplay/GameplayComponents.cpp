#include "gameplay/GameplayComponents.h"

#include "gameplay/player/ArmAnimator.h"
#include "gameplay/player/CharacterAnimator.h"
#include "gameplay/player/PlayerAnimator.h"
#include "gameplay/player/PlayerController.h"
#include "gameplay/specials/SpecialBlinkLogic.h"
#include "gameplay/specials/SpecialDashLogic.h"
#include "gameplay/ship/ShipController.h"
#include "gameplay/boss/BossBallLogic.h"
#include "gameplay/boss/BossForceFieldManager.h"
#include "gameplay/boss/BossGun.h"
#include "gameplay/boss/BossSpawner.h"
#include "gameplay/boss/BossThroneLogic.h"
#include "gameplay/boss/BossTurretLogic.h"
#include "gameplay/boss/BossWallExplosion.h"
#include "gameplay/boss/ExplosionSummon.h"
#include "gameplay/boss/ThroneSpriteManager.h"
#include "gameplay/boss/ThrownObject.h"
#include "gameplay/combat/Damage.h"
#include "gameplay/combat/DamageEffect.h"
#include "gameplay/combat/FlickerOnDeath.h"
#include "gameplay/combat/Health.h"
#include "gameplay/combat/KillOnContact.h"
#include "gameplay/combat/KnockAwayOnCollision.h"
#include "gameplay/combat/Team.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/items/Equippable.h"
#include "gameplay/items/ItemDetector.h"
#include "gameplay/items/SpawnOnDestruction.h"
#include "gameplay/player/Interactor.h"
#include "gameplay/player/Legs.h"
#include "gameplay/props/CircleAround.h"
#include "gameplay/props/DestroyOnEncounter.h"
#include "gameplay/props/EmitOnContact.h"
#include "gameplay/props/InteractJukebox.h"
#include "gameplay/props/YerbaOnContact.h"
#include "gameplay/props/ZestyDriftMotivator.h"
#include "gameplay/score/CollectionZone.h"
#include "gameplay/score/Reputation.h"
#include "gameplay/score/ReputationValue.h"
#include "gameplay/score/ScoreBoard.h"
#include "gameplay/ship/DepressurizationEffect.h"
#include "gameplay/ship/DragManager.h"
#include "gameplay/ship/HideInSpace.h"
#include "gameplay/ship/PressureTracker.h"
#include "gameplay/ship/ShipMap.h"
#include "gameplay/ship/ShipThruster.h"
#include "gameplay/ship/SimpleDoorLogic.h"
#include "gameplay/ship/SimpleForceFieldLogic.h"
#include "gameplay/ship/WallLogic.h"
#include "gameplay/specials/Special.h"
#include "gameplay/specials/SpecialCooldown.h"
#include "gameplay/specials/SpecialHOTLogic.h"
#include "gameplay/specials/SpecialShieldLogic.h"
#include "gameplay/weapons/Ammo.h"
#include "gameplay/weapons/AmmoPickup.h"
#include "gameplay/weapons/AutomaticGun.h"
#include "gameplay/weapons/BeamGun.h"
#include "gameplay/weapons/Blast.h"
#include "gameplay/weapons/BulletLogic.h"
#include "gameplay/weapons/BurstGun.h"
#include "gameplay/weapons/Gun.h"
#include "gameplay/weapons/MockUse.h"
#include "gameplay/weapons/MuzzleFlash.h"
#include "gameplay/weapons/RocketLauncher.h"
#include "gameplay/weapons/RocketLogic.h"
#include "gameplay/weapons/SemiAutoGun.h"
#include "gameplay/weapons/Shotgun.h"
#include "gameplay/weapons/SimpleBombLogic.h"

void RegisterGameplayComponents(ComponentFactoryMap& factories)
{
  AddComponentFactory<FlickerOnDeath>(factories);
  AddComponentFactory<PressureTracker>(factories);
  AddComponentFactory<ShipMap>(factories);
  AddComponentFactory<BossForceFieldManager>(factories);
  AddComponentFactory<BossWallExplosion>(factories);
  AddComponentFactory<BossThroneLogic>(factories);
  AddComponentFactory<WallLogic>(factories);
  AddComponentFactory<DepressurizationEffect>(factories);
  AddComponentFactory<SimpleDoorLogic>(factories);
  AddComponentFactory<SimpleForceFieldLogic>(factories);
  AddComponentFactory<DragManager>(factories);
  AddComponentFactory<ShipThruster>(factories);
  AddComponentFactory<Legs>(factories);
  AddComponentFactory<Health>(factories);
  AddComponentFactory<Damage>(factories);
  AddComponentFactory<Team>(factories);
  AddComponentFactory<Equipment>(factories);
  AddComponentFactory<Equippable>(factories);
  AddComponentFactory<ItemDetector>(factories);
  AddComponentFactory<Ammo>(factories);
  AddComponentFactory<AmmoPickup>(factories);
  AddComponentFactory<Gun>(factories);
  AddComponentFactory<BulletLogic>(factories);
  AddComponentFactory<RocketLogic>(factories);
  AddComponentFactory<SimpleBombLogic>(factories);
  AddComponentFactory<MuzzleFlash>(factories);
  AddComponentFactory<Blast>(factories);
  AddComponentFactory<SpecialCooldown>(factories);
  AddComponentFactory<BossBallLogic>(factories);
  AddComponentFactory<BossGun>(factories);
  AddComponentFactory<BossSpawner>(factories);
  AddComponentFactory<ExplosionSummon>(factories);
  AddComponentFactory<ThroneSpriteManager>(factories);
  AddComponentFactory<ThrownObject>(factories);
  AddComponentFactory<BossTurretLogic>(factories);
  AddComponentFactory<CollectionZone>(factories);
  AddComponentFactory<DestroyOnEncounter>(factories);
  AddComponentFactory<InteractJukebox>(factories);
  AddComponentFactory<Interactor>(factories);
  AddComponentFactory<MockUse>(factories);
  AddComponentFactory<SpawnOnDestruction>(factories);
  AddComponentFactory<YerbaOnContact>(factories);
  AddComponentFactory<SemiAutoGun>(factories);
  AddComponentFactory<AutomaticGun>(factories);
  AddComponentFactory<BurstGun>(factories);
  AddComponentFactory<RocketLauncher>(factories);
  AddComponentFactory<Shotgun>(factories);
  AddComponentFactory<BeamGun>(factories);
  AddComponentFactory<Special>(factories);
  AddComponentFactory<SpecialHOTLogic>(factories);
  AddComponentFactory<SpecialShieldLogic>(factories);
  AddComponentFactory<ScoreBoard>(factories);
  AddComponentFactory<Reputation>(factories);
  AddComponentFactory<ReputationValue>(factories);
  AddComponentFactory<KillOnContact>(factories);
  AddComponentFactory<KnockAwayOnCollision>(factories);
  AddComponentFactory<EmitOnContact>(factories);
  AddComponentFactory<DamageEffect>(factories);
  AddComponentFactory<CircleAround>(factories);
  AddComponentFactory<HideInSpace>(factories);
  AddComponentFactory<ZestyDriftMotivator>(factories);
  AddComponentFactory<ShipController>(factories);
  AddComponentFactory<ArmAnimator>(factories);
  AddComponentFactory<CharacterAnimator>(factories);
  AddComponentFactory<PlayerAnimator>(factories);
  AddComponentFactory<PlayerController>(factories);
  AddComponentFactory<SpecialBlinkLogic>(factories);
  AddComponentFactory<SpecialDashLogic>(factories);
}
