#include "gameplay/props/YerbaOnContact.h"

#include "object/GameObject.h"
#include "object/Space.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"
#include "physics/Rigidbody.h"
#include "platform/Random.h"
#include "render/Sprite.h"

void YerbaOnContact::OnAwake()
{
  SubscribeOnOwner<CollisionEvent>(this);
}

void YerbaOnContact::On(CollisionEvent* event)
{
  const auto group = static_cast<CollisionGroup>(event->otherGroup);
  GameObject* owner = GetGameObject();
  if ((group != CollisionGroup::PROJECTILE && group != CollisionGroup::ENEMY_PROJECTILE) || owner == nullptr)
    return;
  const glm::vec2 at = owner->GetTransform()->GetWorldPosition() + glm::vec2(0.0f, -100.0f);
  const Handle<GameObject> soda = SpawnAt("soda1", owner->GetSpace(), at);
  const float forceX = RandomUnit() * 4000.0f - 2000.0f;
  const float forceY = RandomUnit() * -5000.0f;
  if (!soda)
    return;
  if (auto* body = soda->GetComponent<Rigidbody>())
    body->AddForce(forceX, forceY);
  if (Sprite* sprite = soda->GetComponent<Sprite>())
  {
    const float blue = RandomUnit();
    const float green = RandomUnit();
    const float red = RandomUnit();
    sprite->SetColor(red, green, blue, 1.0f);
  }
}
