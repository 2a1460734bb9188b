// The steering family against the numbers worked out from its definitions: Seek's base limit,
// the Align family's short turn and clamps, Separation's fall-off, the blend's clamps, the random
// draws of Wander and StepWander, and the kinematic step and limits the Agent applies.
#include "steering/behaviors/AlignToMovement.h"
#include "core/MemoryManager.h"
#include "platform/Random.h"
#include "steering/BlendedSteering.h"
#include "steering/Motivator.h"
#include "steering/behaviors/AlignToVector.h"
#include "steering/behaviors/Face.h"
#include "steering/behaviors/FollowPath.h"
#include "steering/behaviors/Seek.h"
#include "steering/behaviors/Separation.h"
#include "steering/behaviors/StepWander.h"
#include "steering/behaviors/VectorMove.h"
#include "steering/behaviors/Wander.h"
#include "steering/behaviors/Zoning.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
constexpr float Pi = 3.14159265358979f;

// A steered body with its own limits, released with the test.
struct Body
{
  explicit Body(glm::vec2 position = {0.0f, 0.0f}, Motivator limits = Motivator()) : motivator(limits)
  {
    kinematic->position = position;
    kinematic->motivator = &motivator;
  }
  ~Body() { kinematic.Release(); }
  Kinematic* operator->() const { return kinematic.Get(); }

  Motivator motivator;
  Handle<Kinematic> kinematic = MemoryManager::NewHandle<Kinematic>(BRINDLE_SITE);
};

// A behaviour that returns what it is told, to see the blend's sums and clamps.
class Fixed : public SteeringBehavior
{
public:
  Fixed(Space* space, Handle<Kinematic> character) : SteeringBehavior(space, std::move(character)) {}
  SteeringOutput GetSteering() override { return character.IsValid() ? output : SteeringOutput{}; }
  SteeringOutput output;
};

void ExpectSteering(const SteeringOutput& actual, glm::vec2 linear, float angular, const char* what)
{
  EXPECT_NEAR(actual.linear.x, linear.x, 1e-2f) << what;
  EXPECT_NEAR(actual.linear.y, linear.y, 1e-2f) << what;
  EXPECT_NEAR(actual.angular, angular, 0.05f) << what;
}
}  // namespace

TEST(SteeringTest, SeekingBehavioursUseTheBaseLimitAndTheOthersTheModifiedOne)
{
  Body self;
  // A live modifier halves the acceleration; only the behaviours that read effective limits see it.
  Handle<MotivatorModifier> half =
      MemoryManager::NewHandle<MotivatorModifier>(BRINDLE_SITE, [](float value) { return value * 0.5f; });
  self.motivator.AddModifier(Motivator::MaxLinearAcceleration, 1, half);

  Body target({3.0f, 4.0f});
  Seek seek(nullptr, self.kinematic);
  seek.SetTarget(target.kinematic);
  ExpectSteering(seek.GetSteering(), {9000.0f, 12000.0f}, 0.0f, "seek: the base 15000 toward (3, 4)");
  target->position = self->position;
  ExpectSteering(seek.GetSteering(), {0.0f, 0.0f}, 0.0f, "seek on the target itself");

  Zoning zoning(nullptr, self.kinematic);
  zoning.GetTarget()->position = {1279.0f, 0.0f};
  ExpectSteering(zoning.GetSteering(), {0.0f, 0.0f}, 0.0f, "inside the zone");
  zoning.GetTarget()->position = {-1281.0f, 0.0f};
  ExpectSteering(zoning.GetSteering(), {-15000.0f, 0.0f}, 0.0f, "outside the zone");

  FollowPath follow(nullptr, self.kinematic);
  Handle<Path> path = MemoryManager::NewHandle<Path>(BRINDLE_SITE, Path{{0.0f, 0.0f}});
  follow.SetPath(path);
  ExpectSteering(follow.GetSteering(), {0.0f, 0.0f}, 0.0f, "a path of one point");
  *path = {{0.0f, 0.0f}, {0.0f, -50.0f}, {900.0f, 900.0f}};
  ExpectSteering(follow.GetSteering(), {0.0f, -15000.0f}, 0.0f, "the waypoint after the start");
  path.Release();
  ExpectSteering(follow.GetSteering(), {0.0f, 0.0f}, 0.0f, "a released path");

  VectorMove move(nullptr, self.kinematic);
  Body direction({3.0f, 4.0f});
  move.SetTarget(direction.kinematic);
  ExpectSteering(move.GetSteering(), {4500.0f, 6000.0f}, 0.0f, "a long vector is cut to length 1");
  direction->position = {0.0f, -0.25f};
  ExpectSteering(move.GetSteering(), {0.0f, -1875.0f}, 0.0f, "a short one moves slower");

  Separation separation(nullptr, self.kinematic);
  ExpectSteering(separation.GetSteering(), {0.0f, 0.0f}, 0.0f, "no neighbours");
  Body atThreshold({600.0f, 0.0f});
  Body near({0.0f, 150.0f});
  separation.SetNeighbours({self.kinematic, atThreshold.kinematic, near.kinematic, Handle<Kinematic>()});
  // 7500 * (600 - 150) / 600 away from the near one; itself and the one at 600 add nothing.
  ExpectSteering(separation.GetSteering(), {0.0f, -5625.0f}, 0.0f, "separation");

  half.Release();
  EXPECT_EQ(self.motivator.GetValue(Motivator::MaxLinearAcceleration), 15000.0f);
  EXPECT_TRUE(self.motivator.GetModifiers(Motivator::MaxLinearAcceleration).empty()) << "the dead modifier is gone";
}

TEST(SteeringTest, AligningTurnsTheShortWayWithinItsLimits)
{
  Body self({0.0f, 0.0f}, Motivator(15000.0f, 250.0f, 1000.0f, 25.0f));
  Body goal;
  Align align(nullptr, self.kinematic);
  align.SetTarget(goal.kinematic);
  self->orientation = Pi - 0.1f;
  goal->orientation = -Pi + 0.1f;
  // Through +0.2: inside the slow radius, 25 * 0.2 / 1.7 rad/s wanted within 0.005 s.
  ExpectSteering(align.GetSteering(), {0.0f, 0.0f}, 25.0f * 0.2f / 1.7f / 0.005f, "short way, slowed");
  goal->orientation = self->orientation - 2.0f;
  ExpectSteering(align.GetSteering(), {0.0f, 0.0f}, -1000.0f, "beyond the slow radius, clamped");

  align.useArrivalThreshold = true;
  goal->orientation = 0.3f;
  self->orientation = 0.0f;
  self->rotation = 4.0f;
  ExpectSteering(align.GetSteering(), {0.0f, 0.0f}, 0.0f, "within the arrival threshold");
  EXPECT_EQ(self->orientation, 0.3f);
  EXPECT_EQ(self->rotation, 0.0f) << "it snaps and stops";

  self->orientation = 0.0f;
  self->velocity = {0.0f, 0.0f};
  AlignToMovement toMovement(nullptr, self.kinematic);
  ExpectSteering(toMovement.GetSteering(), {0.0f, 0.0f}, 0.0f, "standing still has no heading");
  self->velocity = {0.0f, 10.0f};
  EXPECT_GT(toMovement.GetSteering().angular, 0.0f) << "turns toward +y";

  Face face(nullptr, self.kinematic);
  Body faced({0.0f, -10.0f});
  face.SetTarget(faced.kinematic);
  EXPECT_LT(face.GetSteering().angular, 0.0f) << "turns toward -y";
  EXPECT_NE(face.GetTarget(), faced.kinematic) << "its own target is kept apart from the faced one";

  AlignToVector toVector(nullptr, self.kinematic);
  Body aim({1e-8f, 0.0f});
  toVector.SetAlignVector(aim.kinematic);
  ExpectSteering(toVector.GetSteering(), {0.0f, 0.0f}, 0.0f, "too short a vector");
  aim->position = {-1.0f, 0.0f};
  self->orientation = Pi;
  self->rotation = 3.0f;
  ExpectSteering(toVector.GetSteering(), {0.0f, 0.0f}, 0.0f, "already there");
  EXPECT_EQ(self->rotation, 0.0f) << "the turn stops";
}

TEST(SteeringTest, BlendsSumAndClampAndReachEveryBehaviour)
{
  Body self({0.0f, 0.0f}, Motivator(10000.0f, 250.0f, 300.0f, 25.0f));
  Body target({0.0f, 50.0f});
  BlendedSteering blend(nullptr, Handle<Kinematic>());
  blend.AddBehavior<Seek>(1.0f)->SetTarget(target.kinematic);
  blend.AddBehavior<Seek>(1.0f)->SetTarget(target.kinematic);
  Fixed* fixed = blend.AddBehavior<Fixed>(1.5f);
  Wander* wander = blend.AddBehavior<Wander>(0.0f);
  ExpectSteering(blend.GetSteering(), {0.0f, 0.0f}, 0.0f, "no character yet");

  self->orientation = 1.0f;
  blend.SetCharacter(self.kinematic);
  EXPECT_FALSE(blend.GetCharacter().IsValid()) << "the blend keeps its own";
  EXPECT_EQ(wander->wanderOrientation, 1.0f) << "a wander goes on from the character's heading";
  fixed->output.angular = 300.0f;
  ExpectSteering(blend.GetSteering(), {0.0f, 15000.0f}, 300.0f, "20000 cut to 15000; 450 to 300");
  fixed->output.angular = -300.0f;
  EXPECT_EQ(blend.GetSteering().angular, -300.0f);

  blend.SetDebugDraw(true);
  EXPECT_TRUE(wander->GetDebugDraw());
  self.kinematic.Release();
  ExpectSteering(blend.GetSteering(), {0.0f, 0.0f}, 0.0f, "a dead character");
}

TEST(SteeringTest, WanderingFollowsTheFixedRandomSequence)
{
  // The engine's sequence from its start: 41, 18467, 6334, 26500, 19169, 15724, 11478, ...
  ResetRandom();
  Body self({100.0f, 0.0f});
  Wander wander(nullptr, self.kinematic);
  wander.GetSteering();
  const float turned = 0.2f * (41.0f - 18467.0f) / 32767.0f;
  EXPECT_FLOAT_EQ(wander.wanderOrientation, turned);
  EXPECT_NEAR(wander.GetTarget()->position.x, 100.0f + 400.0f * std::cos(turned), 1e-3f);

  ResetRandom();
  StepWander step(nullptr, self.kinematic);
  step.SetFrameTime(0.5f);
  step.GetSteering();
  // Wait 5 + (41 - 18467) / 32767 s; angle 2 pi * 6334 / 32767; step 500 + 50 * (26500 - 19169) / 32767.
  const float wait = 5.0f + (41.0f - 18467.0f) / 32767.0f;
  const float angle = 2.0f * Pi * 6334.0f / 32767.0f;
  const float length = 500.0f + 50.0f * (26500.0f - 19169.0f) / 32767.0f;
  EXPECT_NEAR(step.timeLeft, wait, 1e-5f) << "the first update steps";
  const glm::vec2 first = step.GetTarget()->position;
  EXPECT_NEAR(first.x, 100.0f + length * std::cos(angle), 1e-2f);
  EXPECT_NEAR(first.y, length * std::sin(angle), 1e-2f);
  int updates = 1;
  while (step.GetTarget()->position == first && updates < 100)
  {
    step.GetSteering();
    ++updates;
  }
  EXPECT_EQ(updates, static_cast<int>(std::floor(wait / 0.5f)) + 2) << "it keeps its target for the wait, then jumps";
}

TEST(SteeringTest, TheKinematicStepAndLimits)
{
  Body body;
  body->velocity = {300.0f, 0.0f};
  body->rotation = 30.0f;
  SteeringOutput steering{{100.0f, 50.0f}, 5.0f};
  body->ApplyLimits(steering, Kinematic::Both);
  ExpectSteering(steering, {0.0f, 50.0f}, 0.0f, "over both limits: the forward parts go");
  steering = {{-100.0f, 50.0f}, -5.0f};
  body->ApplyLimits(steering, Kinematic::Both);
  ExpectSteering(steering, {-100.0f, 50.0f}, -5.0f, "braking is always allowed");

  body->Integrate({{10.0f, 0.0f}, 2.0f}, 0.5f, Kinematic::Angular);
  EXPECT_EQ(body->position, glm::vec2(0.0f, 0.0f));
  EXPECT_EQ(body->velocity, glm::vec2(300.0f, 0.0f));
  EXPECT_FLOAT_EQ(body->orientation, 15.0f);
  EXPECT_FLOAT_EQ(body->rotation, 31.0f);
  body->Integrate({{10.0f, 0.0f}, 2.0f}, 0.5f, Kinematic::Linear);
  EXPECT_EQ(body->position, glm::vec2(150.0f, 0.0f)) << "moved by the velocity before the step";
  EXPECT_EQ(body->velocity, glm::vec2(305.0f, 0.0f));

  // Modifiers apply in key order, whatever order they came in.
  Handle<MotivatorModifier> plus = MemoryManager::NewHandle<MotivatorModifier>(BRINDLE_SITE, [](float v) { return v + 10.0f; });
  Handle<MotivatorModifier> twice = MemoryManager::NewHandle<MotivatorModifier>(BRINDLE_SITE, [](float v) { return v * 2.0f; });
  body.motivator.AddModifier(Motivator::MaxLinearVelocity, 7, plus);
  body.motivator.AddModifier(Motivator::MaxLinearVelocity, 3, twice);
  EXPECT_EQ(body.motivator.GetValue(Motivator::MaxLinearVelocity), 510.0f);
  EXPECT_EQ(body.motivator.GetBase(Motivator::MaxLinearVelocity), 250.0f);
  plus.Release();
  twice.Release();
}
