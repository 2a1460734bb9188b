#include "gameplay/weapons/Shotgun.h"

#include "core/Log.h"
#include "gameplay/combat/TeamEnum.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "platform/Random.h"

#include <algorithm>

void Shotgun::OnAwake()
{
  SemiAutoGun::OnAwake();
  if (projectilesPerShot > MostPellets)
  {
    const std::string prefab = GetGameObject() != nullptr ? GetGameObject()->GetPrefabName() : std::string();
    LogOnce("Shotgun pellets " + prefab, LogLevel::Error, "Shotgun of \"", prefab, "\" cannot fire ",
            projectilesPerShot, " pellets at once; it fires ", MostPellets, ".");
    projectilesPerShot = MostPellets;
  }
}

void Shotgun::GetMembers(std::vector<MemberBase*>& members)
{
  SemiAutoGun::GetMembers(members);
  Members::AddMember(members, "projectilesPerShot", &projectilesPerShot, RenderUnsigned, 10u);
  Members::AddMember(members, "velocityRange", &velocityRange, RenderFloat, 200.0f);
  Members::AddMember(members, "reloadSoundsPlayed", &reloadSoundsPlayed, RenderUnsigned, 0u);
  Members::AddMember(members, "pumpSound", &pumpSound.GetEvent(), RenderSoundPath, std::string(Sound::DefaultPath));
  Members::AddMember(members, "pumpDelay", &pumpDelay, RenderFloat, 0.2f);
  Members::AddMember(members, "pumpCountdown", &pumpCountdown, RenderFloat, 0.0f);
}

void Shotgun::On(UpdateEvent* event)
{
  SemiAutoGun::On(event);
  if (pumpCountdown <= 0.0f)
    return;
  pumpCountdown -= event->dt;
  if (pumpCountdown < 0.0f && GetHolderTeam() == TeamEnum::PLAYER)
    pumpSound.Play();
}

void Shotgun::Shoot()
{
  fireCountdown = fireCooldown;
  const glm::vec2 aimed = MuzzleVelocity();
  for (unsigned pellet = 0; pellet < projectilesPerShot; ++pellet)
  {
    glm::vec2 shot = aimed;
    // One draw jitters both components alike.
    const float jitter = RandomUnit() * velocityRange - velocityRange / 2.0f;
    shot += glm::vec2(jitter, jitter);
    ApplySpread(shot);
    if (!MakeProjectile(shot))
      return;
  }
  ShakeCamera();
  fireSound.Play();
  SpendShot();
  if (magAmmo > 0.0f)
    pumpCountdown = pumpDelay;
}

void Shotgun::StopReload()
{
  SemiAutoGun::StopReload();
  pumpCountdown = pumpDelay;
}
