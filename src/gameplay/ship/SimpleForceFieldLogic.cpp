#include "gameplay/ship/SimpleForceFieldLogic.h"

#include "core/EventManager.h"
#include "core/Send.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Members.h"
#include "object/ObjectEvents.h"
#include "object/Removal.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"
#include "platform/Random.h"

namespace
{
constexpr float ParticleSpeed = 120.0f;
}

void SimpleForceFieldLogic::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "type", &type, RenderInt, 0);
}

void SimpleForceFieldLogic::OnAwake()
{
  SubscribeOnOwner<CollisionEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
  LetSpaceDestroyOwner();
  // The factory makes the particles this field asks for on its own id.
  if (EventManager* manager = EventManager::Instance(); manager != nullptr && GetGameObject() != nullptr)
  {
    if (GameobjectFactory* factory = GameobjectFactory::Instance())
      manager->Subscribe<GameobjectFactory, MakeGameObjectEvent>(factory, GetGameObject()->GetId());
  }
  for (float& offset : offsets)
    offset = static_cast<float>(Random() % 128 - 64);
}

void SimpleForceFieldLogic::On(CollisionEvent* event)
{
  const auto group = static_cast<CollisionGroup>(event->otherGroup);
  if (group != CollisionGroup::PROJECTILE && group != CollisionGroup::ENEMY_PROJECTILE)
    return;
  QueueRemoval(event->other);
}

void SimpleForceFieldLogic::On(UpdateEvent* event)
{
  emitTimer -= event->dt;
  if (emitTimer >= 0.0f)
    return;
  // The overshoot is dropped: the next particle comes a whole interval later.
  emitTimer = emitInterval;
  if (type != 0)
    Side();
  else
    Facing();
  particleIndex = (particleIndex + 1) % OffsetCount;
}

void SimpleForceFieldLogic::Facing()
{
  GameObject* field = GetGameObject();
  if (field == nullptr || field->GetTransform() == nullptr)
    return;
  const glm::vec2 p = field->GetTransform()->GetWorldPosition();
  const float r = offsets[particleIndex];
  if (fromStart)
    Emit({p.x - 64.0f, p.y - r}, {ParticleSpeed, 0.0f});
  else
    Emit({p.x + 64.0f, p.y + r}, {-ParticleSpeed, 0.0f});
  fromStart = !fromStart;
}

void SimpleForceFieldLogic::Side()
{
  GameObject* field = GetGameObject();
  if (field == nullptr || field->GetTransform() == nullptr)
    return;
  const glm::vec2 p = field->GetTransform()->GetWorldPosition();
  if (fromStart)
    Emit({p.x + 55.0f, p.y - 64.0f}, {0.0f, ParticleSpeed});
  else
    Emit({p.x + 60.0f, p.y + 64.0f}, {0.0f, -ParticleSpeed});
  fromStart = !fromStart;
}

void SimpleForceFieldLogic::Emit(glm::vec2 start, glm::vec2 velocity)
{
  GameObject* field = GetGameObject();
  if (field == nullptr)
    return;
  Queue<MakeGameObjectEvent>(BRINDLE_SITE, field->GetId(), field->GetSpace(), ParticlePrefab, start.x, start.y,
                             velocity.x, velocity.y);
}
