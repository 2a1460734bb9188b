#pragma once
// The four motion limits of a steered character: maximum linear acceleration, maximum speed,
// maximum angular acceleration and maximum rotation. Each is a stored base value; the steering
// code applies its live modifiers on top.
#include <array>
#include <json/json.h>
#include <string>

class Motivator
{
public:
  enum Limit
  {
    MaxLinearAcceleration,
    MaxLinearVelocity,
    MaxAngularAcceleration,
    MaxAngularVelocity,
    LimitCount
  };

  float GetBase(Limit limit) const { return bases[limit]; }
  void SetBase(Limit limit, float value) { bases[limit] = value; }
  float* BaseData() { return bases.data(); }

  bool operator==(const Motivator& other) const { return bases == other.bases; }

private:
  std::array<float, LimitCount> bases{15000.0f, 250.0f, 300.0f, 25.0f};
};

// As a reflected member: the four base limits as an array, in Limit order.
void WriteMemberJson(const Motivator& value, Json::Value& out);
const char* ReadMemberJson(const Json::Value& in, Motivator& value);
// The label, then one float input per limit: "maxLinearAcc", "maxLinearVel", "maxAngularAcc", "maxAngularVel".
void RenderMotivator(const std::string& label, Motivator* value);
