#pragma once
// Chooses the animation of a walking character other than the player (the enemies an Agent
// drives) from its speed and facing, as PlayerAnimator does, with three differences: there are
// no space-suit variants; a front or back animation named "Default" falls back to the side view
// of the nearer side; and with "noAnimationInSpace" a character off the ship holds its frame.
// The death starts on the first update after DiedEvent, and once its last frame shows,
// DeathAnimationComplete is queued on the object on every update.
#include "object/Component.h"

#include <glm/vec2.hpp>
#include <string>

class DiedEvent;
class DrawEvent;
class UpdateEvent;

class CharacterAnimator : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_CharacterAnimator;
  // A front or back animation of this name falls back to a side view.
  static constexpr const char* FallBack = "Default";

  CharacterAnimator() : Component(TypeId) {}
  CharacterAnimator& operator=(const CharacterAnimator&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(DiedEvent* event);
  void On(UpdateEvent* event);
  void On(DrawEvent* event);

  bool IsDead() const { return dead; }

private:
  // The animation of the facing's sector among the four given, with the "Default" fall-backs.
  const std::string& Choose(float facing, const std::string& right, const std::string& left,
                            const std::string& back, const std::string& front) const;
  void PlayDeath(class Sprite& sprite);

  bool updateOnDraw = false;
  glm::vec2 aim{0.0f, -1.0f};  // the preview's facing; never saved
  std::string walkRight;
  std::string walkLeft;
  std::string walkBack;
  std::string walkFront;
  std::string death;
  std::string idleRight;
  std::string idleLeft;
  std::string idleBack;
  std::string idleFront;
  float fastPeriod = 0.05f;
  float slowPeriod = 0.5f;
  float maxSpeed = 100.0f;
  bool noAnimationInSpace = true;

  bool dead = false;
  float previewClock = 0.0f;  // seconds of preview drawn
};
