#pragma once
// The boss's brain in the throne room. While alive it pulls its gun's trigger every frame (slot 0
// of its Equipment holds the "BossGun") and, each time its cooldown runs out, draws one of three
// attacks with rand() % 3:
//   0  throw a turret into the room (a "ThrownTurret" that lands somewhere in the parallelogram of
//      throwCorners and turns into a "BossTurret"), unless MaxTurrets stand or fly there already:
//      their beams never stop, and a room that filled up with them would leave no way through;
//   1  call reinforcements: one wave, plus one for every quarter of its health lost (1 to 5
//      BossSpawnEnemies on the space);
//   2  charge a death ball for "chargeTime" seconds (the walk pauses), then fire it down the room.
// Its hitpoints never kill it: the room's depressurisation does, once. It then lies dead, throws
// its hat at the player, rings the twinkle 5 s later and ends the fight with BossWinEvent 13 s
// after its death.
#include "core/LivePointer.h"
#include "audio/Sound.h"
#include "object/Component.h"

#include <array>
#include <glm/vec2.hpp>

class BossMovementLogic;
class DepressurizationEvent;
class GameObject;
class Health;
class UpdateEvent;

class BossActionLogic : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_BossActionLogic;
  static constexpr float DeathTime = 13.0f;
  // The twinkle comes when this much of the death time is left.
  static constexpr float TwinkleTime = 8.0f;
  static constexpr float ThrowForce = 500.0f;
  static constexpr int MaxTurrets = 3;
  static constexpr const char* ThrownPrefab = "ThrownTurret";
  static constexpr const char* TurretPrefab = "BossTurret";
  // Where the charging effect and the fired ball appear from the boss.
  static constexpr glm::vec2 BallOffset{100.0f, -200.0f};
  static constexpr const char* MusicPath = "event:/Music/BossMusic";

  BossActionLogic();
  ~BossActionLogic() override;
  BossActionLogic& operator=(const BossActionLogic&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UpdateEvent* event);
  void On(DepressurizationEvent* event);

  void DeathBallShot();
  void ThrowTurret();
  void ThrowHat();

  // The number of waves one reinforcement attack calls at these hitpoints (1 to 5).
  static int WavesFor(float hitpoints, float maxHitpoints);

  bool IsDead() const { return dead; }
  bool IsCharging() const { return charging; }
  int GetAddSpawn() const { return addSpawn; }
  float GetCurrentCharge() const { return currentCharge; }
  float GetDeathTimer() const { return deathTimer; }
  const std::array<glm::vec2, 3>& GetThrowCorners() const { return throwCorners; }

private:
  void Attack();
  void StartCharge();
  void CallReinforcements();
  void UpdateDead(float dt);
  // Makes a thrown object at the boss flying towards `target` with the throw's push.
  GameObject* Throw(glm::vec2 target, const char* prefabToMake);

  float cooldown = 0.0f;
  float maxCooldown = 0.0f;
  int addSpawn = 0;
  bool charging = false;
  float deathBallVelocity = 500.0f;
  float currentCharge = 0.0f;
  float chargeTime = 10.0f;

  std::array<glm::vec2, 3> throwCorners{glm::vec2(2800.0f, 1400.0f), glm::vec2(700.0f, 1400.0f),
                                        glm::vec2(1600.0f, 700.0f)};
  Transient<LivePointer<Health>> health;
  Transient<LivePointer<BossMovementLogic>> movement;
  bool dead = false;
  bool twinkleSpawned = false;
  // BossWinEvent goes out once; the level is left on it.
  bool winSent = false;
  float deathTimer = DeathTime;
  Sound chargeSound;
  Sound throwSound;
  Sound deathSound;
  Sound dingSound;
};
