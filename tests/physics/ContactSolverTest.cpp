#include "physics/ContactSolver.h"

#include "physics/RigidbodyState.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{
ContactManifold OnePoint(SolverBody* first, SolverBody* second, glm::vec2 position, glm::vec2 normal, float depth)
{
  ContactManifold manifold;
  manifold.first = first;
  manifold.second = second;
  manifold.points[0].position = position;
  manifold.points[0].normal = normal;
  manifold.points[0].penetration = depth;
  manifold.count = 1;
  return manifold;
}
}  // namespace

TEST(ContactSolverTest, EachPassKeepsOnePercentOfTheApproachAgainstAWall)
{
  RigidbodyState body(1.0f, 0.0f, 0.0f, 0.0f, 0.0f);
  body.velocity = {0.0f, -100.0f};
  SolverBody moving{&body, {0, 0}};
  ContactManifold manifold = OnePoint(&moving, nullptr, {0, -10}, {0, -1}, 0.0f);  // from the body to the wall
  ContactSolver::ResolveContact(manifold);
  EXPECT_NEAR(body.velocity.y, -1.0f, 1e-4f);
  EXPECT_EQ(body.angularVelocity, 0.0f);
  ContactSolver::ResolveContact(manifold);
  EXPECT_NEAR(body.velocity.y, -0.01f, 1e-5f);
}

TEST(ContactSolverTest, BiasRestitutionAndOrdering)
{
  ContactSolver solver;
  RigidbodyState a(1, 1, 0.2f, 0, 0);
  RigidbodyState b(1, 1, 0.8f, 0, 0);
  a.velocity = {10, 0};
  SolverBody first{&a, {0, 0}};
  SolverBody second{&b, {20, 0}};
  solver.Insert(OnePoint(&first, &second, {10, 0}, {1, 0}, 1.0f));
  solver.Insert(OnePoint(&first, &second, {10, 0}, {1, 0}, 3.0f));
  solver.Insert(OnePoint(&first, &second, {10, 0}, {1, 0}, 1.0f));
  solver.Sort();
  EXPECT_EQ(solver.Manifolds()[0].points[0].penetration, 3.0f);
  solver.ComputeBias(1.0f / 120.0f);
  EXPECT_NEAR(solver.Manifolds()[0].points[0].bias, 144.0f, 1e-3f);

  ContactManifold single = OnePoint(&first, &second, {10, 0}, {1, 0}, 0.0f);
  ContactSolver::ResolveContact(single);
  // e = 0.8, the larger of the two: the approach speed of 10 gives a bounce term of 8.
  EXPECT_NEAR(single.points[0].restitutionTerm, 8.0f, 1e-5f);
  EXPECT_GT(b.velocity.x, 0.0f);
  EXPECT_LT(a.velocity.x, 10.0f);
}

TEST(ContactSolverTest, ImmovableAndDegenerateContactsAreLeftAlone)
{
  RigidbodyState inactive;
  inactive.active = false;
  inactive.velocity = {5, 5};
  SolverBody still{&inactive, {0, 0}};
  ContactManifold manifold = OnePoint(&still, nullptr, {0, 0}, {1, 0}, 2.0f);
  ContactSolver::ResolveContact(manifold);
  EXPECT_EQ(inactive.velocity, glm::vec2(5, 5));

  // A body that cannot turn against a static entry is solved at its first point only.
  RigidbodyState locked(1, 0, 0, 0, 0);
  locked.velocity = {0, -10};
  SolverBody lockedBody{&locked, {0, 0}};
  ContactManifold twoPoints = OnePoint(&lockedBody, nullptr, {-5, -10}, {0, -1}, 1.0f);
  twoPoints.points[1] = twoPoints.points[0];
  twoPoints.points[1].position = {5, -10};
  twoPoints.count = 2;
  ContactSolver::ResolveContact(twoPoints);
  EXPECT_EQ(twoPoints.count, 1);
  EXPECT_EQ(locked.angularVelocity, 0.0f);

  // No mass along the normal: no impulse, and no NaN.
  RigidbodyState massless(0, 1, 0, 0, 0);
  RigidbodyState other(0, 0, 0, 0, 0);
  SolverBody masslessBody{&massless, {0, 0}};
  SolverBody otherBody{&other, {10, 0}};
  ContactManifold degenerate = OnePoint(&masslessBody, &otherBody, {10, 0}, {1, 0}, 1.0f);
  ContactSolver::ResolveContact(degenerate);
  EXPECT_TRUE(std::isfinite(massless.velocity.x));
  EXPECT_TRUE(std::isfinite(massless.angularVelocity));
}

TEST(ContactSolverTest, BodyStateIntegrationDragAndSpeedLimit)
{
  RigidbodyState body(0.5f, 1, 0, 0, 0);
  body.AddForce(10, 0);
  body.IntegrateForces(1.0f / 120.0f, 2000.0f);
  EXPECT_FLOAT_EQ(body.velocity.x, 10.0f * 0.5f / 120.0f);

  RigidbodyState dragged(1, 1, 0, 60, 0);
  dragged.velocity = {8, -4};
  dragged.IntegrateForces(1.0f / 120.0f, 2000.0f);
  EXPECT_FLOAT_EQ(dragged.velocity.x, 4.0f);
  EXPECT_FLOAT_EQ(dragged.velocity.y, -2.0f);

  RigidbodyState fast;
  fast.velocity = {3000, 0};
  fast.IntegrateForces(1.0f / 120.0f, 2000.0f);
  EXPECT_FLOAT_EQ(fast.velocity.x, 2000.0f);

  RigidbodyState off;
  off.active = false;
  off.velocity = {7, 0};
  off.AddForce(100, 0);
  off.IntegrateForces(1.0f / 120.0f, 2000.0f);
  EXPECT_EQ(off.velocity.x, 7.0f);
  EXPECT_EQ(off.forceAccumulator.x, 100.0f);  // gathered while inactive, cleared with the frame
  off.ClearAccumulators();
  EXPECT_EQ(off.forceAccumulator.x, 0.0f);
}
