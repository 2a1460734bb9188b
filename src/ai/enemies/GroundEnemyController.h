#pragma once
// The walking enemies of the ship's interior (the basic enemy, bears, ducks, bugs): they wander
// about the place they woke in until they see an opponent, then close in, face it and shoot it
// with the weapon they hold, picking up one they touch while their hands are empty.
//
// Wandering blends Separation from allies (3, within 250), a wander (5: Wander, or StepWander for a
// kind that walks in steps), Seek toward the target (2, round the ship's walls), AlignToMovement
// (1), ObstacleAvoidance (10) and Zoning (5) around where it woke. Chasing blends Separation from allies
// (4, within 100), Separation from opponents (its own weight and radius), an optional Wander (1),
// Face (1) and Seek (8) the target, and ObstacleAvoidance (20).
//
// It needs an Agent, an AimingModule, an Equipment and a Health beside it.
#include "ai/enemies/WanderChaseController.h"

class Face;

class GroundEnemyController : public WanderChaseController
{
public:
  // What sets one kind apart.
  struct Design
  {
    bool walksInSteps;         // StepWander in place of Wander while wandering
    bool wandersWhileChasing;  // a Wander (1) in the chase blend
    float opponentWeight;      // of the Separation from opponents
    float opponentRadius;      // its reach
  };

  Face* GetFace() const { return face; }

protected:
  GroundEnemyController(std::uint32_t typeId, const char* className, const Design& kind);
  GroundEnemyController& operator=(const GroundEnemyController&) = default;

  void BuildBlends() override;

  Transient<Face*> face = nullptr;

private:
  Design design;
};
