#include "gameplay/player/CharacterAnimation.h"

#include "core/Send.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/player/CharacterAnimator.h"
#include "gameplay/player/PlayerAnimator.h"
#include "gameplay/ship/ShipMap.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"
#include "render/Graphics.h"
#include "render/Sprite.h"
#include "steering/Agent.h"

#include <algorithm>
#include <cmath>

namespace CharacterAnimation
{
float FacingAngle(float orientation)
{
  return std::atan2(std::sin(orientation), std::cos(orientation)) + 3.14159265f;
}

bool IsOnShip(GameObject& object)
{
  Registry* registry = Registry::Instance();
  const Collider* collider = GetCollider(&object);
  if (registry == nullptr || collider == nullptr)
    return false;
  const glm::vec2 position = collider->GetPosition();
  for (const Handle<GameObject>& ship : registry->GetObjects(RegistryType::SHIPS))
  {
    const ShipMap* map = ship ? ship->GetComponent<ShipMap>() : nullptr;
    if (map != nullptr && map->IsTileAt(position.x, position.y))
      return true;
  }
  return false;
}

void SetAnimation(Sprite& sprite, const std::string& name)
{
  if (name.empty() || name == sprite.GetSource())
    return;
  sprite.SetFrame(0);
  sprite.SetSource(name);
}

Motion MotionOf(GameObject& object)
{
  const Rigidbody* body = object.GetComponent<Rigidbody>();
  const glm::vec2 velocity = body != nullptr ? body->velocity : glm::vec2(0.0f, 0.0f);
  const float orientation = FacingOf(&object);
  return Motion{velocity, std::sqrt(velocity.x * velocity.x + velocity.y * velocity.y), orientation,
                FacingAngle(orientation)};
}

float WalkPeriod(float speed, float maxSpeed, float slow, float fast)
{
  const float share = maxSpeed > 0.0f ? std::min(speed / maxSpeed, 1.0f) : 1.0f;
  return slow + share * (fast - slow);
}

void PaceWalk(Sprite& sprite, const Motion& motion, float maxSpeed, float slow, float fast)
{
  const glm::vec2 velocity = motion.velocity;
  if (std::fabs(velocity.x) < StandingSpeed && std::fabs(velocity.y) < StandingSpeed)
    return;
  sprite.SetPeriod(WalkPeriod(motion.speed, maxSpeed, slow, fast));
  sprite.SetForward(velocity.x * std::cos(motion.orientation) + velocity.y * std::sin(motion.orientation) > 0.0f);
}

void HoldDeathEnd(Sprite& sprite, const GameObject& object)
{
  if (sprite.GetFrame() + 1 != sprite.GetFrameCount())
    return;
  sprite.SetAnimated(false);
  Queue<DeathAnimationComplete>(BRINDLE_SITE, object.GetId());
}

void TurnPreview(GameObject& object, float& clock, glm::vec2& aim, Graphics::Graphics* lineOn)
{
  clock += PreviewStep;
  aim = glm::vec2(std::cos(clock), std::sin(clock));
  StepPreview(object, aim, lineOn);
}

void StepPreview(GameObject& object, glm::vec2 aim, Graphics::Graphics* lineOn)
{
  if (lineOn != nullptr && object.GetTransform() != nullptr)
    lineOn->DebugDrawLine(object.GetTransform()->GetWorldPosition(), aim, 200.0f, object.GetSpace(),
                          fColor(1.0f, 1.0f, 1.0f, 1.0f));
  UpdateEvent step(object.GetId(), PreviewStep);
  if (Agent* agent = object.GetComponent<Agent>())
  {
    if (Kinematic* state = agent->GetKinematic().Get())
      state->orientation = std::atan2(aim.y, aim.x);
  }
  if (PlayerAnimator* player = object.GetComponent<PlayerAnimator>())
    player->On(&step);
  if (CharacterAnimator* character = object.GetComponent<CharacterAnimator>())
  {
    Rigidbody* body = object.GetComponent<Rigidbody>();
    const glm::vec2 saved = body != nullptr ? body->velocity : glm::vec2(0.0f, 0.0f);
    if (body != nullptr)
      body->velocity = glm::vec2(10.0f, 10.0f);
    character->On(&step);
    if (body != nullptr)
      body->velocity = saved;
  }
  if (Sprite* sprite = object.GetComponent<Sprite>())
    sprite->On(&step);
}
}  // namespace CharacterAnimation
