#include "ai/enemies/BanditController.h"

#include "core/MemoryManager.h"
#include "object/GameObject.h"
#include "steering/Agent.h"
#include "steering/behaviors/AlignToMovement.h"
#include "steering/behaviors/ObstacleAvoidance.h"
#include "steering/behaviors/Separation.h"
#include "steering/behaviors/StepWander.h"

BanditController::BanditController() : BanditController(TypeId, "BanditController", "Combat") {}

BanditController::BanditController(std::uint32_t typeId, const char* className, const char* chaseStateName)
    : WanderChaseController(typeId, className, className, chaseStateName, true)
{
}

BanditController::~BanditController()
{
  rotationCut.Release();
}

void BanditController::BuildBlends()
{
  wanderSeparation = wanderBlend->AddBehavior<Separation>(3.0f);
  wanderSeparation->threshold = 250.0f;
  AddWalk();
  wanderBlend->AddBehavior<AlignToMovement>(1.0f);
  wanderBlend->AddBehavior<ObstacleAvoidance>(5.0f)->SetDebugDraw(true);
  BuildChaseBlend();
}

void BanditController::AddWalk()
{
  stepWander = wanderBlend->AddBehavior<StepWander>(5.0f);
  stepWander->SetDebugDraw(true);
}

void BanditController::Synchronize()
{
  WanderChaseController::Synchronize();
  GameObject* object = GetGameObject();
  Agent* agent = object != nullptr ? object->GetComponent<Agent>() : nullptr;
  if (agent == nullptr)
    return;
  if (!rotationCut.IsValid())
    rotationCut =
        MemoryManager::NewHandle<MotivatorModifier>(BRINDLE_SITE, [](float value) { return value / RotationCut; });
  agent->GetMotivator().AddModifier(Motivator::MaxAngularVelocity, GetTypeId(), rotationCut);
}

void BanditController::OnDestroy()
{
  WanderChaseController::OnDestroy();
  // Without the controller the Agent turns at its own rate again.
  rotationCut.Release();
}
