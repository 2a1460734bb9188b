#include "ai/enemies/GroundEnemyController.h"

#include "steering/behaviors/AlignToMovement.h"
#include "steering/behaviors/Face.h"
#include "steering/behaviors/ObstacleAvoidance.h"
#include "steering/behaviors/Seek.h"
#include "steering/behaviors/Separation.h"
#include "steering/behaviors/StepWander.h"
#include "steering/behaviors/Wander.h"
#include "steering/behaviors/Zoning.h"

GroundEnemyController::GroundEnemyController(std::uint32_t typeId, const char* className, const Design& kind)
    : WanderChaseController(typeId, className, className, "Chasing", true), design(kind)
{
  arrivesAtTarget = true;
}

void GroundEnemyController::BuildBlends()
{
  wanderSeparation = wanderBlend->AddBehavior<Separation>(3.0f);
  wanderSeparation->threshold = 250.0f;
  if (design.walksInSteps)
  {
    stepWander = wanderBlend->AddBehavior<StepWander>(5.0f);
    stepWander->SetDebugDraw(true);
  }
  else
  {
    wanderBlend->AddBehavior<Wander>(5.0f)->SetDebugDraw(true);
  }
  wanderSeek = wanderBlend->AddBehavior<Seek>(2.0f);
  wanderSeek->SetTarget(target_);
  wanderBlend->AddBehavior<AlignToMovement>(1.0f);
  wanderBlend->AddBehavior<ObstacleAvoidance>(10.0f)->SetDebugDraw(true);
  zoning = wanderBlend->AddBehavior<Zoning>(5.0f);

  allySeparation = chaseBlend->AddBehavior<Separation>(4.0f);
  allySeparation->threshold = 100.0f;
  opponentSeparation = chaseBlend->AddBehavior<Separation>(design.opponentWeight);
  opponentSeparation->threshold = design.opponentRadius;
  if (design.wandersWhileChasing)
    chaseBlend->AddBehavior<Wander>(1.0f)->SetDebugDraw(true);
  face = chaseBlend->AddBehavior<Face>(1.0f);
  face->SetTarget(target_);
  chaseBlend->AddBehavior<Seek>(8.0f)->SetTarget(target_);
  chaseBlend->AddBehavior<ObstacleAvoidance>(20.0f)->SetDebugDraw(true);
}
