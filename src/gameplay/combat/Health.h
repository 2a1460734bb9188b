#pragma once
// An object's hitpoints. A striking object that carries Damage lowers them on contact; every
// change is announced with a queued HealthChangedEvent on the owner's id (the HUD and damage
// flashes follow it), and death is announced with a DiedEvent on the update after the hitpoints
// have fallen to zero, once and only once: a dead object takes no more hits and can neither die
// nor be healed again.
//
// God mode (gameplay/combat/GodMode.h) makes a player invulnerable and every other side's Health die from
// its first hit. A "boss" Health only plays its hurt sound on contact; the boss dies elsewhere.
#include "audio/Sound.h"
#include "object/Component.h"
#include "object/SpaceNames.h"

#include <string>

class BossDiedEvent;
class CollisionEvent;
class HealthChangedEvent;
class PostUpdateEvent;
class Space;
class UpdateEvent;

// What the HUD's health indicator implements so that the player's Health can connect it: the
// indicator's class lives in a subsystem above this one.
class HealthChangeReceiver
{
public:
  virtual ~HealthChangeReceiver() = default;
  virtual void On(HealthChangedEvent* event) = 0;
};

class Health : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Health;
  static constexpr const char* IndicatorSpaceName = SpaceNames::HealthIndicator;
  // What the hitpoints read once the death is announced.
  static constexpr float DeadHitpoints = 1000.0f;

  Health() : Component(TypeId) {}
  Health& operator=(const Health& other) = default;

  void OnAwake() override;
  void OnDestroy() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  // Announces the current hitpoints, so the HUD follows edits made in the inspector.
  void MembersChanged() override;

  // A striking object hits once a frame: every physics sub-step of a frame reports the same
  // contact again, and a bullet or blast would otherwise strike as many times as the frame had
  // sub-steps.
  void On(CollisionEvent* event);
  void On(UpdateEvent* event);
  // The frame's strikers are forgotten.
  void On(PostUpdateEvent* event);
  void On(BossDiedEvent* event);

  // Raises or lowers by amount, clamped to [0, max hitpoints]. A decrease does nothing while
  // invulnerable, and kills outright while one-hit.
  void AddHealth(float amount);
  // Sets the hitpoints, lowered to the maximum; no lower clamp. An invulnerable object is only
  // ever raised.
  void SetHealth(float value);
  // A hit: negative amounts are ignored, as is everything while invulnerable.
  void TakeDamage(float amount);
  void Kill() { SetHealth(-1.0f); }
  // For a controller told of its object's death: the hitpoints read DeadHitpoints and the object
  // counts as dead, so nothing announces or changes its death again.
  void MarkDead()
  {
    hitpoints = DeadHitpoints;
    deathAnnounced = true;
  }
  void SetInvulnerable(bool value) { invulnerable = value; }
  void SetOneHit(bool value) { oneHit = value; }
  void SetIgnoreCollisions(bool value) { ignoreCollisions = value; }

  float GetHitpoints() const { return hitpoints; }
  float GetMaxHitpoints() const { return maxHitpoints; }
  bool IsInvulnerable() const { return invulnerable; }
  bool IsOneHit() const { return oneHit; }
  bool IsPlayer() const { return isPlayer; }
  bool IsBoss() const { return boss; }
  bool IsDead() const { return deathAnnounced; }
  // Hitpoints left and no death announced: one killed this frame is already out of the fight.
  bool IsAlive() const { return !deathAnnounced && hitpoints > 0.0f; }
  float GetRegenDelayTimer() const { return regenDelayTimer; }
  Space* GetIndicatorSpace() const { return indicatorSpace; }

private:
  void AnnounceChange(float previous);
  void CreateHealthIndicator();
  void ConnectHealthIndicators();

  float hitpoints = 100.0f;
  float maxHitpoints = 100.0f;
  Sound soundHurt;
  Sound soundDeath;
  std::string healthIndicatorCameraPrefab;
  bool regens = true;
  bool boss = false;
  float regenPerSecond = 2.0f;
  float regenDelay = 3.0f;
  float regenDelayTimer = 0.0f;

  bool invulnerable = false;
  bool oneHit = false;
  bool ignoreCollisions = false;  // the shield special's
  bool isPlayer = false;
  // Set when the death is announced. The 1000 hitpoints written then used to be the only guard,
  // and the next hit brought the object back to its maximum, ready to die and pay out again.
  bool deathAnnounced = false;
  Space* indicatorSpace = nullptr;  // not owned
  std::vector<std::uint32_t> struckBy;  // ids of this frame's strikers
};
