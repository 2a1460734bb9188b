#include "ai/boss/BossMovementLogic.h"

#include "core/Log.h"
#include "core/Send.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/items/ItemEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "platform/Assert.h"
#include "render/Sprite.h"
#include "steering/AIDebugDraw.h"
#include "steering/AIEvents.h"
#include "steering/Agent.h"
#include "steering/behaviors/AlignToVector.h"
#include "steering/behaviors/Seek.h"
#include "steering/states/MemFuncAction.h"

#include <glm/geometric.hpp>

namespace
{
const fColor CharacterColour(1.0f, 0.5f, 0.0f, 1.0f);
const fColor TargetColour(1.0f, 0.0f, 1.0f, 1.0f);
}  // namespace

BossMovementLogic::BossMovementLogic() : Component(TypeId)
{
  walkSound.SetEvent(WalkSoundPath);
}

BossMovementLogic::~BossMovementLogic() = default;

void BossMovementLogic::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "previous", &previous, RenderUnsigned, 1u);
  Members::AddMember(members, "right", &right, RenderBool, true);
  Members::AddMember(members, "charging", &charging, RenderBool, false);
}

glm::vec2 BossMovementLogic::GetWaypoint() const
{
  return waypoints[previous];
}

void BossMovementLogic::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  GameObject* owner = GetGameObject();
  // There are two waypoints; a level that names another would read past them.
  if (previous > 1)
  {
    LogOnce("BossMovementLogic previous", LogLevel::Warning, "BossMovementLogic of \"",
            owner != nullptr ? owner->GetName() : std::string(), "\": \"previous\" ", previous,
            " names no waypoint; 1 is used.");
    previous = 1;
  }
  target_ = std::make_unique<OwnedKinematic>(BRINDLE_SITE);
  BRINDLE_CHECK(target_->IsValid(), "BossMovement failed to allocate target_ kinematic");
  facing = std::make_unique<OwnedKinematic>(BRINDLE_SITE);
  if (facing->IsValid())
    (*facing)->position = glm::vec2(1.0f, 0.0f);

  blend = std::make_unique<BlendedSteering>(GetSpace(), Handle<Kinematic>());
  Seek* seek = blend->AddBehavior<Seek>(1.0f);
  seek->SetTarget(target_->GetHandle());
  seek->SetDebugDraw(true);
  AlignToVector* align = blend->AddBehavior<AlignToVector>(1.0f);
  align->SetAlignVector(facing->GetHandle());
  align->SetDebugDraw(true);
  if (target_->IsValid())
    (*target_)->position = waypoints[previous];

  State* walking = machine.AddState("Walking");
  walking->SetUpdateAction(std::make_unique<MemFuncAction<BossMovementLogic>>(this, &BossMovementLogic::Walk));
  machine.SetInitialState(walking);

  ArmWithGun();
  sprite = owner != nullptr ? owner->GetComponent<Sprite>() : nullptr;  // it may wake after us
}

void BossMovementLogic::ArmWithGun()
{
  GameObject* owner = GetGameObject();
  Transform* transform = owner != nullptr ? owner->GetTransform() : nullptr;
  if (transform == nullptr)
    return;
  const Handle<GameObject> gun = SpawnAt(GunPrefab, owner->GetSpace(), transform->GetWorldPosition(), GunName);
  if (!gun)
    return;
  if (Equipment* equipment = owner->GetComponent<Equipment>())
    equipment->Equip(gun, 0);
  SendNow<EquipEvent>(BRINDLE_SITE, owner->GetId(), gun.Get(), 0u);
  if (Transform* gunTransform = gun->GetTransform())
  {
    gunTransform->TranslateWorld(GunOffset);
    gunTransform->SetRotation(GunRotation);
  }
}

void BossMovementLogic::Synchronize()
{
  const GameObject* owner = GetGameObject();
  if (const Agent* agent = owner != nullptr ? owner->GetComponent<Agent>() : nullptr)
    character = agent->GetKinematic();
  if (blend != nullptr)
    blend->SetCharacter(character);
}

void BossMovementLogic::OnDestroy()
{
  blend.reset();
  target_.reset();
  facing.reset();
}

void BossMovementLogic::Walk()
{
  GameObject* owner = GetGameObject();
  if (stopped || owner == nullptr || owner->GetTransform() == nullptr || target_ == nullptr || !target_->IsValid())
    return;
  const glm::vec2 position = owner->GetTransform()->GetPosition();
  if (glm::distance(position, (*target_)->position) < ArrivalDistance)
  {
    // The other waypoint; "right" says which way the boss now walks.
    previous = 1 - previous;
    right = !right;
    (*target_)->position = waypoints[previous];
  }
  if (blend != nullptr)
    steering = blend->GetSteering();
}

void BossMovementLogic::On(UpdateEvent*)
{
  Space* space = GetSpace();
  if (const Kinematic* state = character.Get())
    DrawKinematic(space, *state, CharacterColour, CharacterColour);
  if (target_ != nullptr && target_->IsValid())
    DrawKinematic(space, *target_->Get(), TargetColour, TargetColour);
  StateMachine::Execute(machine.EvaluateTransitions());
  GameObject* owner = GetGameObject();
  if (charging || stopped || owner == nullptr)
    return;
  const bool onFootstepFrame = sprite != nullptr && sprite->GetFrame() == FootstepFrame;
  if (!stepSounded && onFootstepFrame)
  {
    walkSound.Play();
    stepSounded = true;
  }
  else if (stepSounded && !onFootstepFrame)
  {
    stepSounded = false;
  }
  Queue<UpdateSteering>(BRINDLE_SITE, owner->GetId(), steering.linear, steering.angular);
}
