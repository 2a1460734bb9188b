#include "gameplay/player/PlayerController.h"

#include "audio/SoundEvents.h"
#include "core/FiniteCheck.h"
#include "core/MemoryManager.h"
#include "core/Send.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/items/ItemEvents.h"
#include "gameplay/player/CheatKeyCheck.h"
#include "gameplay/player/PlayerEvents.h"
#include "gameplay/specials/SpecialCooldown.h"
#include "gameplay/weapons/Gun.h"
#include "input/Input.h"
#include "input/InputActionMap.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/SpaceLookup.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/Collider.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"
#include "render/Camera.h"
#include "render/CameraEvents.h"
#include "render/TextToSprite.h"
#include "steering/AIEvents.h"
#include "steering/Agent.h"
#include "steering/BlendedSteering.h"
#include "steering/behaviors/AlignToVector.h"
#include "steering/behaviors/VectorMove.h"

#include <cmath>
#include <glm/geometric.hpp>

namespace
{
// A squared aim shorter than this has no direction to turn to.
constexpr float ShortestAimSquared = 1.1920929e-7f;
// Pixels of mouse motion in one event that make the mouse the aim.
constexpr float MouseAimMotion = 10.0f;
constexpr const char* PickupSoundPath = "event:/SFX/ShotgunPump";
constexpr const char* DeathMusic = "event:/Music/Death";
constexpr const char* DeathMessagePrefab = "HUD_DeathMessage";

glm::vec2 PositionOf(const Handle<Kinematic>& vector)
{
  const Kinematic* state = vector.Get();
  return state != nullptr ? state->position : glm::vec2(0.0f, 0.0f);
}
}  // namespace

PlayerController::PlayerController() : Component(TypeId) {}

PlayerController::~PlayerController()
{
  aimDirection.Release();
  moveDirection.Release();
}

void PlayerController::OnAwake()
{
  pickupSound.SetEvent(PickupSoundPath);
  SubscribeOnOwner<DiedEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnOwner<CollisionEvent>(this);
  aimDirection.Release();
  moveDirection.Release();
  aimDirection = MemoryManager::NewHandle<Kinematic>(BRINDLE_SITE);
  moveDirection = MemoryManager::NewHandle<Kinematic>(BRINDLE_SITE);
  steering = std::make_unique<BlendedSteering>(GetSpace(), Handle<Kinematic>());
  steering->AddBehavior<VectorMove>(1.0f)->SetTarget(moveDirection);
  steering->AddBehavior<AlignToVector>(1.0f)->SetAlignVector(aimDirection);
  EquipCarriedItems();
}

void PlayerController::EquipCarriedItems()
{
  Registry* registry = Registry::Instance();
  const Space* space = GetSpace();
  if (registry == nullptr || space == nullptr)
    return;
  // The tutorial hands out its own guns, one lesson at a time: its player starts empty-handed,
  // whatever a run or an earlier tutorial left on the board.
  if (space->GetName() == TutorialLevel)
    return;
  const DataBoard& board = registry->GetDataBoard();
  // Copies: equipping may change what the board holds.
  const std::string primary = board.GetPrimaryItem();
  const std::string secondary = board.GetSecondaryItem();
  const std::string special = board.GetSpecialItem();
  EquipCarriedItem(primary, 0, "spawned weapon");
  EquipCarriedItem(secondary, 1, "spawned weapon");
  EquipCarriedItem(special, Equipment::SpecialSlot, "spawned special");
}

void PlayerController::EquipCarriedItem(const std::string& prefab, std::uint32_t slot, const char* name)
{
  GameObject* player = GetGameObject();
  Equipment* equipment = player != nullptr ? player->GetComponent<Equipment>() : nullptr;
  if (prefab.empty() || equipment == nullptr || player->GetTransform() == nullptr)
    return;
  // A name the prefabs lack (a board written by an older game) is reported and skipped.
  const Handle<GameObject> item = SpawnAt(prefab, player->GetSpace(), player->GetTransform()->GetWorldPosition(), name);
  if (!item)
    return;
  equipment->Equip(item, slot);
  SendNow<EquipEvent>(BRINDLE_SITE, player->GetId(), item.Get(), slot);
}

void PlayerController::Synchronize()
{
  SteerOwnerAt(GetGameObject(), steering.get(), MaxSpeed, kinematic);
}

void PlayerController::OnDestroy()
{
  steering.reset();
  aimDirection.Release();
  moveDirection.Release();
}

glm::vec2 PlayerController::GetAimDirection() const
{
  return PositionOf(aimDirection);
}

void PlayerController::On(UpdateEvent* event)
{
  if (dead)
  {
    deathTimer += event->dt;
    if (deathTimer > EndScreenDelay)
      triggerEndScreen();
    return;
  }
  GameObject* player = GetGameObject();
  if (player == nullptr || steering == nullptr || !aimDirection.IsValid() || !moveDirection.IsValid())
    return;
  PollCheatKeys(player->GetSpace());
  ChooseAimMode();
  const glm::vec2 aim = AimFromInput();
  const InputActionMap* actions = InputActionMap::Instance();
  moveDirection->position =
      actions != nullptr ? actions->GetAxis(static_cast<int>(inputSlot), AXIS_MOVE) : glm::vec2(0.0f, 0.0f);
  // A NaN fails the comparison and leaves the aim as it was.
  if (glm::dot(aim, aim) > ShortestAimSquared)
    aimDirection->position = aim;
  const SteeringOutput output = steering->GetSteering();
  Queue<UpdateSteering>(BRINDLE_SITE, player->GetId(), output.linear, output.angular);
  TestActions();
}

void PlayerController::ChooseAimMode()
{
  InputActionMap* actions = InputActionMap::Instance();
  const int slot = static_cast<int>(inputSlot);
  if (actions != nullptr && actions->IsActionActive(slot, ACTION_ANY_CONTROLLER))
    aimMode = AimByStick;
  else if (actions != nullptr && actions->GetAxis(slot, AXIS_STICKS) != glm::vec2(0.0f, 0.0f))
    aimMode = AimByStick;
  else if (actions != nullptr && actions->IsActionActive(slot, ACTION_ANY_KEYBOARD_MOUSE))
    aimMode = AimByMouse;
  else
  {
    // Either way: a pointer moved left or down is as much a hand on the mouse as one moved right
    // or up.
    const Input* input = Input::Instance();
    const glm::vec2 motion = input != nullptr ? input->GetMouseDelta() : glm::vec2(0.0f, 0.0f);
    aimMode = std::fabs(motion.x) > MouseAimMotion || std::fabs(motion.y) > MouseAimMotion ? AimByMouse : KeepAim;
  }
}

glm::vec2 PlayerController::AimFromInput() const
{
  const glm::vec2 current = PositionOf(aimDirection);
  if (aimMode == AimByStick)
  {
    const InputActionMap* actions = InputActionMap::Instance();
    return actions != nullptr ? actions->GetAxis(static_cast<int>(inputSlot), AXIS_AIM) : current;
  }
  if (aimMode != AimByMouse)
    return current;
  GameObject* player = GetGameObject();
  const Space* space = GetSpace();
  const Camera* camera = space != nullptr ? space->GetCurrentCamera() : nullptr;
  if (camera == nullptr || player == nullptr || player->GetTransform() == nullptr)
    return current;
  const glm::vec2 towards = camera->GetMouseWorldPosition() - player->GetTransform()->GetWorldPosition();
  if (!IsFinite(towards) || (towards.x == 0.0f && towards.y == 0.0f))
    return current;
  return glm::normalize(towards);
}

void PlayerController::TestActions()
{
  InputActionMap* actions = InputActionMap::Instance();
  GameObject* player = GetGameObject();
  if (actions == nullptr || player == nullptr)
    return;
  const int slot = static_cast<int>(inputSlot);
  const std::uint32_t id = player->GetId();
  const auto active = [actions, slot](int action) { return actions->IsActionActive(slot, action); };
  const Equipment* equipment = player->GetComponent<Equipment>();
  // A press on a full slot swaps: the first request puts its item down, the second takes what the
  // hand reaches, if anything, so that with nothing in reach the press only drops.
  const auto equipOrSwap = [equipment, id](std::uint32_t equipmentSlot) {
    Queue<EquipDequip>(BRINDLE_SITE, id, equipmentSlot);
    if (equipment != nullptr && equipment->GetSlot(equipmentSlot).GetId() != 0)
      Queue<EquipDequip>(BRINDLE_SITE, id, equipmentSlot);
  };
  if (active(ACTION_EQUIP_SLOT_0))
    equipOrSwap(0);
  if (active(ACTION_EQUIP_SLOT_1))
    equipOrSwap(1);
  if (active(ACTION_EQUIP_SLOT_2))
    equipOrSwap(Equipment::SpecialSlot);
  const auto reload = [equipment](std::uint32_t equipmentSlot) {
    const Handle<GameObject> item = equipment != nullptr ? equipment->GetSlot(equipmentSlot) : Handle<GameObject>();
    if (Gun* gun = Gun::GetGunComponent(item.Get()))
      gun->StartReloading();
  };
  if (active(ACTION_RELOAD_SLOT_1))
    reload(1);
  if (active(ACTION_RELOAD_SLOT_0))
    reload(0);
  if (active(ACTION_USE_SLOT_0))
    SendNow<UseEvent>(BRINDLE_SITE, id, true, 0u, false);
  if (active(ACTION_USE_SLOT_1))
    SendNow<UseEvent>(BRINDLE_SITE, id, true, 1u, false);
  if (active(ACTION_USE_SLOT_2))
    SendNow<UseEvent>(BRINDLE_SITE, id, true, Equipment::SpecialSlot, false);
  if (active(ACTION_INTERACT))
    SendNow<InteractionEvent>(BRINDLE_SITE, id, 0u);
  if (active(ACTION_MUTE))
    Queue<Mute>(BRINDLE_SITE, SoundSystemChannel);
  if (active(ACTION_STOP_TIMER))
  {
    if (Space* hud = HudSpace())
      Queue<StopTimerEvent>(BRINDLE_SITE, hud->GetId());
  }
}

void PlayerController::On(CollisionEvent* event)
{
  if (static_cast<CollisionGroup>(event->otherGroup) == CollisionGroup::LOOT)
    pickupSound.Play();
}

void PlayerController::On(DiedEvent*)
{
  if (dead)
    return;
  StageDeath();
}

void PlayerController::StageDeath()
{
  GameObject* player = GetGameObject();
  Space* space = GetSpace();
  if (player == nullptr || space == nullptr)
    return;
  if (Collider* collider = GetCollider(player))
    collider->SetActive(false);
  dead = true;
  Queue<SetZoom>(BRINDLE_SITE, space->GetId(), 0.5f, 0.6f);
  Queue<SetLead>(BRINDLE_SITE, space->GetId(), 0.0f);
  Queue<UpdateSteering>(BRINDLE_SITE, player->GetId(), glm::vec2(0.0f, 0.0f), 0.0f);
  SendNow<CueMusicEvent>(BRINDLE_SITE, SoundSystemChannel, std::string(DeathMusic));
  const Handle<GameObject> message = Spawn(DeathMessagePrefab, HudSpace());
  if (TextToSprite* text = message ? message->GetComponent<TextToSprite>() : nullptr)
    text->SetString("You Died");
  if (Registry* registry = Registry::Instance())
  {
    DataBoard& board = registry->GetDataBoard();
    board.GetCollectedItems().clear();
    board.SetSecondaryItem("");
    board.SetPrimaryItem("");
    board.SetSpecialItem("");
  }
}

void PlayerController::triggerEndScreen()
{
  if (Space* space = GetSpace())
    SendNow<DiedEvent>(BRINDLE_SITE, space->GetId());
}
