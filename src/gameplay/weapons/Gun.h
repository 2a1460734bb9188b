#pragma once
// The base of every firearm. It holds the magazine, the fire and reload countdowns, the recipe of
// the projectile and the two sounds, and does what all guns share: firing one projectile from its
// prefab (spread, damage, collision group by the holder's side), spending and reloading
// ammunition from the holder's Ammo, the reload bar on the HUD and the camera shake.
//
// A gun is an item object of its own, parented under the character that carries it (its holder).
// Equipment forwards UseEvent and DequipEvent to the gun object's id.
//
// How a derived gun plugs in. Gun::OnAwake subscribes the three handlers every gun has, in this
// order: On(UseEvent*) on the gun object's id, On(UpdateEvent*) on its space's id, and
// On(DequipEvent*) on the gun object's id. They are virtual, so a derived class changes the trigger
// rhythm by overriding them, not by subscribing again:
//   - On(UseEvent*): when a use turns into a shot. The base fires whenever CanShoot allows (an
//     automatic rhythm), so a plain Gun is already a working weapon.
//   - On(UpdateEvent*): per-frame work; an override must call Gun::Update(dt) once.
//   - CanShoot, Reload, StartReloading, UpdateTimers, CancelReload: the reload and readiness
//     steps, each overridable (a one-round reload replaces Reload).
//   - Shoot fires one projectile; a volley overrides it, calling MakeProjectile per pellet and
//     SpendShot once.
// A derived class that needs more at waking overrides OnAwake and calls Gun::OnAwake first. Its
// members come after the base ones: GetMembers calls Gun::GetMembers, then adds its own.
#include "audio/Sound.h"
#include "gameplay/combat/TeamEnum.h"
#include "gameplay/weapons/AmmoType.h"
#include "object/Component.h"
#include "physics/CollisionGroup.h"
#include "physics/RayCastResult.h"

#include <glm/vec2.hpp>
#include <string>
#include <vector>

class DequipEvent;
class MuzzleFlashSpawnedEvent;
class Space;
class UpdateEvent;
class UseEvent;

class Gun : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Gun;
  // Rounds within this of none, or of a full magazine, count as such.
  static constexpr float Epsilon = 0.001f;

  Gun() : Gun(TypeId) {}
  Gun& operator=(const Gun&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  virtual void On(UseEvent* event);
  virtual void On(UpdateEvent* event);
  virtual void On(DequipEvent* event);
  // A muzzle flash parented to the gun object becomes the gun's flash, shown at every shot.
  void On(MuzzleFlashSpawnedEvent* event);

  // Stops a reload and takes its bar off the HUD.
  virtual void CancelReload();
  // The countdown has run out, the magazine holds more than a trace, and no reload is under way.
  virtual bool CanShoot() const;
  // Begins a reload when the magazine lacks rounds and the holder has some to give.
  virtual void StartReloading();
  virtual void UpdateTimers(float dt);
  // One reload step, as much as the holder's reserve allows.
  virtual void Reload();

  // The per-frame step every trigger rhythm calls once.
  void Update(float dt);
  // Fires one projectile and spends one shot's ammunition.
  virtual void Shoot();
  // Deflects a shot counter-clockwise by a whole number of degrees below the spread.
  void ApplySpread(glm::vec2& velocity) const;
  // The gun's damage onto a fired projectile (and a rocket's blast); 0 leaves the prefab's own.
  static void SetProjectileDamage(GameObject* projectile, float value);
  void ShakeCamera();
  void ShowReloadBar();

  // A held object's picture sorts with its holder's offset (a character sorts by its feet), so a
  // gun or its flash keeps its place against the body that holds it; a loose one by its own.
  static void SortWithHolder(GameObject* held);
  // The character carrying the gun; empty when the gun object has no parent.
  Handle<GameObject> GetHolder() const;
  TeamEnum GetHolderTeam() const;
  // The first gun of an object, looked up by the family's type names; null when none.
  static Gun* GetGunComponent(GameObject* object);

  AmmoType GetAmmoType() const { return ammoType; }
  void SetAmmoType(AmmoType type) { ammoType = type; }
  float GetMagCapacity() const { return magCapacity; }
  float GetMagAmmo() const { return magAmmo; }
  void SetMagAmmo(float rounds) { magAmmo = rounds; }
  float GetDamage() const { return damage; }
  float GetFireCooldown() const { return fireCooldown; }
  float GetFireCountdown() const { return fireCountdown; }
  float GetReloadTime() const { return reloadTime; }
  float GetReloadCountdown() const { return reloadCountdown; }
  float GetSpread() const { return spread; }
  void SetSpread(float degrees) { spread = degrees; }
  bool IsReloading() const { return reloading; }
  const std::string& GetProjectilePrefab() const { return projectilePrefab; }
  const Handle<GameObject>& GetReloadBar() const { return reloadBar; }

protected:
  explicit Gun(std::uint32_t typeId) : Component(typeId) {}

  // Makes one projectile at the muzzle with this velocity, turned, damaged and grouped by side;
  // an empty handle when the prefab cannot be made (reported once per prefab name).
  Handle<GameObject> MakeProjectile(glm::vec2 velocity, const std::string& name = "");
  // The magazine after a shot or volley; an empty magazine stays at exactly 0.
  void SpendShot();
  // The step of Reload: as much as the holder's reserve allows, with the reload sound when the
  // magazine fills. Returns whether the reload is over (ReloadEnd queued, no longer reloading).
  bool FillFromReserve(bool withSound);
  // The world direction and speed of a shot along the gun's x axis, before spread.
  glm::vec2 MuzzleVelocity() const;
  // The world point of the muzzle.
  glm::vec2 MuzzlePoint() const;
  // Whether a shot of the group meets what stops it (stoppedBy's contacts) on its way from where
  // the gun is held, at its holder's centre, to the muzzle: a holder flush against a wall holds
  // the muzzle on the wall's far side, where a shot must not start. The holder's own body is no
  // obstacle. `hits` are what the shot meets there, nearest first, up to and including what stops
  // it.
  bool StoppedBeforeMuzzle(CollisionGroup group, CollisionGroup stoppedBy, std::vector<RayCastResult>& hits) const;
  // A short rumble of the first controller when the gun is in the player's hands.
  void RumbleForPlayer() const;

  AmmoType ammoType = AmmoType::BULLET;
  float fireCooldown = 0.05f;
  float reloadTime = 0.5f;
  bool reloading = false;
  float damage = 1.0f;
  float velocity = 1000.0f;
  float spread = 0.0f;  // degrees
  float magCapacity = 50.0f;
  float magAmmo = 50.0f;
  float ammoPerShot = 1.0f;
  glm::vec2 firePos{0.0f, 0.0f};
  std::string projectilePrefab = "Bullet";
  Sound reloadSound;
  Sound fireSound;
  Transient<Handle<GameObject>> muzzleFlashObject;
  float shakeIntensity = 0.0f;
  Transient<Handle<GameObject>> reloadBar;
  float fireCountdown = 0.0f;
  float reloadCountdown = 0.5f;

private:
  // Sets every value a gun cannot work with back to its default, saying so once per prefab.
  void RefuseUnusableData();
};
