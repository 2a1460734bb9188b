#include "gameplay/weapons/AmmoPickup.h"

#include "gameplay/items/Equipment.h"
#include "gameplay/weapons/Ammo.h"
#include "gameplay/weapons/Gun.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Removal.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/PhysicsEvents.h"
#include "render/TextToSprite.h"

#include <algorithm>
#include <string>
#include <vector>

void AmmoPickup::OnAwake()
{
  SubscribeOnOwner<CollisionEvent>(this);
  LetSpaceDestroyOwner();
}

void AmmoPickup::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "ammo", &ammo, RenderFloat, 50.0f);
  Members::AddMember(members, "pickupSound", &pickupSound.GetEvent(), RenderSoundPath, std::string(Sound::DefaultPath));
}

void AmmoPickup::On(CollisionEvent* event)
{
  GameObject* other = event->other.Get();
  Ammo* reserve = other != nullptr ? other->GetComponent<Ammo>() : nullptr;
  if (reserve == nullptr)
    return;
  const float before = ammo;
  // The guns in hand come first; two guns of one type give that type two shares.
  std::vector<AmmoType> preferred;
  if (const Equipment* equipment = other->GetComponent<Equipment>())
  {
    for (std::uint32_t slot = 0; slot < Equipment::SpecialSlot; ++slot)
    {
      const Handle<GameObject> item = equipment->GetSlot(slot);
      if (const Gun* gun = Gun::GetGunComponent(item.Get()))
        preferred.push_back(gun->GetAmmoType());
    }
  }
  float left = reserve->AddAmmo(preferred, ammo);
  left = reserve->AddAmmo({AmmoType::BULLET, AmmoType::ENERGY, AmmoType::EXPLOSIVE}, left);
  if (ammo - left > Ammo::Epsilon)
  {
    pickupSound.Play();
    ammo = left;
    ShowTaken(before - ammo);
  }
  if (ammo <= Ammo::Epsilon)
    QueueRemoval(GetOwner());
}

void AmmoPickup::ShowTaken(float taken)
{
  GameObject* object = GetGameObject();
  if (object == nullptr || object->GetTransform() == nullptr)
    return;
  QueueRemoval(feedback);
  feedback = SpawnAt(FeedbackPrefab, object->GetSpace(), object->GetTransform()->GetWorldPosition());
  if (TextToSprite* text = feedback ? feedback->GetComponent<TextToSprite>() : nullptr)
    text->SetString(std::to_string(static_cast<long long>(std::min(taken, 1e15f))));  // whole points
}
