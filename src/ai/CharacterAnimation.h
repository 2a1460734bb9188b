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

// The sprite's period for a walk at this speed: from `slow` standing to `fast` at `maxSpeed`.
float WalkPeriod(float speed, float maxSpeed, float slow, float fast);

// One step of the editor's preview (no updates run in the editor): with a renderer, a white line
// 200 units along `aim` on the debug layer; the character turned to face `aim`; then its
// PlayerAnimator, its CharacterAnimator (as if walking) and its sprite stepped by the preview's
// time step.
void StepPreview(GameObject& object, glm::vec2 aim, Graphics::Graphics* lineOn);
}  // namespace CharacterAnimation
