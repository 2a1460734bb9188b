#pragma once
// The baseline the physics of a space is timed against: Box2D 2.4.1 (Debian's libbox2d-dev,
// linked into the benchmarks only, never into the game) stepping the same bodies, sizes and
// velocities as our scene. Box2D works in metres and is tuned for bodies of 0.1 to 10 m, so our
// units are divided by UnitsPerMetre: a 20-unit circle is a 0.67 m one.
//
// What makes the two scenes one: no gravity, friction or bounce (our solver has neither friction
// nor warm starting, and the scene's restitution is 0), a mass of 1 per body, the same sub-step,
// the same ten velocity passes, and no sleeping (our step never lets a body sleep).
#include <glm/vec2.hpp>

#include <memory>

class b2Body;
class b2World;

class Box2DScene
{
public:
  static constexpr float UnitsPerMetre = 30.0f;
  static constexpr int VelocityIterations = 10;
  static constexpr int PositionIterations = 3;

  explicit Box2DScene(float stepSeconds);
  ~Box2DScene();
  Box2DScene(const Box2DScene&) = delete;
  Box2DScene& operator=(const Box2DScene&) = delete;

  // Positions, sizes and velocities in our units.
  void AddCircle(glm::vec2 position, float radius, glm::vec2 velocity);
  void AddBox(glm::vec2 position, glm::vec2 size, float rotation, glm::vec2 velocity);
  void AddWall(glm::vec2 centre, glm::vec2 size);

  void Step();
  // Contacts whose shapes touch now (Box2D also keeps pairs whose boxes merely overlap).
  int TouchingContacts() const;

private:
  b2Body* MakeBody(glm::vec2 position, float rotation, glm::vec2 velocity, bool moving);

  std::unique_ptr<b2World> world;
  float step;
};
