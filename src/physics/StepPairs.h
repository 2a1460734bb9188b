#pragma once
// The pairs one physics sub-step tests: every moving body with the static entries and with the
// moving bodies added after it, so that no pair comes up twice and two static entries never meet.
// The moving bodies are packed anew every sub-step; the static entries only when they changed.
// Pairs are found in the order the moving bodies are filed, where each search reads what the last
// one read, and handed back grouped by the body that tests them, in the order they were added.
#include "physics/PackedGrid.h"

#include <cstdint>
#include <utility>
#include <vector>

struct PhysicsObject;

class StepPairs
{
public:
  // The entries a body is paired with, static ones first.
  struct Partners
  {
    PhysicsObject* const* first;
    PhysicsObject* const* last;
    PhysicsObject* const* begin() const { return first; }
    PhysicsObject* const* end() const { return last; }
  };

  // The static entries are added again before the next Find.
  void StaticsChanged() { staticsChanged = true; }
  bool StaticsAreStale() const { return staticsChanged; }
  void ClearStatics() { statics.Clear(); }
  void AddStatic(PhysicsObject* owner, glm::vec2 position, float radius, glm::vec2 extent)
  {
    statics.Add(owner, position, radius, extent);
  }

  void ClearBodies() { bodies.Clear(); }
  // Adds a moving body; the bodies are numbered in the order they are added.
  void AddBody(PhysicsObject* owner, glm::vec2 position, float radius, glm::vec2 extent)
  {
    bodies.Add(owner, position, radius, extent);
  }
  std::uint32_t BodyCount() const { return bodies.Size(); }
  // Files the bodies (and the statics, when they changed) and finds every pair.
  void Find();
  // The entries the body of this number tests, in the order its search met them.
  Partners Of(std::uint32_t number) const
  {
    return {partners.data() + partnerStarts[number], partners.data() + partnerStarts[number + 1]};
  }
  // The body of this number.
  PhysicsObject* Body(std::uint32_t number) const { return bodies.At(number).owner; }

private:
  using FoundPair = std::pair<std::uint32_t, PhysicsObject*>;  // (number of the body, partner)

  PackedGrid statics;
  PackedGrid bodies;
  bool staticsChanged = true;
  std::vector<FoundPair> found;
  std::vector<std::uint32_t> partnerStarts;  // by number, and the end
  std::vector<std::uint32_t> places;  // each body's next free place while grouping
  std::vector<PhysicsObject*> partners;
};
