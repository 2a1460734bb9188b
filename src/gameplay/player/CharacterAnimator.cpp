#include "gameplay/player/CharacterAnimator.h"

#include "gameplay/combat/CombatEvents.h"
#include "gameplay/player/CharacterAnimation.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "render/Sprite.h"
#include "steering/Agent.h"

using namespace CharacterAnimation;

void CharacterAnimator::OnAwake()
{
  SubscribeOnOwner<DiedEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnSpace<DrawEvent>(this);
  GameObject* object = GetGameObject();
  if (Sprite* sprite = object != nullptr ? object->GetComponent<Sprite>() : nullptr)
    sprite->SetAnimated(false);
}

void CharacterAnimator::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "updateOnDraw", &updateOnDraw, RenderBool, false, false);
  Members::AddMember(members, "aim", &aim, RenderVec2, glm::vec2(0.0f, -1.0f), false);
  const std::pair<const char*, std::string*> names[] = {
      {"walkRight", &walkRight}, {"walkLeft", &walkLeft}, {"walkBack", &walkBack},   {"walkFront", &walkFront},
      {"death", &death},         {"idleRight", &idleRight}, {"idleLeft", &idleLeft}, {"idleBack", &idleBack},
      {"idleFront", &idleFront}};
  for (const auto& [name, field] : names)
    Members::AddMember(members, name, field, RenderString, std::string());
  Members::AddMember(members, "fastPeriod", &fastPeriod, RenderFloat, 0.05f);
  Members::AddMember(members, "slowPeriod", &slowPeriod, RenderFloat, 0.5f);
  Members::AddMember(members, "maxSpeed", &maxSpeed, RenderFloat, 100.0f);
  Members::AddMember(members, "noAnimationInSpace", &noAnimationInSpace, RenderBool, true);
}

const std::string& CharacterAnimator::Choose(float facing, const std::string& right, const std::string& left,
                                             const std::string& back, const std::string& front) const
{
  if (facing > ThreeQuartersPi && facing < FiveQuartersPi)
    return right;
  if (facing > SevenQuartersPi || facing < QuarterPi)
    return left;
  if (facing > FiveQuartersPi && facing < SevenQuartersPi)
  {
    if (back != FallBack)
      return back;
    return facing > ThreeHalvesPi ? left : right;
  }
  // The front quarter, and the two sector limits themselves.
  if (front != FallBack)
    return front;
  return facing < HalfPi ? left : right;
}

void CharacterAnimator::PlayDeath(Sprite& sprite)
{
  sprite.SetSource(death);
  sprite.SetAnimated(sprite.GetFrameCount() > 1);
  sprite.SetAnimationTimer(0.0f);
  sprite.SetPeriod(IdlePeriod);
  sprite.SetForward(true);
  sprite.SetFrame(0);
}

void CharacterAnimator::On(UpdateEvent*)
{
  GameObject* object = GetGameObject();
  Sprite* sprite = object != nullptr ? object->GetComponent<Sprite>() : nullptr;
  if (sprite == nullptr)
    return;
  if (dead)
  {
    if (sprite->GetSource() != death)
      PlayDeath(*sprite);
    else
      HoldDeathEnd(*sprite, *object);
    return;
  }
  const Motion motion = MotionOf(*object);
  if (motion.speed < StandingSpeed)
  {
    sprite->SetPeriod(IdlePeriod);
    SetAnimation(*sprite, Choose(motion.facing, idleRight, idleLeft, idleBack, idleFront));
  }
  else
    SetAnimation(*sprite, Choose(motion.facing, walkRight, walkLeft, walkBack, walkFront));
  if (noAnimationInSpace && !CharacterAnimation::IsOnShip(*object))
  {
    sprite->SetAnimated(false);
    return;
  }
  sprite->SetAnimated(true);
  PaceWalk(*sprite, motion, maxSpeed, slowPeriod, fastPeriod);
}

void CharacterAnimator::On(DiedEvent*)
{
  dead = true;
}

void CharacterAnimator::On(DrawEvent* event)
{
  GameObject* object = GetGameObject();
  if (updateOnDraw && object != nullptr)
    TurnPreview(*object, previewClock, aim, event->renderer);
}
