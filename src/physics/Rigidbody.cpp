#include "physics/Rigidbody.h"

#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Transform.h"
#include "physics/PhysicsModule.h"

Rigidbody::Rigidbody() : Rigidbody(1.0f, 1.0f, 0.0f, 0.0f, 0.0f)
{
}

Rigidbody::Rigidbody(float inverseMass, float inverseMomentInertia, float bounce, float linearDrag, float turnDrag)
    : Component(TypeId), RigidbodyState(inverseMass, inverseMomentInertia, bounce, linearDrag, turnDrag)
{
}

void Rigidbody::OnAwake()
{
  PhysicsModule* module = PhysicsModule::JoiningModule(*this, transform);
  if (module == nullptr)
    return;
  module->AddRigidbody(this, GetOwner());
}

void Rigidbody::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "Velocity", &velocity, RenderVec2, glm::vec2(0.0f, 0.0f));
  Members::AddMember(members, "Angular Velocity", &angularVelocity, RenderFloat, 0.0f);
  Members::AddMember(members, "invMass", &invMass, RenderFloat, 1.0f);
  Members::AddMember(members, "invMomentInertia", &invMomentInertia, RenderFloat, 1.0f);
  Members::AddMember(members, "velocityDrag", &velocityDrag, RenderFloat, 0.0f);
  Members::AddMember(members, "angularDrag", &angularDrag, RenderFloat, 0.0f);
  Members::AddMember(members, "restitution", &restitution, RenderFloat, 0.0f);
  Members::AddMember(members, "active", &active, RenderBool, true);
}
