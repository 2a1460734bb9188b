#include "physics/RotationLock.h"

#include "core/EventManager.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Transform.h"
#include "physics/PhysicsModule.h"
#include "physics/Rigidbody.h"

#include <cfloat>
#include <cmath>
#include <iostream>

RotationLock& RotationLock::operator=(const RotationLock& other)
{
  Component::operator=(other);
  locked = other.locked;
  savedInvMomentInertia = other.savedInvMomentInertia;
  return *this;
}

void RotationLock::OnAwake()
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  if (PhysicsModule* module = PhysicsModule::Of(object->GetSpace()))
    if (EventManager* events = EventManager::Instance())
      events->Subscribe<RotationLock, UpdateEvent>(this, module->GetSpaceId());
  transform = object->GetTransform();
  rigidbody = object->GetComponent<Rigidbody>();
  if (rigidbody == nullptr)
  {
    // Nothing to hold still; the lock keeps only the rotation at 0.
    std::cout << "[ERROR] RotationLock of \"" << object->GetName() << "\" needs a Rigidbody on the same object.\n";
  }
  else
  {
    savedInvMomentInertia = rigidbody->invMomentInertia;
  }
  if (transform != nullptr)
    transform->SetRotation(0.0f);
}

void RotationLock::On(UpdateEvent*)
{
  if (!locked)
  {
    if (rigidbody != nullptr)
      rigidbody->invMomentInertia = savedInvMomentInertia;
    return;
  }
  if (rigidbody != nullptr)
    rigidbody->invMomentInertia = 0.0f;
  if (transform != nullptr && std::fabs(transform->GetRotation()) > FLT_EPSILON)
    transform->SetRotation(0.0f);
}
