#pragma once
// The continuous laser. While used it casts a ray from its muzzle every frame and takes health
// from everything the ray meets, in proportion to the frame time, up to and including the first
// object of the blocking group; it drains its magazine by the second, stretches a light along the
// beam and feeds its own particle system, which draws the beam. Its fire sound is held from the
// first frame of a beam until the first update after a frame without a use.
//
// It keeps the base gun's magazine, timers, reload bar and camera shake, but fires no projectiles.
#include "core/LivePointer.h"
#include "core/fColor.h"
#include "gameplay/weapons/Gun.h"
#include "physics/CollisionGroup.h"

class ParticleSystem;
class PointLight;

class BeamGun : public Gun
{
public:
  static constexpr std::uint32_t TypeId = COMP_BeamGun;
  static constexpr const char* LightPrefab = "FlickeringLight";
  static constexpr const char* ImpactPrefab = "LazerImpact";

  BeamGun() : Gun(TypeId) {}
  BeamGun& operator=(const BeamGun&) = default;

  void OnAwake() override;
  // Puts the lights out and takes them away with the gun.
  void OnDestroy() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UseEvent* event) override;
  void On(UpdateEvent* event) override;
  // As the base gun's, with the reload sound at the start of the reload rather than its end.
  void StartReloading() override;
  void Reload() override { FillFromReserve(false); }

  // One frame of beam: the cast, the shake, the sound's start, the drain and the muzzle flash.
  void FireBeam();
  // The ray with its effects: particles and lights along the beam, an impact and a loss of health
  // at everything it met.
  void CastBeam();

  void SetBlockingGroup(CollisionGroup group) { blockingGroup = group; }
  // 0 keeps the magazine as it is however long the beam runs.
  void SetAmmoPerSecond(float rate) { ammoPerSecond = rate; }
  bool IsFiring() const { return firing; }
  const Handle<GameObject>& GetBeamLight() const { return beamLightObject; }
  const Handle<GameObject>& GetBackLight() const { return backLightObject; }

private:
  Handle<GameObject> MakeLight(const char* name);
  void SwitchLights(bool on);

  float maxRange = 3000.0f;
  float damagePerSecond = 50.0f;
  float ammoPerSecond = 20.0f;
  float minParticleAge = 0.3f;
  float maxParticleAge = 0.3f;
  float spawnPerSecPerDist = 50.0f;

  bool firing = false;           // the beam was on in an earlier frame and is not yet off
  bool firedThisFrame = false;   // a use since the last update
  float lastFrameTime = 0.0f;    // the time step of the latest update
  CollisionGroup blockingGroup = CollisionGroup::BLOCKS_LASER;
  Transient<LivePointer<ParticleSystem>> beamParticles;  // the gun object's own; not owned
  Transient<Handle<GameObject>> beamLightObject;
  Transient<Handle<GameObject>> backLightObject;
  fColor beamColor{0.5f, 0.5f, 1.0f, 1.0f};
  fColor backLightColor{0.5f, 0.5f, 1.0f, 1.0f};
};
