#include "gameplay/ship/DepressurizationEffect.h"

#include "core/Send.h"
#include "gameplay/ship/PressureTracker.h"
#include "gameplay/ship/ShipEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/PhysicsEvents.h"
#include "physics/Rigidbody.h"

#include <cmath>

namespace
{
void AnnounceDepressurization(const Space* space)
{
  if (space != nullptr)
    Queue<DepressurizationEvent>(BRINDLE_SITE, space->GetId(), 1u, 1u, glm::vec2(0.0f, 0.0f));
}
}  // namespace

void DepressurizationEffect::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "force", &force, RenderFloat, 0.0f);
}

void DepressurizationEffect::OnAwake()
{
  SubscribeOnOwner<CollisionEvent>(this);
  AnnounceDepressurization(GetSpace());
}

void DepressurizationEffect::SetTracker(PressureTracker* tracker)
{
  GameObject* owner = tracker != nullptr ? tracker->GetGameObject() : nullptr;
  trackerObject = owner != nullptr ? owner->GetHandle() : Handle<GameObject>();
}

PressureTracker* DepressurizationEffect::GetTracker() const
{
  const GameObject* owner = trackerObject.Get();
  return owner != nullptr ? owner->GetComponent<PressureTracker>() : nullptr;
}

void DepressurizationEffect::On(CollisionEvent* event)
{
  GameObject* other = event->other.Get();
  if (other == nullptr)
    return;
  PushBody(*other);
  AnnounceDepressurization(other->GetSpace());
}

void DepressurizationEffect::PushBody(GameObject& body)
{
  const PressureTracker* tracker = GetTracker();
  auto* rigidbody = body.GetComponent<Rigidbody>();
  Transform* transform = body.GetTransform();
  if (tracker == nullptr || rigidbody == nullptr || rigidbody->invMass == 0.0f || transform == nullptr)
    return;
  glm::ivec2 cell;
  if (!tracker->WorldToCell(transform->GetWorldPosition(), cell))
    return;
  const glm::vec2 flow = tracker->GetFlow(cell);
  rigidbody->AddForce(force * std::trunc(flow.x), force * std::trunc(flow.y));
}
