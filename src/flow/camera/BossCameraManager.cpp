#include "flow/camera/BossCameraManager.h"

#include "ai/boss/BossMovementLogic.h"
#include "core/Log.h"
#include "core/Send.h"
#include "flow/camera/CameraLeash.h"
#include "gameplay/boss/BossEvents.h"
#include "gameplay/player/PlayerEvents.h"
#include "gameplay/score/ScoreEvents.h"
#include "gameplay/ship/ShipEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/SpaceLookup.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"
#include "physics/RotationLock.h"
#include "render/CameraEvents.h"
#include "render/Sprite.h"
#include "render/TextToSprite.h"

#include <algorithm>
#include <glm/geometric.hpp>

namespace
{
constexpr float ExitTorque = 600.0f;
constexpr float ExitShrink = 0.9925f;
constexpr float VictoryZoom = 0.9f;
constexpr float VictoryZoomRate = 0.4f;

Handle<GameObject> ObjectNamed(Space* space, const std::string& name)
{
  return space != nullptr ? space->GetObjectNamed(name) : Handle<GameObject>();
}

glm::vec2 WorldPosition(const Handle<GameObject>& object)
{
  const Transform* transform = object.IsValid() ? object->GetTransform() : nullptr;
  return transform != nullptr ? transform->GetWorldPosition() : glm::vec2(0.0f, 0.0f);
}
}  // namespace

void BossCameraManager::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "bossTimer", &bossTimer, RenderFloat, 0.0f);
  Members::AddMember(members, "timer", &timer, RenderFloat, 0.0f);
}

void BossCameraManager::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnSpace<BossDiedEvent>(this);
  SubscribeOnSpace<DepressurizationEvent>(this);
}

void BossCameraManager::OnDestroy()
{
  guide.Clear();
}

float BossCameraManager::FramingZoom(float distance, float zoomRange)
{
  const float zoom = zoomRange > 0.0f ? 0.7f * distance / zoomRange : 0.0f;
  return std::max(zoom, 0.5f);
}

void BossCameraManager::LookUp()
{
  Space* space = GetSpace();
  boss = ObjectNamed(space, BossName);
  anchor = ObjectNamed(space, AnchorName);
  player = Registry::FirstOf(RegistryType::PLAYERS);
  camera = ObjectNamed(space, CameraName);
  cameraLookedUp = true;
  Collider* collider = player.IsValid() ? GetCollider(player.Get()) : nullptr;
  zoomRange = (collider != nullptr ? collider->GetBoundingRadius() : 0.0f) + 500.0f;
}

void BossCameraManager::Focus(const Handle<GameObject>& object)
{
  if (!camera.IsValid())
    return;
  if (CameraLeash* leash = camera->GetComponent<CameraLeash>())
    leash->SetFocus(object);
}

void BossCameraManager::On(UpdateEvent* event)
{
  // The leash may be missing from a room: the look-up waits for the player and the boss only.
  if (!player.IsValid() || !boss.IsValid() || !cameraLookedUp)
  {
    LookUp();
    return;
  }
  if (!bossDefeated)
    if (Space* space = GetSpace())
      guide.Update(*space);
  if (startDelay >= 0.0f)
  {
    Focus(player);
    startDelay -= event->dt;
    return;
  }
  if (!bossDefeated)
  {
    Frame();
    return;
  }
  if (timer > 0.0f)
  {
    Exit(event->dt);
    return;
  }
  if (victorySent)
    return;
  victorySent = true;
  LogLine("Boss fight: victory");
  if (Space* space = GetSpace())
  {
    Queue<PlayerVictory>(BRINDLE_SITE, space->GetId());
    Focus(player);
    Queue<SetZoom>(BRINDLE_SITE, space->GetId(), VictoryZoom, VictoryZoomRate);
  }
  Spawn(VictoryPrefab, HudSpace());
}

void BossCameraManager::Frame()
{
  const BossMovementLogic* movement = boss->GetComponent<BossMovementLogic>();
  if (movement != nullptr && movement->IsStopped())
    return;
  Focus(GetOwner());
  Transform* own = GetGameObject() != nullptr ? GetGameObject()->GetTransform() : nullptr;
  if (!anchor.IsValid() || own == nullptr)
    return;
  const glm::vec2 from = WorldPosition(player);
  const glm::vec2 to = WorldPosition(anchor);
  const glm::vec2 middle = 0.5f * (from + to);
  own->SetWorldPosition(middle.x, middle.y);
  framingZoom = std::max(framingZoom, FramingZoom(glm::distance(from, to), zoomRange));
  if (Space* space = GetSpace())
    Queue<SetZoom>(BRINDLE_SITE, space->GetId(), framingZoom, 1.0f);
}

void BossCameraManager::Exit(float dt)
{
  timer -= dt;
  if (Rigidbody* body = boss->GetComponent<Rigidbody>())
    body->AddTorque(ExitTorque);
  if (Sprite* sprite = boss->GetComponent<Sprite>())
    sprite->SetScale(sprite->GetScale().x * ExitShrink, sprite->GetScale().y * ExitShrink);
  Focus(boss);
}

void BossCameraManager::On(DepressurizationEvent*)
{
  if (bossDefeated)
    return;
  bossDefeated = true;
  guide.Clear();
  LogLine("Boss fight: the king is defeated");
  if (Space* space = GetSpace())
    SendNow<BossDiedEvent>(BRINDLE_SITE, space->GetId());
  // The boss may be gone already, or not yet looked up: the room's own "Boss" is meant.
  const Handle<GameObject> defeated = boss.IsValid() ? boss : ObjectNamed(GetSpace(), BossName);
  if (RotationLock* lock = defeated.IsValid() ? defeated->GetComponent<RotationLock>() : nullptr)
    lock->locked = false;
}

void BossCameraManager::On(BossDiedEvent*)
{
  // A room may announce the boss's death more than once (two managers, a second sender): the
  // reward is one.
  if (rewardPaid)
    return;
  rewardPaid = true;
  Space* space = GetSpace();
  if (space == nullptr)
    return;
  const glm::vec2 position = WorldPosition(GetOwner());
  Queue<UpdateReputation>(BRINDLE_SITE, space->GetId(), Reward, position.x, position.y);
  const Handle<GameObject> feedback = SpawnAt(FeedbackPrefab, space, position);
  if (TextToSprite* text = feedback.IsValid() ? feedback->GetComponent<TextToSprite>() : nullptr)
    text->SetNumber(static_cast<int>(Reward));
}
