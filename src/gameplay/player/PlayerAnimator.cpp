#include "gameplay/player/PlayerAnimator.h"

#include "gameplay/combat/CombatEvents.h"
#include "gameplay/player/ArmAnimator.h"
#include "gameplay/player/CharacterAnimation.h"
#include "gameplay/player/PlayerEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "physics/Rigidbody.h"
#include "render/Sprite.h"
#include "steering/Agent.h"

using namespace CharacterAnimation;

namespace
{
const std::string NoAnimation;
}  // namespace

void PlayerAnimator::OnAwake()
{
  SubscribeOnOwner<DiedEvent>(this);
  SubscribeOnSpace<PlayerVictory>(this);
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnSpace<DrawEvent>(this);
  GameObject* object = GetGameObject();
  if (Sprite* sprite = object != nullptr ? object->GetComponent<Sprite>() : nullptr)
    sprite->SetAnimated(true);
}

void PlayerAnimator::Synchronize()
{
  if (GameObject* object = GetGameObject())
    onShip = CharacterAnimation::IsOnShip(*object);
}

void PlayerAnimator::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "updateOnDraw", &updateOnDraw, RenderBool, false, false);
  Members::AddMember(members, "aim", &aim, RenderVec2, glm::vec2(0.0f, -1.0f), false);
  const std::pair<const char*, std::string*> names[] = {
      {"victory", &victory},           {"death", &death},
      {"walkRight", &walkRight},       {"walkLeft", &walkLeft},
      {"walkBack", &walkBack},         {"walkFront", &walkFront},
      {"idleRight", &idleRight},       {"idleLeft", &idleLeft},
      {"idleBack", &idleBack},         {"idleFront", &idleFront},
      {"spaceWalkRight", &spaceWalkRight}, {"spaceWalkBack", &spaceWalkBack},
      {"spaceWalkFront", &spaceWalkFront}, {"spaceIdleRight", &spaceIdleRight},
      {"spaceIdleLeft", &spaceIdleLeft},   {"spaceIdleBack", &spaceIdleBack},
      {"spaceIdleFront", &spaceIdleFront}, {"spaceDeath", &spaceDeath}};
  for (const auto& [name, field] : names)
    Members::AddMember(members, name, field, RenderString, std::string());
  Members::AddMember(members, "fastPeriod", &fastPeriod, RenderFloat, 0.05f);
  Members::AddMember(members, "slowPeriod", &slowPeriod, RenderFloat, 0.5f);
  Members::AddMember(members, "maxSpeed", &maxSpeed, RenderFloat, 100.0f);
}

const std::string& PlayerAnimator::IdleFor(float facing) const
{
  const auto pick = [this](const std::string& ship, const std::string& space) -> const std::string& {
    return onShip ? ship : space;
  };
  const auto set = [](const std::string& ship, const std::string& space) { return !ship.empty() && !space.empty(); };
  if (set(idleLeft, spaceIdleLeft) && (facing < QuarterPi || facing > SevenQuartersPi))
    return pick(idleLeft, spaceIdleLeft);
  if (set(idleFront, spaceIdleFront) && facing < ThreeQuartersPi)
    return pick(idleFront, spaceIdleFront);
  if (set(idleRight, spaceIdleRight) && facing < FiveQuartersPi)
    return pick(idleRight, spaceIdleRight);
  if (set(idleBack, spaceIdleBack))
    return pick(idleBack, spaceIdleBack);
  return NoAnimation;
}

const std::string& PlayerAnimator::WalkFor(float facing, bool& mirrored) const
{
  mirrored = false;
  if (facing < QuarterPi || facing > SevenQuartersPi)
  {
    // Space has no walk to the left of its own: the right one, mirrored.
    mirrored = !onShip;
    return onShip ? walkLeft : spaceWalkRight;
  }
  if (facing < ThreeQuartersPi)
    return onShip ? walkFront : spaceWalkFront;
  if (facing < FiveQuartersPi)
    return onShip ? walkRight : spaceWalkRight;
  return onShip ? walkBack : spaceWalkBack;
}

void PlayerAnimator::On(UpdateEvent*)
{
  GameObject* object = GetGameObject();
  Sprite* sprite = object != nullptr ? object->GetComponent<Sprite>() : nullptr;
  if (sprite == nullptr)
    return;
  sprite->SetFlipX(false);
  if (victoryReached)
    return;
  if (dead)
  {
    HoldDeathEnd(*sprite, *object);
    return;
  }
  const Motion motion = MotionOf(*object);
  onShip = CharacterAnimation::IsOnShip(*object);
  if (motion.speed < StandingSpeed)
  {
    sprite->SetPeriod(IdlePeriod);
    const std::string& idle = IdleFor(motion.facing);
    if (idle.empty())
      return;
    SetAnimation(*sprite, idle);
  }
  else
  {
    bool mirrored = false;
    const std::string& walk = WalkFor(motion.facing, mirrored);
    if (mirrored)
      sprite->SetFlipX(true);
    SetAnimation(*sprite, walk);
  }
  PaceWalk(*sprite, motion, maxSpeed, slowPeriod, fastPeriod);
}

void PlayerAnimator::On(DiedEvent*)
{
  GameObject* object = GetGameObject();
  Sprite* sprite = object != nullptr ? object->GetComponent<Sprite>() : nullptr;
  dead = true;
  if (sprite == nullptr)
    return;
  sprite->SetAnimated(true);
  // Set directly, so the death always starts over.
  sprite->SetSource(onShip ? death : spaceDeath);
  sprite->SetAnimationTimer(0.0f);
  sprite->SetPeriod(IdlePeriod);
  sprite->SetForward(true);
  sprite->SetFrame(0);
}

void PlayerAnimator::On(PlayerVictory*)
{
  GameObject* object = GetGameObject();
  victoryReached = true;
  if (object == nullptr)
    return;
  if (Sprite* sprite = object->GetComponent<Sprite>())
  {
    sprite->SetAnimated(false);
    sprite->SetSource(victory);
    sprite->SetFrame(0);
    // The pose is drawn 1.8 times the size of the walking character. (A sprite's scale here is its
    // size in the world, not a factor on its picture's pixels.)
    const glm::vec2 size = sprite->GetScale();
    sprite->SetScale(size.x * VictoryScale, size.y * VictoryScale);
  }
  if (Rigidbody* body = object->GetComponent<Rigidbody>())
    body->invMass = 0.0f;
  if (ArmAnimator* arms = object->GetComponent<ArmAnimator>())
    arms->Hide();
}

void PlayerAnimator::On(DrawEvent* event)
{
  GameObject* object = GetGameObject();
  if (updateOnDraw && object != nullptr)
    TurnPreview(*object, previewClock, aim, event->renderer);
}
