#pragma once
// The object's scale swells and shrinks along a sine curve while the object climbs at a constant
// 150 world units a second. The curve is not clamped: past its second zero the scale turns
// negative and the picture shows mirrored.
#include "object/Component.h"
#include "object/MissingSiblingWarning.h"

class Transform;
class UpdateEvent;

class PulseAndRise : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_PulseAndRise;
  static constexpr float RiseSpeed = 150.0f;
  static constexpr float Frequency = 1.142f;

  PulseAndRise();
  ~PulseAndRise() override;
  PulseAndRise& operator=(const PulseAndRise&) = default;

  void OnAwake() override;

  void On(UpdateEvent* event);

  float GetElapsed() const { return elapsed; }
  float GetBaseScale() const { return baseScale; }

private:
  float elapsed = 0.0f;
  float period = 1.0f;
  float baseScale = 0.0f;
  Transform* transform = nullptr;
  MissingSiblingWarning missingTransform;
};
