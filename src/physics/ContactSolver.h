#pragma once
// Pushes touching bodies apart with sequential normal impulses (no friction, no warm start). The
// contacts of one sub-step are gathered, ordered deepest first, given a position-correction bias
// and solved in a fixed number of passes; only velocities change here.
#include "physics/ContactManifold.h"

#include <cstdint>
#include <vector>

class ContactSolver
{
public:
  void Clear() { manifolds.clear(); }
  // Equal depths keep the order they arrived in.
  void Insert(const ContactManifold& manifold) { manifolds.push_back(manifold); }
  std::size_t Size() const { return manifolds.size(); }
  const std::vector<ContactManifold>& Manifolds() const { return manifolds; }

  // Orders the set deepest first; Solve expects it.
  void Sort();
  void ComputeBias(float dt);
  void Solve(std::int32_t iterations);
  static void ResolveContact(ContactManifold& manifold);

private:
  std::vector<ContactManifold> manifolds;
};
