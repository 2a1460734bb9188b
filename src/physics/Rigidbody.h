#pragma once
// Makes a game object move under forces. It holds the body's state; the physics module of its
// space integrates it and the contact solver changes its velocities. Other components push it
// with AddForce and switch it off with SetActive.
#include "object/Component.h"
#include "physics/RigidbodyState.h"

class Transform;

class Rigidbody : public Component, public RigidbodyState
{
public:
  static constexpr std::uint32_t TypeId = COMP_Rigidbody;

  Rigidbody();
  Rigidbody(float inverseMass, float inverseMomentInertia, float bounce, float linearDrag, float turnDrag);
  Rigidbody& operator=(const Rigidbody&) = default;

  // Looks up the Transform and registers the body with the space's physics module.
  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  Transient<Transform*> transform = nullptr;
};
