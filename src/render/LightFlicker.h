#pragma once
// Makes the PointLight of its object flicker: every update the light's colour becomes the colour
// it had on waking times (sin 75t + sin 50t) / 4 + 1, a factor between 0.5 and 1.5 of the time
// since the running loop started, which the update carries.
#include "core/LivePointer.h"
#include "core/fColor.h"
#include "object/Component.h"
#include "object/MissingSiblingWarning.h"

class PointLight;
class UpdateEvent;

class LightFlicker : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_LightFlicker;

  LightFlicker();
  LightFlicker& operator=(const LightFlicker&) = default;

  void OnAwake() override;
  void On(UpdateEvent* event);

  // The factor at t seconds since the loop started.
  float Factor(float seconds) const;

private:
  Transient<LivePointer<PointLight>> light;
  fColor baseColor;
  float firstFrequency = 75.0f;
  float secondFrequency = 50.0f;
  MissingSiblingWarning missingLight;
};
