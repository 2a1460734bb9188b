#include "physics/ContactSolver.h"

#include "physics/RigidbodyState.h"

#include <algorithm>
#include <cmath>

namespace
{
// Share of the penetration corrected per second, as a velocity.
constexpr float BiasFactor = 0.4f;
// Fraction of the approach velocity each pass removes.
constexpr float VelocityCorrection = 0.99f;
// Below this the effective mass along the normal is undefined; such a point takes no impulse.
constexpr float SmallestEffectiveMass = 1e-12f;

struct BodyValues
{
  bool movable = false;
  float invMass = 0.0f;
  float invInertia = 0.0f;
  glm::vec2 velocity{0.0f, 0.0f};
  float angularVelocity = 0.0f;
};

BodyValues Read(const SolverBody* body)
{
  BodyValues values;
  if (body == nullptr || body->rigidbody == nullptr || !body->rigidbody->active)
    return values;
  const RigidbodyState& state = *body->rigidbody;
  values.movable = true;
  values.invMass = state.invMass;
  values.invInertia = state.invMomentInertia;
  values.velocity = state.velocity;
  values.angularVelocity = state.angularVelocity;
  return values;
}

float Cross(glm::vec2 a, glm::vec2 b)
{
  return a.x * b.y - a.y * b.x;
}

float Dot(glm::vec2 a, glm::vec2 b)
{
  return a.x * b.x + a.y * b.y;
}

glm::vec2 PointVelocity(const BodyValues& body, glm::vec2 arm)
{
  return {body.velocity.x - body.angularVelocity * arm.y, body.velocity.y + body.angularVelocity * arm.x};
}

void ApplyImpulse(RigidbodyState& state, float invMass, float invInertia, glm::vec2 arm, glm::vec2 impulse)
{
  state.velocity += invMass * impulse;
  state.angularVelocity += invInertia * Cross(arm, impulse);
}
}  // namespace

void ContactSolver::Sort()
{
  std::stable_sort(manifolds.begin(), manifolds.end(), [](const ContactManifold& a, const ContactManifold& b) {
    return a.DeepestPenetration() > b.DeepestPenetration();
  });
}

void ContactSolver::ComputeBias(float dt)
{
  for (ContactManifold& manifold : manifolds)
  {
    for (int index = 0; index < manifold.count; ++index)
    {
      ContactPoint& point = manifold.points[index];
      point.bias = dt > 0.0f ? BiasFactor * std::max(0.0f, point.penetration) / dt : 0.0f;
    }
  }
}

void ContactSolver::Solve(std::int32_t iterations)
{
  for (std::int32_t pass = 0; pass < iterations; ++pass)
    for (ContactManifold& manifold : manifolds)
      ResolveContact(manifold);
}

void ContactSolver::ResolveContact(ContactManifold& manifold)
{
  const BodyValues first = Read(manifold.first);
  const BodyValues second = Read(manifold.second);
  if (!first.movable && !second.movable)
    return;

  float restitution = 0.0f;
  if (first.movable)
    restitution = std::max(restitution, manifold.first->rigidbody->restitution);
  if (second.movable)
    restitution = std::max(restitution, manifold.second->rigidbody->restitution);

  if (first.invMass == 0.0f && second.invMass == 0.0f)
    return;
  // A body that cannot turn, against an immovable one, is solved at its first point only.
  if (manifold.count == 2 && first.invInertia == 0.0f && second.invInertia == 0.0f &&
      (first.invMass == 0.0f || second.invMass == 0.0f))
    manifold.count = 1;

  const bool hasSecond = manifold.second != nullptr;
  for (int index = 0; index < manifold.count; ++index)
  {
    ContactPoint& point = manifold.points[index];
    point.rFirst = point.position - manifold.first->position;
    point.vFirst = PointVelocity(first, point.rFirst);
    if (hasSecond)
    {
      point.rSecond = point.position - manifold.second->position;
      point.vSecond = PointVelocity(second, point.rSecond);
      point.normalVelocity = Dot(point.vSecond - point.vFirst, point.normal);
    }
    else
    {
      point.normalVelocity = -Dot(point.vFirst, point.normal);
    }

    if (point.restitutionTerm < 0.0f)
      point.restitutionTerm = std::fabs(restitution * point.normalVelocity);
    point.rhs = point.bias - VelocityCorrection * point.normalVelocity + point.restitutionTerm;

    const float armFirst = Dot(point.rFirst, point.normal);
    float effectiveMass = first.invMass + first.invInertia * (Dot(point.rFirst, point.rFirst) - armFirst * armFirst);
    if (hasSecond)
    {
      const float armSecond = Dot(point.rSecond, point.normal);
      effectiveMass +=
          second.invMass + second.invInertia * (Dot(point.rSecond, point.rSecond) - armSecond * armSecond);
    }
    if (!(effectiveMass > SmallestEffectiveMass))
      continue;

    const float newImpulse = std::max(0.0f, point.normalImpulse + point.rhs / effectiveMass);
    const float applied = newImpulse - point.normalImpulse;
    point.normalImpulse = newImpulse;

    if (first.movable)
      ApplyImpulse(*manifold.first->rigidbody, first.invMass, first.invInertia, point.rFirst,
                   -applied * point.normal);
    if (hasSecond && second.movable)
      ApplyImpulse(*manifold.second->rigidbody, second.invMass, second.invInertia, point.rSecond,
                   applied * point.normal);
  }
}
