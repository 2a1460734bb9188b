#include "physics/RotationLock.h"

#include "core/EventManager.h"
#include "core/Log.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Transform.h"
#include "physics/PhysicsModule.h"
#include "physics/Rigidbody.h"

#include <cfloat>
#include <cmath>

void RotationLock::OnAwake()
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  if (PhysicsModule::Of(object->GetSpace()) != nullptr)
    SubscribeOnSpace<UpdateEvent>(this);
  transform = object->GetTransform();
  rigidbody = object->GetComponent<Rigidbody>();
  if (rigidbody == nullptr)
  {
    // Nothing to hold still; the lock keeps only the rotation at 0.
    const std::string& prefab = object->GetPrefabName();
    LogOnce("RotationLock without a Rigidbody " + (prefab.empty() ? object->GetName() : prefab), LogLevel::Error,
            "RotationLock of \"", object->GetName(), "\" needs a Rigidbody on the same object.");
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
