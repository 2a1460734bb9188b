#include "physics/RigidbodyState.h"

#include "core/FiniteCheck.h"

#include <cmath>

RigidbodyState::RigidbodyState(float inverseMass, float inverseMomentInertia, float bounce, float linearDrag,
                               float turnDrag)
    : invMass(inverseMass),
      invMomentInertia(inverseMomentInertia),
      restitution(bounce),
      velocityDrag(linearDrag),
      angularDrag(turnDrag)
{
}

void RigidbodyState::AddForce(float forceX, float forceY)
{
  if (!BRINDLE_CHECK_FINITE(glm::vec2(forceX, forceY), "force"))
    return;
  forceAccumulator.x += invMass * forceX;
  forceAccumulator.y += invMass * forceY;
}

void RigidbodyState::AddTorque(float torque)
{
  if (!BRINDLE_CHECK_FINITE(torque, "torque"))
    return;
  torqueAccumulator += invMomentInertia * torque;
}

void RigidbodyState::SetVelocity(glm::vec2 newVelocity)
{
  if (BRINDLE_CHECK_FINITE(newVelocity, "velocity"))
    velocity = newVelocity;
}

void RigidbodyState::SetAngularVelocity(float newAngularVelocity)
{
  if (BRINDLE_CHECK_FINITE(newAngularVelocity, "angular velocity"))
    angularVelocity = newAngularVelocity;
}

void RigidbodyState::ClearAccumulators()
{
  forceAccumulator = {0.0f, 0.0f};
  torqueAccumulator = 0.0f;
}

void RigidbodyState::IntegrateForces(float dt, float maxSpeed)
{
  if (!active)
    return;
  const float linearKeep = 1.0f - velocityDrag * dt;
  velocity.x = (velocity.x + forceAccumulator.x * dt) * linearKeep;
  velocity.y = (velocity.y + forceAccumulator.y * dt) * linearKeep;
  angularVelocity = (angularVelocity + torqueAccumulator * dt) * (1.0f - angularDrag * dt);
  if (maxSpeed > 0.0f)
  {
    const float speed = std::sqrt(velocity.x * velocity.x + velocity.y * velocity.y);
    if (speed > maxSpeed)
      velocity = velocity / speed * maxSpeed;
  }
}
