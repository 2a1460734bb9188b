#include "gameplay/combat/Health.h"

#include "core/Send.h"
#include "gameplay/boss/BossEvents.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/combat/Damage.h"
#include "gameplay/combat/GodMode.h"
#include "gameplay/combat/Team.h"
#include "input/Input.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Members.h"
#include "object/Registry.h"
#include "object/Space.h"
#include "object/SpaceDirectory.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"
#include "render/CameraEvents.h"

#include <algorithm>

void Health::OnAwake()
{
  SubscribeOnOwner<CollisionEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnSpace<BossDiedEvent>(this);
  SubscribeOnSpace<PostUpdateEvent>(this);

  const Team* team = GetGameObject() != nullptr ? GetGameObject()->GetComponent<Team>() : nullptr;
  if (team != nullptr && team->GetTeam() == TeamEnum::PLAYER)
  {
    CreateHealthIndicator();
    isPlayer = true;
  }
  if (team != nullptr && !invulnerable && IsGodModeOn())
  {
    if (team->GetTeam() == TeamEnum::PLAYER)
      invulnerable = true;
    else
      oneHit = true;
  }
  if (regens)
    regenPerSecond = maxHitpoints / 10.0f;
  AnnounceChange(hitpoints);
}

void Health::OnDestroy()
{
  if (TeamOf(GetGameObject()) != TeamEnum::PLAYER)
    return;
  SpaceDirectory* directory = SpaceDirectory::Instance();
  if (Space* space = directory != nullptr ? directory->GetSpace(IndicatorSpaceName) : nullptr)
    space->MarkForRemoval();
  indicatorSpace = nullptr;
}

void Health::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "hitpoints", &hitpoints, RenderFloat, 100.0f);
  Members::AddMember(members, "max hitpoints", &maxHitpoints, RenderFloat, 100.0f);
  Members::AddMember(members, "sound hurt", &soundHurt.GetEvent(), RenderSoundPath, std::string(Sound::DefaultPath));
  Members::AddMember(members, "sound death", &soundDeath.GetEvent(), RenderSoundPath, std::string(Sound::DefaultPath));
  Members::AddMember(members, "healthIndicatorCameraPrefab", &healthIndicatorCameraPrefab, RenderPrefabName,
                     std::string());
  Members::AddMember(members, "regens", &regens, RenderBool, true);
  Members::AddMember(members, "boss", &boss, RenderBool, false);
  Members::AddMember(members, "regenPerSecond", &regenPerSecond, RenderFloat, 2.0f);
  Members::AddMember(members, "regenDelay", &regenDelay, RenderFloat, 3.0f);
  Members::AddMember(members, "regenDelayTimer", &regenDelayTimer, RenderFloat, 0.0f);
}

void Health::MembersChanged()
{
  if (GetGameObject() != nullptr)
    AnnounceChange(hitpoints);
}

void Health::AnnounceChange(float previous)
{
  if (GameObject* object = GetGameObject())
    Queue<HealthChangedEvent>(BRINDLE_SITE, object->GetId(), hitpoints, maxHitpoints, previous);
}

void Health::SetHealth(float value)
{
  if (deathAnnounced || (invulnerable && value < hitpoints))
    return;
  const float previous = hitpoints;
  hitpoints = std::min(value, maxHitpoints);
  AnnounceChange(previous);
}

void Health::AddHealth(float amount)
{
  if (deathAnnounced)
    return;
  if (amount < 0.0f)
  {
    if (invulnerable)
      return;
    if (oneHit)
      SetHealth(-1.0f);
  }
  const float previous = hitpoints;
  hitpoints = std::min(std::max(hitpoints + amount, 0.0f), maxHitpoints);
  AnnounceChange(previous);
}

void Health::TakeDamage(float amount)
{
  // A NaN hit is no hit: it would leave hitpoints that are never zero or below.
  if (!(amount >= 0.0f) || invulnerable || deathAnnounced)
    return;
  SetHealth(hitpoints - amount);
  soundHurt.Play();
  regenDelayTimer = regenDelay;
  if (oneHit)
    SetHealth(-1.0f);
  if (isPlayer)
  {
    if (Input* input = Input::Instance())
      input->Rumble(0, 1.0f, 0.5f);
  }
}

void Health::On(CollisionEvent* event)
{
  if (ignoreCollisions)
    return;
  if (event->otherGroup == static_cast<std::uint32_t>(CollisionGroup::ENEMY_PROJECTILE))
  {
    if (Space* space = GetSpace())
      Queue<ShakeEvent>(BRINDLE_SITE, space->GetId(), 0.1f);
  }
  const GameObject* other = event->other.Get();
  const Damage* damage = other != nullptr ? other->GetComponent<Damage>() : nullptr;
  if (damage == nullptr || invulnerable)
    return;
  if (std::find(struckBy.begin(), struckBy.end(), other->GetId()) != struckBy.end())
    return;
  struckBy.push_back(other->GetId());
  if (boss)
    soundHurt.Play();
  else
    TakeDamage(damage->GetDamage());
}

void Health::On(UpdateEvent* event)
{
  if (hitpoints <= 0.0f && !boss && !deathAnnounced)
  {
    if (GameObject* object = GetGameObject())
      Queue<DiedEvent>(BRINDLE_SITE, object->GetId());
    soundDeath.Play();
    hitpoints = DeadHitpoints;
    deathAnnounced = true;
    return;
  }
  if (regens && hitpoints > 0.0f && hitpoints < maxHitpoints && regenDelayTimer > 0.0f)
    regenDelayTimer -= event->dt;
}

void Health::On(PostUpdateEvent*)
{
  struckBy.clear();
}

void Health::On(BossDiedEvent*)
{
  invulnerable = true;
}

void Health::CreateHealthIndicator()
{
  // Without a camera prefab there is nothing to show the indicator through, so no space is made.
  SpaceDirectory* directory = SpaceDirectory::Instance();
  GameobjectFactory* factory = GameobjectFactory::Instance();
  if (healthIndicatorCameraPrefab.empty() || directory == nullptr || factory == nullptr)
    return;
  indicatorSpace = directory->GetSpace(IndicatorSpaceName, "emptylevel");
  if (indicatorSpace == nullptr)
    return;
  Handle<GameObject> camera;
  factory->CreateGameObject(camera, healthIndicatorCameraPrefab, indicatorSpace, "health indicator camera");
  ConnectHealthIndicators();
}

void Health::ConnectHealthIndicators()
{
  Registry* registry = Registry::Instance();
  EventManager* manager = EventManager::Instance();
  GameObject* object = GetGameObject();
  if (registry == nullptr || manager == nullptr || object == nullptr)
    return;
  for (const Handle<GameObject>& indicatorObject : registry->GetObjects(RegistryType::HEALTH_INDICATOR))
  {
    Component* indicator = indicatorObject ? indicatorObject->GetComponent("HealthIndicator") : nullptr;
    auto* receiver = dynamic_cast<HealthChangeReceiver*>(indicator);
    if (receiver == nullptr)
      continue;
    manager->AddSubscription(HealthChangedEvent::TypeId, object->GetId(),
                             MemoryManager::New<TemplatedSubscription<HealthChangedEvent>>(
                                 BRINDLE_SITE, indicator, [receiver](HealthChangedEvent* event) { receiver->On(event); }));
  }
}
