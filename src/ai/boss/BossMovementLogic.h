#pragma once
// Walks the boss back and forth between its two waypoints, (700, 2000) and (2500, 2000), facing
// +x, with a footstep on frame 4 of its walk, and arms it with the "BossGun" when it wakes. It
// steers the boss's Agent with a blend of Seek (to the waypoint) and AlignToVector (to the facing)
// and runs a one-state machine ("Walking") whose update action switches waypoints within 100
// units. The action logic marks it charging (no steering, no footsteps; the Agent keeps the last
// steering) and stops it for good at the boss's death.
#include "core/LivePointer.h"
#include "steering/BlendedSteering.h"
#include "audio/Sound.h"
#include "object/Component.h"
#include "steering/OwnedKinematic.h"
#include "steering/SteeringOutput.h"
#include "steering/states/StateMachine.h"

#include <array>
#include <glm/vec2.hpp>
#include <memory>

class Sprite;
class UpdateEvent;

class BossMovementLogic : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_BossMovementLogic;
  static constexpr float ArrivalDistance = 100.0f;
  static constexpr std::uint32_t FootstepFrame = 4;
  static constexpr const char* WalkSoundPath = "event:/SFX/Bosswalk";
  static constexpr const char* GunPrefab = "BossGun";
  static constexpr const char* GunName = "spawned weapon";
  // Where the gun sits from the boss, in world units, and its turn (pointing down the room).
  static constexpr glm::vec2 GunOffset{75.0f, -100.0f};
  static constexpr float GunRotation = 4.712389f;

  BossMovementLogic();
  ~BossMovementLogic() override;
  BossMovementLogic& operator=(const BossMovementLogic&) = default;

  void OnAwake() override;
  // Binds the Agent's kinematic to the blend.
  void Synchronize() override;
  void OnDestroy() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UpdateEvent* event);

  // The "Walking" state's update action.
  void Walk();

  void SetCharging(bool isCharging) { charging = isCharging; }
  bool IsCharging() const { return charging; }
  void Stop() { stopped = true; }
  bool IsStopped() const { return stopped; }
  std::uint32_t GetPrevious() const { return previous; }
  bool GetRight() const { return right; }
  glm::vec2 GetWaypoint() const;
  const SteeringOutput& GetSteering() const { return steering; }
  const Sound& GetWalkSound() const { return walkSound; }

private:
  void ArmWithGun();

  std::uint32_t previous = 1;
  bool right = true;
  bool charging = false;

  Transient<Handle<Kinematic>> character;
  SteeringOutput steering;
  Transient<std::unique_ptr<BlendedSteering>> blend;
  Transient<std::unique_ptr<OwnedKinematic>> target_;
  Transient<std::unique_ptr<OwnedKinematic>> facing;
  Transient<StateMachine> machine{"BossMovement"};
  std::array<glm::vec2, 2> waypoints{glm::vec2(700.0f, 2000.0f), glm::vec2(2500.0f, 2000.0f)};
  bool stopped = false;
  Sound walkSound;
  Transient<LivePointer<Sprite>> sprite;
  bool stepSounded = false;
};
