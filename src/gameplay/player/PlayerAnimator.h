#pragma once
// Chooses the player's animation every update from how fast it moves (its Rigidbody) and which
// way it faces (its Agent): four idle and four walk directions aboard a ship, their space-suit
// variants in space (the left walk is the right one mirrored), a death and a victory pose. The
// faster the walk, the shorter each frame; walking against the facing plays the cycle backwards.
// When the death has played to its last frame it queues DeathAnimationComplete on its object, on
// every update from then on.
//
// In the editor ("updateOnDraw") the character turns on the spot and animates from draws alone.
#include "object/Component.h"

#include <glm/vec2.hpp>
#include <string>

class DiedEvent;
class DrawEvent;
class PlayerVictory;
class UpdateEvent;

class PlayerAnimator : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_PlayerAnimator;
  static constexpr float VictoryScale = 1.8f;

  PlayerAnimator() : Component(TypeId) {}
  PlayerAnimator& operator=(const PlayerAnimator&) = default;

  void OnAwake() override;
  void Synchronize() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(DiedEvent* event);
  void On(PlayerVictory* event);
  void On(UpdateEvent* event);
  void On(DrawEvent* event);

  bool IsDead() const { return dead; }
  bool IsOnShip() const { return onShip; }
  bool HasWon() const { return victoryReached; }

private:
  // The idle of the first sector rule whose pair of names is set; empty when none is.
  const std::string& IdleFor(float facing) const;
  const std::string& WalkFor(float facing, bool& mirrored) const;

  bool updateOnDraw = false;
  glm::vec2 aim{0.0f, -1.0f};  // the preview's facing; never saved
  std::string victory;
  std::string death;
  std::string walkRight;
  std::string walkLeft;
  std::string walkBack;
  std::string walkFront;
  std::string idleRight;
  std::string idleLeft;
  std::string idleBack;
  std::string idleFront;
  std::string spaceWalkRight;
  std::string spaceWalkBack;
  std::string spaceWalkFront;
  std::string spaceIdleRight;
  std::string spaceIdleLeft;
  std::string spaceIdleBack;
  std::string spaceIdleFront;
  std::string spaceDeath;
  float fastPeriod = 0.05f;
  float slowPeriod = 0.5f;
  float maxSpeed = 100.0f;

  bool dead = false;
  bool onShip = false;
  bool victoryReached = false;
  float previewClock = 0.0f;  // seconds of preview drawn
};
