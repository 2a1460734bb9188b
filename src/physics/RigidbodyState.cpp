#include "physics/RigidbodyState.h"

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
  forceAccumulator.x += invMass * forceX;
  forceAccumulator.y += invMass * forceY;
}

void RigidbodyState::AddTorque(float torque)
{
  torqueAccumulator += invMomentInertia * torque;
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
