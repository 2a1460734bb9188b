#pragma once
// The motion state of a steered body, shared through Handle<Kinematic> between an agent and the
// behaviours that steer it. A new Kinematic is all zero; the agent points `motivator` at its limits.
//
//   ApplyLimits(steering, mode)     drops the parts of a steering that would push past the limits
//   Integrate(steering, dt, mode)   one explicit Euler step
// Mode Linear touches position and velocity, Angular orientation and rotation, Both all four.
#include "steering/SteeringOutput.h"
#include "core/Handle.h"

#include <glm/vec2.hpp>
#include <json/json.h>
#include <string>

class Motivator;

struct Kinematic
{
  enum Mode
  {
    Linear = 0,
    Angular = 1,
    Both = 2
  };

  // Over the maximum speed, the part of the linear steering along the velocity goes while it
  // points forward; over the maximum rotation, an angular steering that would turn further the
  // same way goes. Without a motivator nothing is limited.
  void ApplyLimits(SteeringOutput& steering, int mode) const;
  // Position moves by the velocity before the step, then the velocity by the linear steering;
  // the same for orientation and rotation. Any other mode changes nothing.
  void Integrate(const SteeringOutput& steering, float dt, int mode);

  glm::vec2 position{0.0f, 0.0f};
  float orientation = 0.0f;  // radians, 0 along +x
  glm::vec2 velocity{0.0f, 0.0f};
  float rotation = 0.0f;  // radians per second
  Motivator* motivator = nullptr;  // the owning agent's limits; not owned
};

// As a reflected member the handle is for the inspector only: it is never written to or read
// from a file. Two members are equal when their handles carry the same id.
void WriteMemberJson(const Handle<Kinematic>& value, Json::Value& out);
const char* ReadMemberJson(const Json::Value& in, Handle<Kinematic>& value);
bool MemberValuesEqual(const Handle<Kinematic>& first, const Handle<Kinematic>& second);
// Read-only: "<label>: Null" for an empty or dead handle, else the kinematic's values.
// (Defined with the other inspector widgets in editor/AIWidgets.cpp.)
void RenderKinematic(const std::string& label, Handle<Kinematic>* value);
