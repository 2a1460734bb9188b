#include "gameplay/boss/BossSpawner.h"

#include "gameplay/boss/BossEvents.h"
#include "gameplay/boss/CountLiving.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/MemberData.h"
#include "object/MemberList.h"
#include "object/Members.h"
#include "object/Space.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "platform/Random.h"
#include "render/Sprite.h"

#include <algorithm>

BossSpawner::BossSpawner() : Component(TypeId)
{
  teleportSound.SetEvent(TeleportSoundPath);
}

BossSpawner::~BossSpawner()
{
  teleportSound.StopAndClear();
}

void BossSpawner::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "enemiesToSpawn", &enemiesToSpawn, RenderInt, 0);
  Members::AddMember(members, "animated", &animated, RenderBool, false);
}

void BossSpawner::OnAwake()
{
  SubscribeOnSpace<BossSpawnEnemies>(this);
  SubscribeOnSpace<UpdateEvent>(this);
}

void BossSpawner::On(BossSpawnEnemies*)
{
  if (Sprite* sprite = GetGameObject() != nullptr ? GetGameObject()->GetSprite() : nullptr)
  {
    sprite->SetAnimated(true);
    sprite->SetDraw(true);
  }
  ++enemiesToSpawn;
  animated = true;
}

int BossSpawner::LiveReinforcements(const Space& space)
{
  static const std::vector<std::string_view> counted = {Prefabs[0], Prefabs[1], Prefabs[2], Prefabs[3], DronePrefab};
  return CountLiving(space, counted, &BossSpawner::CountsFor);
}

int BossSpawner::CountsFor(const GameObject& reinforcement)
{
  // The carrier lives with the adversaries, above this folder: its count is read from its data.
  Component* carrier = reinforcement.GetComponentById(COMP_DroneCarrierController);
  if (carrier == nullptr)
    return 1;
  const MemberList members(*carrier);
  const auto* drones = dynamic_cast<const MemberData<std::uint32_t>*>(members[CarrierDronesMember]);
  if (drones == nullptr)
    return 1;
  // One that bursts into nothing still stands as one; the ceiling keeps the room's sum from
  // overflowing whatever its data says.
  constexpr std::uint32_t MostCounted = 1u << 16;
  return static_cast<int>(std::clamp(*drones->GetField(), 1u, MostCounted));
}

void BossSpawner::On(UpdateEvent* event)
{
  GameObject* pad = GetGameObject();
  if (pad == nullptr)
    return;
  KeepSupply(*pad, event->dt);
  Sprite* sprite = pad->GetSprite();
  if (!animated || sprite == nullptr)
    return;
  if (enemiesToSpawn != 0 && sprite->GetFrame() == ReleaseFrame && pad->GetSpace() != nullptr &&
      LiveReinforcements(*pad->GetSpace()) < MaxReinforcements)
  {
    const auto choice = static_cast<std::size_t>(Random() % static_cast<int>(Prefabs.size()));
    teleportSound.Play();
    // An enemy that cannot be made is reported once and still counts as released.
    if (const Transform* transform = pad->GetTransform())
      SpawnAt(Prefabs[choice], pad->GetSpace(), transform->GetWorldPosition());
    --enemiesToSpawn;
  }
  if (sprite->GetFrame() == LastFrame)
  {
    sprite->SetAnimated(false);
    sprite->SetFrame(0);
    sprite->SetDraw(false);
    animated = false;
  }
}

void BossSpawner::KeepSupply(GameObject& pad, float dt)
{
  if (supply.IsValid())
    return;
  supplyDelay -= dt;
  if (supplyDelay > 0.0f || pad.GetTransform() == nullptr)
    return;
  supplyDelay = SupplyDelay;
  supply = SpawnAt(SupplyPrefab, pad.GetSpace(), pad.GetTransform()->GetWorldPosition(), SupplyName);
}
