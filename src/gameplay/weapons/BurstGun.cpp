#include "gameplay/weapons/BurstGun.h"

#include "core/Log.h"
#include "gameplay/items/ItemEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"

void BurstGun::GetMembers(std::vector<MemberBase*>& members)
{
  SemiAutoGun::GetMembers(members);
  Members::AddMember(members, "shotsPerBurst", &shotsPerBurst, RenderUnsigned, 3u);
  Members::AddMember(members, "timeBetweenBurstShots", &timeBetweenBurstShots, RenderFloat, 0.01f);
  Members::AddMember(members, "burstBulletCounter", &burstBulletCounter, RenderInt, 0);
  Members::AddMember(members, "burstTimer", &burstTimer, RenderFloat, 0.0f);
}

void BurstGun::On(UseEvent* event)
{
  if (!(fireCooldown > static_cast<float>(burstBulletCounter) * timeBetweenBurstShots))
  {
    // Said once per prefab: the holder uses the gun every frame, and the tuning stays playable.
    const std::string prefab = GetGameObject() != nullptr ? GetGameObject()->GetPrefabName() : std::string();
    if (FirstTimeFor("BurstGun cooldown " + prefab))
      LogLine("Warning: burst gun has fire cooldown less than time to complete burst, it will start firing "
              "subsequent bursts before one is finished. fireCooldown should be greater than "
              "timeBetweenBurstShots * burstBulletCounter (\"",
              prefab, "\")");
  }
  NoteUse(*event);
  if (!CanShoot())
    return;
  triggerDown = true;
  burstBulletCounter = shotsPerBurst > 0 ? static_cast<int>(shotsPerBurst) - 1 : 0;
  Shoot();
  burstTimer = timeBetweenBurstShots;
}

void BurstGun::On(UpdateEvent* event)
{
  SemiAutoGun::On(event);
  if (burstTimer > 0.0f)
    burstTimer -= event->dt;
  if (burstTimer <= 0.0f && burstBulletCounter >= 1)
  {
    --burstBulletCounter;
    Shoot();
    burstTimer = timeBetweenBurstShots;
  }
}

bool BurstGun::CanShoot() const
{
  return SemiAutoGun::CanShoot() && burstBulletCounter == 0 && burstTimer <= 0.0f;
}
