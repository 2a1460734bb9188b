#include "ai/ships/HardEnemyShipController.h"

#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "physics/Collider.h"
#include "physics/CollisionGroup.h"
#include "steering/AIDebugDraw.h"
#include "steering/behaviors/AlignToMovement.h"
#include "steering/behaviors/Face.h"
#include "steering/behaviors/Seek.h"

HardEnemyShipController::HardEnemyShipController() : EnemyShipController(TypeId, "HardEnemyShipController") {}

void HardEnemyShipController::BuildBlend()
{
  blend->AddBehavior<AlignToMovement>(1.0f);
  blend->AddBehavior<Face>(0.5f)->SetTarget(target_);
  blend->AddBehavior<Seek>(1.0f)->SetTarget(target_);
}

void HardEnemyShipController::On(UpdateEvent* event)
{
  if (GetGameObject() == nullptr)
    return;
  RefreshTarget();
  // A ship held out of every ship's reach (back from an encounter, or making for the king's
  // galleon) is hunted by nobody: the hunter flies on to where it last saw it.
  if (const Collider* collider = GetCollider(targetObject.Get());
      collider != nullptr && collider->group == CollisionGroup::PLAYER_NOCLIP)
    targetObject = Handle<GameObject>();
  MirrorTarget();
  if (target_.IsValid())
    DrawDebugCircle(GetSpace(), target_->position, 100.0f, fColor(1.0f, 0.0f, 0.0f, 1.0f));
  Grow(event->dt);
  FaceSpriteAlongFlight();
  if (blend != nullptr)
    steering = blend->GetSteering();
  SendSteering();
}
