#pragma once
// Trauma-based shake of its object's camera: ShakeEvents add to "intensity" (at most 1), which
// decays by dt x intensity per update; while it is above 1e-5 each update draws a random turn of
// up to "maxRotation" and offset of up to "maxTranslation", both scaled by the squared trauma,
// and hands the camera that matrix. Below the threshold the camera gets the identity.
#include "object/Component.h"

#include <glm/vec2.hpp>

class ShakeEvent;
class UpdateEvent;

class CameraShake : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_CameraShake;

  CameraShake() : Component(TypeId) {}
  CameraShake& operator=(const CameraShake& other) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UpdateEvent* event);
  void On(ShakeEvent* event);

  float GetIntensity() const { return intensity; }
  float GetRotation() const { return currRotation; }
  glm::vec2 GetTranslation() const { return currTranslation; }

private:
  float intensity = 0.0f;
  float currRotation = 0.0f;
  float maxRotation = 0.05f;
  glm::vec2 currTranslation{0.0f, 0.0f};
  float maxTranslation = 30.0f;
  bool enabled = true;
};
