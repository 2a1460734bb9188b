#pragma once
// The state of a moving body: velocities, inverse mass and inertia, drags, restitution and the
// forces gathered during a frame. The Rigidbody component carries it; the physics module
// integrates it and the contact solver changes its velocities.
#include <glm/vec2.hpp>

struct RigidbodyState
{
  RigidbodyState() = default;
  RigidbodyState(float inverseMass, float inverseMomentInertia, float bounce, float linearDrag, float turnDrag);

  // Forces and torques are stored already scaled by the inverse mass and inertia. These and the
  // velocity setters refuse NaN and infinities (a failed check; the body keeps its state).
  void AddForce(float forceX, float forceY);
  void AddTorque(float torque);
  // For velocities from outside the physics (a spawner, a gun, a dash); the step and the contact
  // solver write the fields directly.
  void SetVelocity(glm::vec2 newVelocity);
  void SetAngularVelocity(float newAngularVelocity);
  void ClearAccumulators();

  // Adds the gathered forces to the velocities, applies the drags and then the speed limit
  // (maxSpeed 0 or less turns the limit off). Does nothing while inactive.
  void IntegrateForces(float dt, float maxSpeed);

  bool IsActive() const { return active; }
  void SetActive(bool isActive) { active = isActive; }

  float angularVelocity = 0.0f;     // radians per second
  float invMass = 1.0f;             // 0: immovable by impulses and forces
  float invMomentInertia = 1.0f;    // 0: contacts and torques cannot turn it
  float restitution = 0.0f;
  glm::vec2 velocity{0.0f, 0.0f};   // units per second
  float velocityDrag = 0.0f;        // fraction of the velocity lost per second
  float angularDrag = 0.0f;
  glm::vec2 forceAccumulator{0.0f, 0.0f};
  float torqueAccumulator = 0.0f;
  bool active = true;
};
