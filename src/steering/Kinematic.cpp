#include "steering/Kinematic.h"

#include "platform/Assert.h"
#include "steering/Motivator.h"

#include <cmath>
#include <glm/geometric.hpp>

void Kinematic::ApplyLimits(SteeringOutput& steering, int mode) const
{
  if (motivator == nullptr)
    return;
  if (mode == Linear || mode == Both)
  {
    const float maxSpeed = motivator->GetValue(Motivator::MaxLinearVelocity);
    const float speedSquared = glm::dot(velocity, velocity);
    if (speedSquared > maxSpeed * maxSpeed && glm::dot(steering.linear, velocity) > 0.0f)
      steering.linear -= (glm::dot(steering.linear, velocity) / speedSquared) * velocity;
  }
  if (mode == Angular || mode == Both)
  {
    const float maxRotation = motivator->GetValue(Motivator::MaxAngularVelocity);
    if (std::fabs(rotation) > maxRotation && steering.angular * rotation >= 0.0f)
      steering.angular = 0.0f;
  }
}

void Kinematic::Integrate(const SteeringOutput& steering, float dt, int mode)
{
  if (mode == Linear || mode == Both)
  {
    position += velocity * dt;
    velocity += steering.linear * dt;
  }
  if (mode == Angular || mode == Both)
  {
    orientation += rotation * dt;
    rotation += steering.angular * dt;
  }
}

void WriteMemberJson(const Handle<Kinematic>&, Json::Value&)
{
  // Only a member registered as serialised is written, and the agent never registers it so.
  BRINDLE_FATAL_CHECK(false, "This should never be called");
}

const char* ReadMemberJson(const Json::Value&, Handle<Kinematic>&)
{
  // Reachable from a data file that names the member; the handle is left alone.
  BRINDLE_CHECK(false, "This should never be called");
  return nullptr;
}

bool MemberValuesEqual(const Handle<Kinematic>& first, const Handle<Kinematic>& second)
{
  return first.GetId() == second.GetId();
}
