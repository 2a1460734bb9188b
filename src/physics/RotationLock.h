#pragma once
// Keeps an object upright: while locked, contacts and torques cannot turn its Rigidbody, and any
// rotation left by other code is snapped back to 0 on the next update.
#include "core/LivePointer.h"
#include "object/Component.h"

class Rigidbody;
class Transform;
class UpdateEvent;

class RotationLock : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_RotationLock;

  RotationLock() : Component(TypeId) {}
  RotationLock& operator=(const RotationLock&) = default;

  void OnAwake() override;
  void On(UpdateEvent* event);

  bool locked = true;
  Transient<Transform*> transform = nullptr;
  Transient<LivePointer<Rigidbody>> rigidbody;
  float savedInvMomentInertia = 0.0f;
};
