#pragma once
// Moves its object's particle emitter round an ellipse 2000 wide and 1000 high, about one lap a
// second (a highlight circling something on the screen).
#include "object/Component.h"

#include <glm/vec2.hpp>

class UpdateEvent;

class CircleAround : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_CircleAround;

  CircleAround() : Component(TypeId) {}
  CircleAround& operator=(const CircleAround& other) = default;

  void OnAwake() override;
  void On(UpdateEvent* event);

  float GetAngle() const { return angle; }
  glm::vec2 GetRadii() const { return {radiusX, radiusY}; }
  void SetRadiusX(float radius) { radiusX = radius; }
  void SetRadiusY(float radius) { radiusY = radius; }

private:
  float radiusX = 1000.0f;
  float radiusY = 500.0f;
  float angle = 0.0f;
  float angularSpeed = 6.28f;  // radians per second
};
