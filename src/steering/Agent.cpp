#include "steering/Agent.h"

#include "core/FiniteCheck.h"
#include "core/Log.h"
#include "core/MemoryManager.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Transform.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"
#include "physics/RotationLock.h"
#include "steering/AIDebugDraw.h"
#include "steering/AIEvents.h"
#include "steering/BlendedSteering.h"
#include "steering/SteeringMath.h"

#include <cmath>
#include <glm/geometric.hpp>

Agent::Agent() : Component(TypeId) {}

Agent::~Agent()
{
  kinematic.Release();
}

void Agent::OnAwake()
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnSpace<PostUpdateEvent>(this);
  SubscribeOnOwner<UpdateSteering>(this);
  rigidbody = object->GetComponent<Rigidbody>();
  kinematic.Release();
  kinematic = MemoryManager::NewHandle<Kinematic>(BRINDLE_SITE);
  if (Kinematic* state = kinematic.Get())
    state->motivator = &motivator;
  hasRotationLock = object->GetComponent<RotationLock>() != nullptr;
}

void Agent::Synchronize()
{
  ReadBack();
}

void Agent::OnDestroy()
{
  kinematic.Release();
}

void Agent::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "maxEquippedItems", &maxEquippedItems, RenderInt, 2);
  Members::AddMember(members, "motivator", &motivator, RenderMotivator, Motivator());
  Members::AddMember<Handle<Kinematic>>(members, "Kinematic", &kinematic, RenderKinematic, Handle<Kinematic>(), false);
}

void Agent::On(UpdateEvent*)
{
  Kinematic* state = kinematic.Get();
  if (state == nullptr)
    return;
  state->ApplyLimits(steering, Kinematic::Both);
  if (rigidbody != nullptr && rigidbody->invMass != 0.0f)
    rigidbody->AddForce(steering.linear.x / rigidbody->invMass, steering.linear.y / rigidbody->invMass);
  if (!hasRotationLock)
    if (GameObject* object = GetGameObject(); object != nullptr && object->GetTransform() != nullptr)
      object->GetTransform()->SetRotation(state->orientation);
}

void Agent::On(PostUpdateEvent* event)
{
  Kinematic* state = kinematic.Get();
  if (state == nullptr)
    return;
  state->Integrate(steering, event->dt, Kinematic::Angular);
  DrawKinematic(GetSpace(), *state, fColor(0.0f, 1.0f, 1.0f, 1.0f), fColor(1.0f, 1.0f, 1.0f, 1.0f));
  ReadBack();
}

void Agent::On(UpdateSteering* event)
{
  if (!IsFinite(event->linear) || !std::isfinite(event->angular))
  {
    // One bad value would spread through the body's velocity and every contact it touches.
    if (!reportedBadSteering)
      LogError("Agent of \"", GetGameObject() != nullptr ? GetGameObject()->GetName() : std::string(),
               "\": a steering that is not a finite number is refused; it coasts instead.");
    reportedBadSteering = true;
    steering = SteeringOutput();
    return;
  }
  steering.linear = event->linear;
  steering.angular = event->angular;
  const Kinematic* state = kinematic.Get();
  if (state == nullptr)
    return;
  Space* space = GetSpace();
  const fColor colour(1.0f, 0.0f, 1.0f, 1.0f);
  const glm::vec2 direction = Normalized(steering.linear);
  DrawDebugLine(space, state->position, direction, glm::length(steering.linear) * 0.01f, colour);
  if (steering.angular != 0.0f)
  {
    const glm::vec2 side = steering.angular > 0.0f ? glm::vec2(-direction.y, direction.x) : glm::vec2(direction.y, -direction.x);
    DrawDebugLine(space, state->position, side, std::fabs(steering.angular), colour);
  }
}

void Agent::ReadBack()
{
  Kinematic* state = kinematic.Get();
  GameObject* object = GetGameObject();
  if (state == nullptr || object == nullptr || rigidbody == nullptr)
    return;
  if (const Collider* collider = GetCollider(object))
    state->position = collider->GetPosition();
  else if (const Transform* transform = object->GetTransform())
    state->position = transform->GetWorldPosition();
  else
    return;
  state->velocity = rigidbody->velocity;
}

float FacingOf(const GameObject* object)
{
  const Agent* agent = object != nullptr ? object->GetComponent<Agent>() : nullptr;
  const Kinematic* state = agent != nullptr ? agent->GetKinematic().Get() : nullptr;
  return state != nullptr ? state->orientation : 0.0f;
}

void SteerOwnerAt(GameObject* owner, BlendedSteering* steering, float maxSpeed, Handle<Kinematic>& kinematic)
{
  Agent* agent = owner != nullptr ? owner->GetComponent<Agent>() : nullptr;
  if (agent == nullptr || steering == nullptr)
    return;
  kinematic = agent->GetKinematic();
  agent->GetMotivator().SetBase(Motivator::MaxLinearVelocity, maxSpeed);
  steering->SetCharacter(kinematic);
}
