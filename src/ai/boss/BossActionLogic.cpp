#include "ai/boss/BossActionLogic.h"

#include "ai/boss/BossMovementLogic.h"
#include "audio/SoundEvents.h"
#include "core/Send.h"
#include "gameplay/boss/BossEvents.h"
#include "gameplay/boss/CountLiving.h"
#include "gameplay/boss/ThrownObject.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/ItemEvents.h"
#include "gameplay/ship/ShipEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"
#include "platform/Random.h"
#include "render/Sprite.h"

#include <cmath>
#include <glm/geometric.hpp>

namespace
{
// A throw is one physics step's worth of its push, given at once: a force added here would be
// lost whenever the next frame runs no physics step, and doubled when it runs two.
constexpr float ThrowStep = 1.0f / 120.0f;

glm::vec2 DirectionTo(glm::vec2 from, glm::vec2 to)
{
  const glm::vec2 between = to - from;
  const float length = glm::length(between);
  return length > 1e-6f ? between / length : glm::vec2(0.0f, 0.0f);
}
}  // namespace

BossActionLogic::BossActionLogic() : Component(TypeId) {}

BossActionLogic::~BossActionLogic()
{
  chargeSound.StopAndClear();
  throwSound.StopAndClear();
  deathSound.StopAndClear();
  dingSound.StopAndClear();
}

void BossActionLogic::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "cooldown", &cooldown, RenderFloat, 0.0f);
  Members::AddMember(members, "maxCooldown", &maxCooldown, RenderFloat, 0.0f);
  Members::AddMember(members, "addSpawn", &addSpawn, RenderInt, 0);
  Members::AddMember(members, "charging", &charging, RenderBool, false);
  Members::AddMember(members, "deathBallvel", &deathBallVelocity, RenderFloat, 500.0f);
  Members::AddMember(members, "currentCharge", &currentCharge, RenderFloat, 0.0f);
  Members::AddMember(members, "chargeTime", &chargeTime, RenderFloat, 10.0f);
}

void BossActionLogic::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnSpace<DepressurizationEvent>(this);
  GameObject* owner = GetGameObject();
  health = owner != nullptr ? owner->GetComponent<Health>() : nullptr;
  SendNow<CueTransition>(BRINDLE_SITE, SoundSystemChannel, MusicPath);
  movement = owner != nullptr ? owner->GetComponent<BossMovementLogic>() : nullptr;
  chargeSound.SetEvent("event:/SFX/DeathBallCharge");
  throwSound.SetEvent("event:/SFX/BossThrowTurret");
  deathSound.SetEvent("event:/SFX/BossDeathNOOO");
  dingSound.SetEvent("event:/SFX/BossDeathDing");
}

int BossActionLogic::WavesFor(float hitpoints, float maxHitpoints)
{
  if (!(maxHitpoints > 0.0f))
    return 1;
  const float lost = std::fmin(std::fmax((maxHitpoints - hitpoints) / maxHitpoints, 0.0f), 1.0f);
  return 1 + static_cast<int>(4.0f * lost);
}

void BossActionLogic::On(UpdateEvent* event)
{
  GameObject* owner = GetGameObject();
  if (owner == nullptr)
    return;
  if (dead)
  {
    UpdateDead(event->dt);
    return;
  }
  // The gun decides itself whether it can fire.
  SendNow<UseEvent>(BRINDLE_SITE, owner->GetId(), true, 0u, false);
  cooldown -= event->dt;
  if (cooldown <= 0.0f)
  {
    Attack();
    cooldown = maxCooldown;
  }
  if (!charging)
    return;
  currentCharge += event->dt;
  if (currentCharge >= chargeTime)
  {
    DeathBallShot();
    if (movement != nullptr)
      movement->SetCharging(false);
    currentCharge = 0.0f;
    charging = false;
  }
}

void BossActionLogic::Attack()
{
  switch (Random() % 3)
  {
  case 0:
    ThrowTurret();
    break;
  case 1:
    CallReinforcements();
    break;
  default:
    StartCharge();
    break;
  }
}

void BossActionLogic::CallReinforcements()
{
  addSpawn = health != nullptr ? WavesFor(health->GetHitpoints(), health->GetMaxHitpoints()) : 1;
  if (Space* space = GetSpace())
    for (int wave = 0; wave < addSpawn; ++wave)
      Queue<BossSpawnEnemies>(BRINDLE_SITE, space->GetId());
}

void BossActionLogic::StartCharge()
{
  // A charge drawn while one runs adds an effect; the running charge keeps its time.
  charging = true;
  chargeSound.Play();
  GameObject* owner = GetGameObject();
  if (const Transform* transform = owner != nullptr ? owner->GetTransform() : nullptr)
    SpawnAt("BossBallCharging", owner->GetSpace(), transform->GetWorldPosition() + BallOffset, "DeathBallCharge");
  if (movement != nullptr)
    movement->SetCharging(true);
}

void BossActionLogic::DeathBallShot()
{
  GameObject* owner = GetGameObject();
  Transform* transform = owner != nullptr ? owner->GetTransform() : nullptr;
  if (transform == nullptr)
    return;
  const Handle<GameObject> ball =
      SpawnAt("BossBall", owner->GetSpace(), transform->GetWorldPosition() + BallOffset, "DeathBall");
  if (Rigidbody* body = ball ? ball->GetComponent<Rigidbody>() : nullptr)
    body->SetVelocity(transform->GetWorldDown() * deathBallVelocity);
}

GameObject* BossActionLogic::Throw(glm::vec2 target, const char* prefabToMake)
{
  GameObject* owner = GetGameObject();
  Transform* transform = owner != nullptr ? owner->GetTransform() : nullptr;
  if (transform == nullptr)
    return nullptr;
  const glm::vec2 direction = DirectionTo(transform->GetPosition(), target);
  const Handle<GameObject> thrown = SpawnAt(ThrownPrefab, owner->GetSpace(), transform->GetWorldPosition(), "ThrownItem");
  GameObject* made = thrown.Get();
  if (made == nullptr)
    return nullptr;
  if (ThrownObject* flight = made->GetComponent<ThrownObject>())
  {
    flight->SetTarget(target.x, target.y);
    flight->SetPrefab(prefabToMake);
  }
  if (Rigidbody* body = made->GetComponent<Rigidbody>())
    body->SetVelocity(body->velocity + direction * ThrowForce * body->invMass * ThrowStep);
  return made;
}

void BossActionLogic::ThrowTurret()
{
  if (const Space* space = GetSpace(); space != nullptr && CountLiving(*space, {TurretPrefab, ThrownPrefab}) >= MaxTurrets)
    return;
  throwSound.Play();
  const float a = RandomUnit() * 0.5f;
  const float b = RandomUnit() * 0.5f;
  const glm::vec2& p0 = throwCorners[0];
  const glm::vec2& p1 = throwCorners[1];
  const glm::vec2& p2 = throwCorners[2];
  Throw(p1 + a * (p0 - p1) + b * (p2 - p1), TurretPrefab);
}

void BossActionLogic::ThrowHat()
{
  // With no player there is no one to throw at.
  const Handle<GameObject> player = Registry::FirstOf(RegistryType::PLAYERS);
  if (!player.IsValid() || player->GetTransform() == nullptr)
    return;
  if (GameObject* hat = Throw(player->GetTransform()->GetPosition(), ""))
    if (Sprite* sprite = hat->GetComponent<Sprite>())
      sprite->SetSource("boss_death_hat");
}

void BossActionLogic::On(DepressurizationEvent*)
{
  GameObject* owner = GetGameObject();
  if (dead || owner == nullptr)
    return;
  deathSound.Play();
  if (movement != nullptr)
    movement->Stop();
  dead = true;
  if (Collider* collider = GetCollider(owner))
    collider->ghost = true;
  Queue<DiedEvent>(BRINDLE_SITE, owner->GetId());
  ThrowHat();
}

void BossActionLogic::UpdateDead(float dt)
{
  GameObject* owner = GetGameObject();
  if (Sprite* sprite = owner->GetSprite(); sprite != nullptr && sprite->GetSource() != "boss_death")
    sprite->SetSource("boss_death");
  deathTimer -= dt;
  if (!twinkleSpawned && deathTimer < TwinkleTime)
  {
    dingSound.Play();
    if (const Transform* transform = owner->GetTransform())
      SpawnAt("BossTwinkle", owner->GetSpace(), transform->GetWorldPosition(), "BossTwinkle");
    twinkleSpawned = true;
  }
  if (deathTimer < 0.0f && !winSent)
  {
    winSent = true;
    if (Space* space = GetSpace())
      SendNow<BossWinEvent>(BRINDLE_SITE, space->GetId());
  }
}
