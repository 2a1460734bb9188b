#include "physics/RigidbodyState.h"

#include "support/RecordingAssertHandler.h"

#include <gtest/gtest.h>

#include <cmath>

// NaN and both infinities, in either coordinate, fed to every setter: each is reported, and the
// body keeps its whole state, so its next step is finite.
TEST(RigidbodyStateTest, EverySetterRefusesValuesThatAreNotFinite)
{
  RecordingAssertHandler asserts;
  RigidbodyState body(0.5f, 2.0f, 0.3f, 0.1f, 0.2f);
  body.SetVelocity(glm::vec2(30.0f, -40.0f));
  body.SetAngularVelocity(1.5f);
  body.AddForce(10.0f, 20.0f);
  body.AddTorque(3.0f);
  const RigidbodyState before = body;

  for (const float bad : {NAN, INFINITY, -INFINITY})
  {
    for (const glm::vec2 value : {glm::vec2(bad, 1.0f), glm::vec2(1.0f, bad)})
    {
      body.AddForce(value.x, value.y);
      body.SetVelocity(value);
    }
    body.AddTorque(bad);
    body.SetAngularVelocity(bad);
  }
  EXPECT_EQ(asserts.Count(), 4u) << "one report per setter";
  EXPECT_TRUE(asserts.Saw("velocity is not finite: (nan, 1); it is left unchanged"));
  EXPECT_EQ(body.velocity, before.velocity);
  EXPECT_EQ(body.angularVelocity, before.angularVelocity);
  EXPECT_EQ(body.forceAccumulator, before.forceAccumulator);
  EXPECT_EQ(body.torqueAccumulator, before.torqueAccumulator);

  body.IntegrateForces(1.0f / 120.0f, 2000.0f);
  EXPECT_TRUE(std::isfinite(body.velocity.x) && std::isfinite(body.velocity.y) && std::isfinite(body.angularVelocity));
}
