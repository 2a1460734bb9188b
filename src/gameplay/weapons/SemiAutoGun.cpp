#include "gameplay/weapons/SemiAutoGun.h"

#include "core/Send.h"
#include "gameplay/items/ItemEvents.h"
#include "gameplay/weapons/Ammo.h"
#include "gameplay/weapons/WeaponEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"

#include <algorithm>

void SemiAutoGun::GetMembers(std::vector<MemberBase*>& members)
{
  Gun::GetMembers(members);
  Members::AddMember(members, "recievedUsedEvent", &recievedUsedEvent, RenderBool, false, false);
  Members::AddMember(members, "triggerDown", &triggerDown, RenderBool, false, false);
}

void SemiAutoGun::On(UpdateEvent* event)
{
  triggerDown = recievedUsedEvent;
  recievedUsedEvent = false;
  Update(event->dt);
}

void SemiAutoGun::NoteUse(const UseEvent& event)
{
  recievedUsedEvent = true;
  if (event.rearmFlag)
    triggerDown = false;
}

void SemiAutoGun::On(UseEvent* event)
{
  NoteUse(*event);
  if (CanShoot())
  {
    triggerDown = true;
    Shoot();
  }
}

bool SemiAutoGun::CanShoot() const
{
  return Gun::CanShoot() && !triggerDown;
}

void SemiAutoGun::UseInterruptingReload(const UseEvent& event)
{
  NoteUse(event);
  if (reloading && magAmmo > Epsilon)
    StopReload();
  if (!CanShoot())
    return;
  RumbleForPlayer();
  triggerDown = true;
  Shoot();
}

void SemiAutoGun::ReloadOneRound()
{
  const Handle<GameObject> holder = GetHolder();
  Ammo* reserve = holder ? holder->GetComponent<Ammo>() : nullptr;
  if (reserve == nullptr)
    return;
  if (reserve->IsInfinite(ammoType))
  {
    magAmmo = std::min(magAmmo + 1.0f, magCapacity);
    reloadSound.Play();
  }
  else if (reserve->GetAmmo(ammoType) > 0.0f)
  {
    reserve->SetAmmo(ammoType, std::max(reserve->GetAmmo(ammoType) - 1.0f, 0.0f));
    magAmmo = std::min(magAmmo + 1.0f, magCapacity);
    reloadSound.Play();
  }
  else
  {
    // Nothing left to load. The rounds loaded by the earlier steps stay in the magazine (they used
    // to be thrown away with the empty reserve's count).
    reserve->SetAmmo(ammoType, 0.0f);
    StopReload();
    return;
  }
  if (magCapacity - magAmmo < Epsilon || magAmmo < Epsilon)
    StopReload();
  else
    reloadCountdown = reloadTime;
}

void SemiAutoGun::StopReload()
{
  if (const Handle<GameObject> holder = GetHolder())
    Queue<ReloadEnd>(BRINDLE_SITE, holder->GetId());
  reloading = false;
  reloadCountdown = 0.0f;
}
