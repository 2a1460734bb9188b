#include "gameplay/weapons/Gun.h"

#include "core/Log.h"
#include "core/Send.h"
#include "gameplay/combat/Damage.h"
#include "gameplay/combat/Team.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/items/ItemEvents.h"
#include "gameplay/specials/SpecialCooldown.h"
#include "gameplay/weapons/Ammo.h"
#include "gameplay/weapons/MuzzleFlash.h"
#include "gameplay/weapons/RocketLogic.h"
#include "gameplay/weapons/WeaponEvents.h"
#include "input/Input.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Members.h"
#include "object/Removal.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/Collider.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsModule.h"
#include "physics/Rigidbody.h"
#include "platform/Random.h"
#include "render/CameraEvents.h"
#include "render/Sprite.h"

#include <algorithm>
#include <cmath>
#include <glm/geometric.hpp>
#include <glm/mat3x3.hpp>
#include <glm/vec3.hpp>

namespace
{
constexpr float DegreesToRadians = 3.14159265358979f / 180.0f;

// The HUD object beside which the reload bar of the gun in that slot is drawn.
const char* HudItemName(std::uint32_t slot)
{
  return slot == 0 ? "PrimaryItem" : slot == 1 ? "SecondaryItem" : nullptr;
}
}  // namespace

void Gun::OnAwake()
{
  RefuseUnusableData();
  SubscribeOnOwner<UseEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnOwner<DequipEvent>(this);
  SubscribeOnOwner<MuzzleFlashSpawnedEvent>(this);
}

void Gun::RefuseUnusableData()
{
  const Gun defaults;
  std::string refused;
  const auto refuse = [&refused](const char* name, float& value, float fallback, bool usable) {
    if (usable)
      return;
    refused += std::string(refused.empty() ? "" : ", ") + "\"" + name + "\" " + std::to_string(value);
    value = fallback;
  };
  refuse("magCapacity", magCapacity, defaults.magCapacity, magCapacity > 0.0f && std::isfinite(magCapacity));
  refuse("magAmmo", magAmmo, magCapacity, magAmmo >= 0.0f && std::isfinite(magAmmo));
  refuse("fireCooldown", fireCooldown, defaults.fireCooldown, fireCooldown >= 0.0f && std::isfinite(fireCooldown));
  refuse("reloadTime", reloadTime, defaults.reloadTime, reloadTime >= 0.0f && std::isfinite(reloadTime));
  refuse("damage", damage, defaults.damage, damage >= 0.0f && std::isfinite(damage));
  refuse("velocity", velocity, defaults.velocity, std::isfinite(velocity));
  refuse("spread", spread, defaults.spread, spread >= 0.0f && std::isfinite(spread));
  refuse("ammoPerShot", ammoPerShot, defaults.ammoPerShot, ammoPerShot >= 0.0f && std::isfinite(ammoPerShot));
  if (!std::isfinite(reloadCountdown))
    reloadCountdown = reloadTime;
  if (!std::isfinite(fireCountdown))
    fireCountdown = 0.0f;
  const std::string prefab = GetGameObject() != nullptr ? GetGameObject()->GetPrefabName() : std::string();
  if (!refused.empty())
    LogOnce(GetTypeName() + " " + prefab + refused, LogLevel::Error, GetTypeName(), " of \"", prefab, "\" cannot use ",
            refused, "; the defaults are used instead.");
}

void Gun::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "ammoType", &ammoType, RenderAmmoType, AmmoType::BULLET);
  Members::AddMember(members, "reloadTime", &reloadTime, RenderFloat, 0.5f);
  Members::AddMember(members, "fireCooldown", &fireCooldown, RenderFloat, 0.05f);
  Members::AddMember(members, "damage", &damage, RenderFloat, 1.0f);
  Members::AddMember(members, "spread", &spread, RenderFloat, 0.0f);
  Members::AddMember(members, "magCapacity", &magCapacity, RenderFloat, 50.0f);
  Members::AddMember(members, "magAmmo", &magAmmo, RenderFloat, 50.0f);
  Members::AddMember(members, "ammoPerShot", &ammoPerShot, RenderFloat, 1.0f);
  Members::AddMember(members, "velocity", &velocity, RenderFloat, 1000.0f);
  Members::AddMember(members, "firePos", &firePos, RenderVec2, glm::vec2(0.0f, 0.0f));
  Members::AddMember(members, "shakeIntensity", &shakeIntensity, RenderFloat, 0.0f);
  Members::AddMember(members, "projectilePrefab", &projectilePrefab, RenderPrefabName, std::string("Bullet"));
  Members::AddMember(members, "fireSound", &fireSound.GetEvent(), RenderSoundPath, std::string(Sound::DefaultPath));
  Members::AddMember(members, "reloadSound", &reloadSound.GetEvent(), RenderSoundPath, std::string(Sound::DefaultPath));
  Members::AddMember(members, "fireCoolCountdown", &fireCountdown, RenderFloat, 0.0f, false);
  Members::AddMember(members, "reloadCooldown", &reloadCountdown, RenderFloat, 0.5f);
  Members::AddMember(members, "reloading", &reloading, RenderBool, false);
}

void Gun::On(UseEvent*)
{
  if (CanShoot())
    Shoot();
}

void Gun::On(UpdateEvent* event)
{
  Update(event->dt);
}

void Gun::On(DequipEvent*)
{
  CancelReload();
}

void Gun::On(MuzzleFlashSpawnedEvent* event)
{
  muzzleFlashObject = event->flash;
}

void Gun::Update(float dt)
{
  GameObject* object = GetGameObject();
  if (object == nullptr || object->GetTransform() == nullptr || object->GetTransform()->GetParent() == nullptr)
    reloading = false;
  SortWithHolder(object);
  UpdateTimers(dt);
  if (fireCountdown > 0.0f)
    fireCountdown -= dt;
}

void Gun::UpdateTimers(float dt)
{
  if (reloadCountdown > 0.0f)
    reloadCountdown -= dt;
  if (reloading)
  {
    // Done when the countdown has run out, landing on exactly 0 included: waiting for it to
    // drop below 0 left a gun with a reload time of 0 reloading for ever.
    if (reloadCountdown <= 0.0f)
      Reload();
    return;
  }
  if (magAmmo == 0.0f)
    StartReloading();
}

bool Gun::CanShoot() const
{
  return fireCountdown <= 0.0f && magAmmo > Epsilon && !reloading;
}

glm::vec2 Gun::MuzzleVelocity() const
{
  GameObject* object = GetGameObject();
  const Transform* transform = object != nullptr ? object->GetTransform() : nullptr;
  return transform != nullptr ? transform->GetWorldXAxis() * velocity : glm::vec2(velocity, 0.0f);
}

glm::vec2 Gun::MuzzlePoint() const
{
  GameObject* object = GetGameObject();
  const Transform* transform = object != nullptr ? object->GetTransform() : nullptr;
  if (transform == nullptr)
    return firePos;
  const glm::vec3 muzzle = transform->GetWorldMatrix() * glm::vec3(firePos, 1.0f);
  return {muzzle.x, muzzle.y};
}

bool Gun::StoppedBeforeMuzzle(CollisionGroup group, CollisionGroup stoppedBy, std::vector<RayCastResult>& hits) const
{
  hits.clear();
  GameObject* object = GetGameObject();
  const Transform* transform = object != nullptr ? object->GetTransform() : nullptr;
  PhysicsModule* physics = PhysicsModule::Of(GetSpace());
  if (transform == nullptr || physics == nullptr)
    return false;
  const glm::vec2 held = transform->GetWorldPosition();
  const glm::vec2 toMuzzle = MuzzlePoint() - held;
  const float reach = glm::length(toMuzzle);
  if (!(reach > 0.0f))
    return false;
  float stoppedAt = 0.0f;
  bool stopped = false;
  const Handle<GameObject> holder = GetHolder();
  physics->RayCastAll(held, toMuzzle / reach, reach, static_cast<std::uint32_t>(group), false, hits, stoppedAt,
                      stopped, static_cast<std::uint32_t>(stoppedBy), holder ? holder->GetId() : 0);
  return stopped;
}

void Gun::RumbleForPlayer() const
{
  if (GetHolderTeam() != TeamEnum::PLAYER)
    return;
  if (Input* input = Input::Instance())
    input->Rumble(0, 0.25f, 0.1f);
}

void Gun::Shoot()
{
  fireCountdown = fireCooldown;
  glm::vec2 shot = MuzzleVelocity();
  ApplySpread(shot);
  if (!MakeProjectile(shot))
    return;
  ShakeCamera();
  fireSound.Play();
  SpendShot();
}

Handle<GameObject> Gun::MakeProjectile(glm::vec2 shotVelocity, const std::string& name)
{
  Handle<GameObject> projectile;
  GameObject* object = GetGameObject();
  GameobjectFactory* factory = GameobjectFactory::Instance();
  Transform* transform = object != nullptr ? object->GetTransform() : nullptr;
  if (transform == nullptr || factory == nullptr)
    return projectile;
  // The factory would make a bare object of an unknown prefab; a gun with a broken recipe fires
  // nothing instead of stopping the game.
  if (!factory->HasPrefab(projectilePrefab))
  {
    LogOnce("Projectile " + projectilePrefab, LogLevel::Error, "Projectile not created, prefab is probably invalid. (\"",
            projectilePrefab, "\", the projectile of \"", object->GetPrefabName(), "\")");
    return projectile;
  }
  const CollisionGroup group =
      GetHolderTeam() == TeamEnum::PLAYER ? CollisionGroup::PROJECTILE : CollisionGroup::ENEMY_PROJECTILE;
  // Whatever the shot would touch between the holder and the muzzle stops it: it leaves from the
  // holder then, and meets that first.
  std::vector<RayCastResult> met;
  const glm::vec2 start = StoppedBeforeMuzzle(group, group, met) ? transform->GetWorldPosition() : MuzzlePoint();
  factory->CreateGameObjectAt(projectile, projectilePrefab, object->GetSpace(), start.x, start.y, name);
  GameObject* made = projectile.Get();
  if (made == nullptr)
    return projectile;
  if (Transform* madeTransform = made->GetTransform())
    madeTransform->SetWorldRotation(transform->GetWorldRotation());
  if (Rigidbody* body = made->GetComponent<Rigidbody>())
    body->SetVelocity(shotVelocity);
  SetProjectileDamage(made, damage);
  if (Collider* collider = GetCollider(made))
    collider->group = group;
  if (MuzzleFlash* flash = muzzleFlashObject ? muzzleFlashObject->GetComponent<MuzzleFlash>() : nullptr)
    flash->Flash();
  return projectile;
}

void Gun::SpendShot()
{
  magAmmo = ammoPerShot > magAmmo ? 0.0f : magAmmo - ammoPerShot;
}

void Gun::ApplySpread(glm::vec2& shot) const
{
  // Below one whole degree there is no deflection to draw (a bound of 0 has no remainder).
  if (!(spread >= 1.0f))
    return;
  const auto bound = static_cast<unsigned>(std::min(spread, 360.0f));
  const float turn = static_cast<float>(static_cast<unsigned>(Random()) % bound) * DegreesToRadians;
  const float angle = std::atan2(shot.y, shot.x) + turn;
  const float length = std::sqrt(shot.x * shot.x + shot.y * shot.y);
  shot = {std::cos(angle) * length, std::sin(angle) * length};
}

void Gun::SetProjectileDamage(GameObject* projectile, float value)
{
  if (projectile == nullptr)
    return;
  if (value != 0.0f)
  {
    if (Damage* projectileDamage = projectile->GetComponent<Damage>())
      projectileDamage->SetDamage(value);
  }
  if (RocketLogic* rocket = projectile->GetComponent<RocketLogic>())
    rocket->SetBlastDamage(value);
}

void Gun::ShakeCamera()
{
  if (GetHolderTeam() != TeamEnum::PLAYER)
    return;
  if (Space* space = GetSpace())
    Queue<ShakeEvent>(BRINDLE_SITE, space->GetId(), shakeIntensity);
}

void Gun::StartReloading()
{
  const Handle<GameObject> holder = GetHolder();
  if (!holder)
    return;
  Queue<ReloadStart>(BRINDLE_SITE, holder->GetId());
  if (reloading || !(magCapacity - magAmmo > Epsilon))
    return;
  const Ammo* reserve = holder->GetComponent<Ammo>();
  if (reserve == nullptr)
  {
    LogOnce("No Ammo " + holder->GetPrefabName(), LogLevel::Error,
            "Object holding gun does not have ammo component and is trying to reload. (\"", holder->GetPrefabName(),
            "\")");
    return;
  }
  if (reserve->IsInfinite(ammoType) || reserve->GetAmmo(ammoType) > Epsilon)
  {
    reloading = true;
    reloadCountdown = reloadTime;
    ShowReloadBar();
  }
}

void Gun::Reload()
{
  FillFromReserve(true);
}

bool Gun::FillFromReserve(bool withSound)
{
  const Handle<GameObject> holder = GetHolder();
  Ammo* reserve = holder ? holder->GetComponent<Ammo>() : nullptr;
  if (reserve == nullptr)
    return false;
  const float needed = magCapacity - magAmmo;
  const float available = reserve->GetAmmo(ammoType);
  if (reserve->IsInfinite(ammoType))
  {
    magAmmo = magCapacity;
    if (withSound)
      reloadSound.Play();
  }
  else if (available >= needed)
  {
    reserve->SetAmmo(ammoType, available - needed);
    magAmmo = magCapacity;
    if (withSound)
      reloadSound.Play();
  }
  else
  {
    reserve->SetAmmo(ammoType, 0.0f);
    magAmmo += available;
  }
  if (magCapacity - magAmmo < Epsilon || magAmmo < Epsilon || available < Epsilon)
  {
    Queue<ReloadEnd>(BRINDLE_SITE, holder->GetId());
    reloading = false;
    return true;
  }
  return false;
}

void Gun::CancelReload()
{
  QueueRemoval(reloadBar);
  reloadCountdown = 0.0f;
  reloading = false;
}

void Gun::ShowReloadBar()
{
  if (GetHolderTeam() != TeamEnum::PLAYER)
    return;
  const Handle<GameObject> holder = GetHolder();
  const Equipment* equipment = holder ? holder->GetComponent<Equipment>() : nullptr;
  const char* itemName = equipment != nullptr ? HudItemName(equipment->FindSlot(GetOwner())) : nullptr;
  if (itemName != nullptr)
    reloadBar = ShowCooldownBar("reload cooldown bar", itemName, 0.0f, reloadTime);
}

void Gun::SortWithHolder(GameObject* held)
{
  Sprite* picture = held != nullptr ? held->GetComponent<Sprite>() : nullptr;
  if (picture == nullptr)
    return;
  const Handle<GameObject> holder = held->GetParent();
  const Sprite* holderPicture = holder ? holder->GetComponent<Sprite>() : nullptr;
  picture->SetCarrierOrderOffset(holderPicture != nullptr ? holderPicture->GetSortOffset() : 0.0f);
}

Handle<GameObject> Gun::GetHolder() const
{
  GameObject* object = GetGameObject();
  return object != nullptr ? object->GetParent() : Handle<GameObject>();
}

TeamEnum Gun::GetHolderTeam() const
{
  return TeamOf(GetHolder().Get());
}

Gun* Gun::GetGunComponent(GameObject* object)
{
  if (object == nullptr)
    return nullptr;
  for (const char* name :
       {"Gun", "AutomaticGun", "BeamGun", "BossGun", "BurstGun", "SemiAutoGun", "Shotgun", "RocketLauncher"})
  {
    if (auto* gun = dynamic_cast<Gun*>(object->GetComponent(name)))
      return gun;
  }
  return nullptr;
}
