#include "ai/ships/EnemyShipController.h"

#include "ai/navigation/AimingModule.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Removal.h"
#include "object/Transform.h"
#include "render/Sprite.h"
#include "steering/behaviors/AlignToMovement.h"
#include "steering/behaviors/Face.h"
#include "steering/behaviors/Seek.h"
#include "steering/behaviors/Separation.h"
#include "steering/behaviors/Wander.h"

#include <algorithm>
#include <glm/geometric.hpp>

EnemyShipController::EnemyShipController() : EnemyShipController(TypeId, "EnemyShipController") {}

EnemyShipController::EnemyShipController(std::uint32_t typeId, const char* className)
    : EnemyController(typeId, className)
{
}

void EnemyShipController::OnAwake()
{
  if (GetGameObject() == nullptr)
    return;
  LetSpaceDestroyOwner();
  SubscribeOnSpace<UpdateEvent>(this);
  FindAiming();
  AllocateTarget();
  blend = std::make_unique<BlendedSteering>(GetSpace(), character);
  BuildBlend();
}

void EnemyShipController::BuildBlend()
{
  blend->AddBehavior<AlignToMovement>(1.0f);
  blend->AddBehavior<Face>(0.5f)->SetTarget(target_);
  blend->AddBehavior<Wander>(0.1f);
  blend->AddBehavior<Seek>(0.6f)->SetTarget(target_);
  nearSeparation = blend->AddBehavior<Separation>(0.5f);
  nearSeparation->threshold = 1500.0f;
  nearSeparation->SetDebugDraw(true);
  farSeparation = blend->AddBehavior<Separation>(0.8f);
  farSeparation->threshold = 2500.0f;
  farSeparation->SetDebugDraw(true);
}

void EnemyShipController::Synchronize()
{
  BindCharacter();
  if (blend != nullptr)
    blend->SetCharacter(character);
}

void EnemyShipController::OnDestroy()
{
  blend.reset();
  nearSeparation = farSeparation = nullptr;
  ReleaseTarget();
}

void EnemyShipController::Grow(float dt)
{
  Transform* transform = GetGameObject()->GetTransform();
  if (transform == nullptr)
    return;
  const float scale = transform->GetScale().x;
  if (scale < 1.0f)
    transform->SetScale(glm::vec2(scale + dt * GrowthRate));
}

void EnemyShipController::FaceSpriteAlongFlight()
{
  Sprite* sprite = GetGameObject()->GetSprite();
  if (sprite != nullptr && character.IsValid())
    sprite->SetFlipY(character->velocity.x <= 0.0f);
}

void EnemyShipController::On(UpdateEvent* event)
{
  GameObject* object = GetGameObject();
  Transform* transform = object != nullptr ? object->GetTransform() : nullptr;
  if (transform == nullptr)
    return;
  const float distance = glm::length(destination - transform->GetWorldPosition());
  if (distance >= ShrinkDistance)
  {
    Grow(event->dt);
  }
  else
  {
    // Shrinking stops at nothing: a scale below zero would turn the ship inside out and grow it
    // again before it reaches its destination.
    transform->SetScale(glm::vec2(std::max(0.0f, transform->GetScale().x - event->dt * GrowthRate)));
    if (distance < ArrivalDistance)
      QueueRemoval(GetOwner());
  }
  FaceSpriteAlongFlight();
  if (target_.IsValid())
    target_->position = destination;
  if (aiming != nullptr && nearSeparation != nullptr && farSeparation != nullptr)
  {
    nearSeparation->SetNeighbours(aiming->GetAllyKinematics());
    farSeparation->SetNeighbours(aiming->GetTargetKinematics());
  }
  if (blend != nullptr)
    steering = blend->GetSteering();
  SendSteering();
}
