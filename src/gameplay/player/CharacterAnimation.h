#pragma once
// What the character animators share: the facing angle and its sectors, standing on a ship,
// switching a sprite's animation, and the editor's preview of a character with no updates
// running.
#include "core/Handle.h"

#include <glm/vec2.hpp>
#include <string>

class GameObject;
class Sprite;
namespace Graphics
{
class Graphics;
}

namespace CharacterAnimation
{
// Sector limits of the facing angle, in single precision; every comparison with them is strict.
constexpr float QuarterPi = 0.7853982f;
constexpr float HalfPi = 1.5707964f;
constexpr float ThreeQuartersPi = 2.3561945f;
constexpr float FiveQuartersPi = 3.926991f;
constexpr float ThreeHalvesPi = 4.712389f;
constexpr float SevenQuartersPi = 5.4977875f;
// Below this speed a character stands.
constexpr float StandingSpeed = 0.1f;
constexpr float IdlePeriod = 0.16f;
// The preview's time step, and the speed its walking characters pretend to have.
constexpr float PreviewStep = 0.033f;

// The facing angle of an orientation, in (0, 2 pi]: right pi, front (towards the viewer, -y)
// pi/2, back 3 pi/2, left 2 pi.
float FacingAngle(float orientation);

// Whether the object's collider stands on a tile of a ship registered under SHIPS.
bool IsOnShip(GameObject& object);

// Shows a different animation from its first frame; an empty name, or the one showing, changes
// nothing, so a running animation is not restarted.
void SetAnimation(Sprite& sprite, const std::string& name);

// How a character moves in this update: its Rigidbody's velocity (none without one) and speed,
// its orientation and that orientation's facing angle.
struct Motion
{
  glm::vec2 velocity;
  float speed;
  float orientation;
  float facing;
};
Motion MotionOf(GameObject& object);

// The sprite's period for a walk at this speed: from `slow` standing to `fast` at `maxSpeed`.
float WalkPeriod(float speed, float maxSpeed, float slow, float fast);

// A moving character's frames: shorter the faster it walks, played backwards when it walks against
// its facing. A character standing still on both axes keeps its period and direction.
void PaceWalk(Sprite& sprite, const Motion& motion, float maxSpeed, float slow, float fast);

// Once the death shows its last frame the sprite stops there and DeathAnimationComplete is queued
// on the object, on every update from then on.
void HoldDeathEnd(Sprite& sprite, const GameObject& object);

// The editor's preview on a draw: the character turns a little further round (`clock` and `aim`
// are the animator's own) and is stepped as StepPreview does.
void TurnPreview(GameObject& object, float& clock, glm::vec2& aim, Graphics::Graphics* lineOn);

// One step of the editor's preview (no updates run in the editor): with a renderer, a white line
// 200 units along `aim` on the debug layer; the character turned to face `aim`; then its
// PlayerAnimator, its CharacterAnimator (as if walking) and its sprite stepped by the preview's
// time step.
void StepPreview(GameObject& object, glm::vec2 aim, Graphics::Graphics* lineOn);
}  // namespace CharacterAnimation
