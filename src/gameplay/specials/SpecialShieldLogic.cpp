#include "gameplay/specials/SpecialShieldLogic.h"

#include "gameplay/combat/Health.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Removal.h"
#include "object/Spawning.h"
#include "object/Transform.h"

void SpecialShieldLogic::GetMembers(std::vector<MemberBase*>& members)
{
  AddCoolDownMember(members);
  Members::AddMember(members, "duration", &duration, RenderFloat, 0.0f);
  Members::AddMember(members, "active", &active, RenderBool, false);
  Members::AddMember(members, "maxDur", &maxDur, RenderFloat, 0.0f);
  AddCurrCoolDownMember(members);
}

void SpecialShieldLogic::SetHolderShielded(bool shielded)
{
  if (Health* health = holder ? holder->GetComponent<Health>() : nullptr)
    health->SetIgnoreCollisions(shielded);
}

void SpecialShieldLogic::StartEffect()
{
  active = true;
  SetHolderShielded(true);
  GameObject* item = GetGameObject();
  Transform* itemTransform = item != nullptr ? item->GetTransform() : nullptr;
  if (itemTransform == nullptr)
    return;
  // A use while a bubble still stands replaces it.
  QueueRemoval(shieldObject);
  shieldObject = SpawnAt(BubblePrefab, item->GetSpace(), itemTransform->GetWorldPosition(), "shield");
  if (Transform* bubble = shieldObject ? shieldObject->GetTransform() : nullptr)
    bubble->SetParent(itemTransform);
}

void SpecialShieldLogic::UpdateEffect(float dt)
{
  if (!active)
    return;
  duration -= dt;
  if (duration <= 0.0f)
    EndShield();
}

void SpecialShieldLogic::EndShield()
{
  active = false;
  SetHolderShielded(false);
  duration = maxDur;
  QueueRemoval(shieldObject);
  shieldObject.Reset();
}

void SpecialShieldLogic::LetGo()
{
  if (active)
    EndShield();
  holder.Reset();
}
