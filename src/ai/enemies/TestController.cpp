#include "ai/enemies/TestController.h"

#include "ai/navigation/AimingModule.h"
#include "core/MemoryManager.h"
#include "platform/Assert.h"
#include "steering/behaviors/FollowPath.h"

TestController::TestController() : BanditController(TypeId, "TestController", "Chasing") {}

TestController::~TestController()
{
  path.Release();
}

void TestController::AddWalk()
{
  if (!path.IsValid())
    path = MemoryManager::NewHandle<Path>(BRINDLE_SITE);
  BRINDLE_FATAL_CHECK(path.IsValid(), "TestController failed to allocate its path");
  followPath = wanderBlend->AddBehavior<FollowPath>(10.0f);
  followPath->SetPath(path);
}

void TestController::OnDestroy()
{
  BanditController::OnDestroy();
  followPath = nullptr;
  path.Release();
}

void TestController::WanderUpdate()
{
  MirrorTarget();
  const Kinematic* self = character.Get();
  if (targetObject.IsValid() && aiming != nullptr && self != nullptr && path.IsValid() && target_.IsValid())
    *path = aiming->FindPath(self->position, target_->position);
  BanditController::WanderUpdate();
}
