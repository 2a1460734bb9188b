#include "gameplay/combat/FlickerOnDeath.h"

#include "core/Send.h"
#include "gameplay/combat/CombatEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/ObjectEvents.h"
#include "object/Space.h"
#include "physics/Collider.h"
#include "physics/CollisionGroup.h"
#include "render/Sprite.h"

FlickerOnDeath::FlickerOnDeath() : Component(TypeId) {}

FlickerOnDeath::~FlickerOnDeath() = default;

void FlickerOnDeath::OnAwake()
{
  if (GetSpace() == nullptr)
    return;
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnOwner<DiedEvent>(this);
  // The destruction at the end must reach the space even on an object whose other components do
  // not already have it listen.
  LetSpaceDestroyOwner();
}

void FlickerOnDeath::StopColliding()
{
  if (Collider* collider = GetCollider(GetGameObject()))
    collider->group = CollisionGroup::NO_COLLISIONS;
  else
    missingCollider.Report(*this, "collider", "leaving the collisions");
}

Sprite* FlickerOnDeath::FindSprite()
{
  GameObject* object = GetGameObject();
  Sprite* sprite = object != nullptr ? object->GetComponent<Sprite>() : nullptr;
  if (sprite == nullptr)
    missingSprite.Report(*this, "Sprite", "blinking");
  return sprite;
}

void FlickerOnDeath::On(DiedEvent*)
{
  active = true;
  StopColliding();
  nextToggle = timeLeft - toggleFraction * timeLeft;
}

void FlickerOnDeath::On(UpdateEvent* event)
{
  if (!active)
    return;
  timeLeft -= event->dt;
  if (timeLeft > 0.0f)
  {
    if (nextToggle > timeLeft)
    {
      shown = !shown;
      nextToggle = timeLeft - toggleFraction * timeLeft;
      if (Sprite* sprite = FindSprite())
      {
        sprite->SetDraw(shown);
        fColor faded = sprite->GetColor();
        faded *= fColor(1.0f, 1.0f, 1.0f, 0.95f);
        sprite->SetColor(faded);
      }
    }
    return;
  }
  // Time is up: said again on every update until the space has removed the object.
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  Queue<DeathAnimationComplete>(BRINDLE_SITE, object->GetId());
  Queue<GameObjectDestroyedEvent>(BRINDLE_SITE, object->GetId(), GetOwner());
}
