#pragma once
// The four motion limits of a steered character: maximum linear acceleration, maximum speed,
// maximum angular acceleration and maximum rotation. Each is a stored base passed through live
// modifiers: pooled functions kept by key, applied in key order (value = f(value)). A modifier
// whose function has been released drops out of its map at the next evaluation, so an effect
// ends its modifier by releasing the handle.
//
//   Handle<MotivatorModifier> slow = MemoryManager::NewHandle<MotivatorModifier>(BRINDLE_SITE,
//       [](float value) { return value * 0.5f; });
//   motivator.AddModifier(Motivator::MaxLinearVelocity, key, slow);
//   ...
//   slow.Release();  // the limit is back to its base from the next evaluation
//
// Copying copies the bases and the modifier maps.
#include "core/Handle.h"

#include <array>
#include <cstdint>
#include <functional>
#include <json/json.h>
#include <map>
#include <string>

using MotivatorModifier = std::function<float(float)>;

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
  using ModifierMap = std::map<std::uint32_t, Handle<MotivatorModifier>>;

  Motivator() = default;
  Motivator(float maxAcceleration, float maxSpeed, float maxAngularAcceleration, float maxRotation)
      : bases{maxAcceleration, maxSpeed, maxAngularAcceleration, maxRotation}
  {
  }

  float GetBase(Limit limit) const { return bases[limit]; }
  // A NaN or infinite limit is refused (a failed check) and the base stays.
  void SetBase(Limit limit, float value);
  float* BaseData() { return bases.data(); }

  // The base through the live modifiers in key order; dead ones are erased on the way.
  float GetValue(Limit limit);
  // Files the modifier under the key, replacing what the key held.
  void AddModifier(Limit limit, std::uint32_t key, Handle<MotivatorModifier> modifier);
  void RemoveModifier(Limit limit, std::uint32_t key) { modifiers[limit].erase(key); }
  const ModifierMap& GetModifiers(Limit limit) const { return modifiers[limit]; }

  // Equal when the four bases are; the modifiers are run-time state.
  bool operator==(const Motivator& other) const { return bases == other.bases; }

private:
  std::array<float, LimitCount> bases{15000.0f, 250.0f, 300.0f, 25.0f};
  std::array<ModifierMap, LimitCount> modifiers;
};

// As a reflected member: the four bases as an array of numbers, in Limit order. Reading takes an
// array of four finite numbers (a null entry leaves its base alone) and touches no modifier;
// anything else is refused whole, with the reason returned.
void WriteMemberJson(const Motivator& value, Json::Value& out);
const char* ReadMemberJson(const Json::Value& in, Motivator& value);
// The label, then one float input per limit: "maxLinearAcc", "maxLinearVel", "maxAngularAcc", "maxAngularVel".
// (Defined with the other inspector widgets in editor/AIWidgets.cpp.)
void RenderMotivator(const std::string& label, Motivator* value);
