#include "gameplay/ship/ShipController.h"

#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "core/Send.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/player/CheatKeyCheck.h"
#include "gameplay/player/PlayerEvents.h"
#include "input/InputActionMap.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"
#include "steering/AIDebugDraw.h"
#include "steering/AIEvents.h"
#include "steering/Agent.h"
#include "steering/BlendedSteering.h"
#include "steering/behaviors/AlignToMovement.h"
#include "steering/behaviors/VectorMove.h"

namespace
{
const fColor MoveLineColour(0.2f, 0.8f, 1.0f, 1.0f);
constexpr float MoveLineLength = 1000.0f;
}  // namespace

ShipController::ShipController() : Component(TypeId) {}

ShipController::~ShipController()
{
  moveDirection.Release();
}

void ShipController::OnAwake()
{
  Space* space = GetSpace();
  if (space != nullptr && space->GetSpaceName() != StillSpace)
    SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnOwner<CollisionEvent>(this);
  LetSpaceDestroyOwner();
  moveDirection = MemoryManager::NewHandle<Kinematic>(BRINDLE_SITE);
  steering = std::make_unique<BlendedSteering>(space, Handle<Kinematic>());
  steering->AddBehavior<VectorMove>(1.0f)->SetTarget(moveDirection);
  steering->AddBehavior<AlignToMovement>(1.0f);
}

void ShipController::Synchronize()
{
  SteerOwnerAt(GetGameObject(), steering.get(), MaxSpeed, kinematic);
}

void ShipController::OnDestroy()
{
  steering.reset();
  moveDirection.Release();
}

void ShipController::On(UpdateEvent*)
{
  PollCheatKeys(GetSpace());
  GameObject* ship = GetGameObject();
  EventManager* manager = EventManager::Instance();
  if (ship == nullptr || manager == nullptr || steering == nullptr || !moveDirection.IsValid())
    return;
  const InputActionMap* actions = InputActionMap::Instance();
  moveDirection->position = actions != nullptr ? actions->GetAxis(static_cast<int>(inputSlot), AXIS_MOVE) : glm::vec2(0.0f);
  if (Transform* transform = ship->GetTransform())
    DrawDebugLine(ship->GetSpace(), transform->GetWorldPosition(), moveDirection->position, MoveLineLength,
                  MoveLineColour);
  const SteeringOutput output = steering->GetSteering();
  Queue<UpdateSteering>(BRINDLE_SITE, ship->GetId(), output.linear, output.angular);
}

void ShipController::On(CollisionEvent* event)
{
  GameObject* ship = GetGameObject();
  const GameObject* other = event->other.Get();
  EventManager* manager = EventManager::Instance();
  if (ship == nullptr || other == nullptr || manager == nullptr)
    return;
  const auto group = static_cast<CollisionGroup>(event->otherGroup);
  if (group == CollisionGroup::INTERACTION_ZONE)
  {
    InputActionMap* actions = InputActionMap::Instance();
    if (actions != nullptr && actions->IsActionActive(static_cast<int>(inputSlot), ACTION_INTERACT))
      Queue<InteractionEvent>(BRINDLE_SITE, ship->GetId(), other->GetId());
  }
  else if (group == CollisionGroup::SHIP)
  {
    const glm::vec2 position = ship->GetTransform() != nullptr ? ship->GetTransform()->GetWorldPosition() : glm::vec2(0.0f);
    SendNow<ShipAttackedEvent>(BRINDLE_SITE, other->GetId(), std::string(), position, nullptr);
  }
}
