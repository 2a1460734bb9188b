#include "gameplay/weapons/BeamGun.h"

#include "gameplay/combat/Health.h"
#include "gameplay/items/ItemEvents.h"
#include "gameplay/weapons/MuzzleFlash.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Removal.h"
#include "object/Space.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/PhysicsModule.h"
#include "render/ParticleFunctions.h"
#include "render/ParticleSystem.h"
#include "render/PointLight.h"

#include <cmath>
#include <glm/geometric.hpp>
#include <vector>

namespace
{
PointLight* LightOf(const Handle<GameObject>& object)
{
  return object ? object->GetComponent<PointLight>() : nullptr;
}
}  // namespace

void BeamGun::OnAwake()
{
  Gun::OnAwake();
  GameObject* object = GetGameObject();
  beamParticles = object != nullptr ? object->GetComponent<ParticleSystem>() : nullptr;
  if (beamParticles != nullptr)
    beamParticles->SetSpawnFunction(&RingSpawn);
  beamLightObject = MakeLight("lazer");
  if (PointLight* light = LightOf(beamLightObject))
  {
    light->color = beamColor;
    light->scale.y = 1.5f;
  }
  backLightObject = MakeLight("backLight");
  if (PointLight* light = LightOf(backLightObject))
  {
    light->color = backLightColor;
    light->scale = glm::vec2(1.0f, 4.0f);
    light->c2 = 0.0f;
    light->c3 = 0.5f;
  }
}

Handle<GameObject> BeamGun::MakeLight(const char* name)
{
  Handle<GameObject> light = SpawnAt(LightPrefab, GetSpace(), {0.0f, 0.0f}, name);
  if (PointLight* point = LightOf(light))
  {
    point->on = false;
    point->type = 1;
  }
  return light;
}

void BeamGun::OnDestroy()
{
  SwitchLights(false);
  fireSound.Stop();
  // The lights are the gun's own; left behind they would pile up with every beam gun that goes.
  QueueRemoval(beamLightObject);
  QueueRemoval(backLightObject);
}

void BeamGun::GetMembers(std::vector<MemberBase*>& members)
{
  Gun::GetMembers(members);
  Members::AddMember(members, "maxRange", &maxRange, RenderFloat, 3000.0f);
  Members::AddMember(members, "damagePerSecond", &damagePerSecond, RenderFloat, 50.0f);
  Members::AddMember(members, "ammoPerSecond", &ammoPerSecond, RenderFloat, 20.0f);
  Members::AddMember(members, "minParticleAge", &minParticleAge, RenderFloat, 0.3f);
  Members::AddMember(members, "maxParticleAge", &maxParticleAge, RenderFloat, 0.3f);
  Members::AddMember(members, "spawnPerSecPerDist", &spawnPerSecPerDist, RenderFloat, 50.0f);
}

void BeamGun::On(UseEvent*)
{
  if (!CanShoot())
    return;
  RumbleForPlayer();
  FireBeam();
  firing = true;
  firedThisFrame = true;
}

void BeamGun::FireBeam()
{
  CastBeam();
  ShakeCamera();
  if (!firing && !firedThisFrame)
    fireSound.Start();
  magAmmo -= lastFrameTime * ammoPerSecond;
  // What is left below a firable share is spent: the magazine is empty, and an empty one reloads.
  if (!(magAmmo > Epsilon))
    magAmmo = 0.0f;
  if (MuzzleFlash* flash = muzzleFlashObject ? muzzleFlashObject->GetComponent<MuzzleFlash>() : nullptr)
    flash->Flash();
}

void BeamGun::CastBeam()
{
  GameObject* object = GetGameObject();
  Space* space = GetSpace();
  Transform* transform = object != nullptr ? object->GetTransform() : nullptr;
  if (transform == nullptr || space == nullptr)
    return;
  const glm::vec2 muzzle = MuzzlePoint();
  const glm::vec2 axis = transform->GetWorldXAxis();
  const float axisLength = glm::length(axis);
  if (!(axisLength > 0.0f))
    return;
  const glm::vec2 direction = axis / axisLength;
  const CollisionGroup group =
      GetHolderTeam() == TeamEnum::PLAYER ? CollisionGroup::PLAYER_LASER : CollisionGroup::ENEMY_LASER;
  // The ray leaves from the muzzle, where the beam is drawn. (It used to leave 64 units below it,
  // with the impacts drawn 64 units above the hits: with bodies whose colliders sit on their
  // pictures, the beam then missed what it was drawn through.)
  // A beam stopped on its way to the muzzle (by the wall its holder stands against) goes no further:
  // it is drawn no longer than to the muzzle and hurts only what it met there.
  std::vector<RayCastResult> hits;
  float blockedAt = 0.0f;
  bool blocked = StoppedBeforeMuzzle(group, blockingGroup, hits);
  if (PhysicsModule* physics = PhysicsModule::Of(space); physics != nullptr && !blocked)
    physics->RayCastAll(muzzle, direction, maxRange, static_cast<std::uint32_t>(group), true, hits, blockedAt, blocked,
                        static_cast<std::uint32_t>(blockingGroup));
  if (beamParticles != nullptr)
  {
    const glm::vec2 gunPosition = transform->GetWorldPosition();
    const float muzzleDistance = glm::length(muzzle - gunPosition);
    const float length = blocked ? muzzleDistance + blockedAt : maxRange;
    const float angle = std::atan2(-direction.y, direction.x);
    beamParticles->ageMax = maxParticleAge;
    beamParticles->ageMin = minParticleAge;
    beamParticles->spawnRandos = glm::vec4(angle, angle, muzzleDistance, length);
    beamParticles->spawnRate = spawnPerSecPerDist * length;
    const glm::vec2 middle = muzzle + direction * (length / 2.0f);
    if (Transform* light = beamLightObject ? beamLightObject->GetTransform() : nullptr)
      light->SetWorldPosition(middle.x, middle.y);
    if (Transform* light = backLightObject ? backLightObject->GetTransform() : nullptr)
      light->SetWorldPosition(gunPosition.x, gunPosition.y);
    const float turn = std::atan2(direction.y, direction.x);
    for (PointLight* light : {LightOf(beamLightObject), LightOf(backLightObject)})
    {
      if (light != nullptr)
        light->angle = turn;
    }
    if (PointLight* light = LightOf(beamLightObject))
      light->scale.x = length * 0.015625f;
    SwitchLights(true);
  }
  for (const RayCastResult& hit : hits)
  {
    SpawnAt(ImpactPrefab, space, hit.point);
    if (Health* health = hit.object ? hit.object->GetComponent<Health>() : nullptr)
      health->AddHealth(-damagePerSecond * lastFrameTime);
  }
}

void BeamGun::On(UpdateEvent* event)
{
  Update(event->dt);
  lastFrameTime = event->dt;
  if (beamParticles != nullptr)
  {
    beamParticles->ageMax = 0.0f;
    beamParticles->ageMin = 0.0f;
  }
  if (firedThisFrame)
  {
    firedThisFrame = false;
    return;
  }
  if (firing)
  {
    fireSound.Stop();
    firing = false;
    SwitchLights(false);
  }
}

void BeamGun::SwitchLights(bool on)
{
  for (PointLight* light : {LightOf(beamLightObject), LightOf(backLightObject)})
  {
    if (light != nullptr)
      light->on = on;
  }
}

void BeamGun::StartReloading()
{
  const bool wasReloading = reloading;
  Gun::StartReloading();
  if (!wasReloading && reloading)
    reloadSound.Play();
}
