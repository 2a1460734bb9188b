#include "gameplay/items/SpawnOnDestruction.h"

#include "gameplay/combat/CombatEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Space.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "platform/Random.h"

bool RollChance(float chance)
{
  return static_cast<float>(Random() % 100 + 1) / 100.0f <= chance;
}

void SpawnOnDestruction::OnAwake()
{
  SubscribeOnOwner<DiedEvent>(this);
}

void SpawnOnDestruction::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "ammoPrefab", &ammoPrefab, RenderPrefabName, std::string("Ammo_Pickup"));
  Members::AddMember(members, "ammoChance", &ammoChance, RenderFloat, 0.3f);
}

void SpawnOnDestruction::On(DiedEvent*)
{
  GameObject* owner = GetGameObject();
  if (owner == nullptr)
    return;
  Space* space = owner->GetSpace();
  const glm::vec2 at = owner->GetTransform()->GetWorldPosition();
  if (RollChance(ammoChance))
    SpawnAt(ammoPrefab, space, at, "Ammo Pickup");
  if (RollChance(SpecialChance))
  {
    static const char* const specials[4] = {"SpecialHOT", "SpecialShield", "SpecialDash", "SpecialBlink"};
    SpawnAt(specials[Random() % 4], space, at);
  }
  if (RollChance(LootChance))
  {
    const int kind = Random() % 10;
    SpawnAt(kind >= 8 ? "EN_Loot_Medium" : "EN_Loot_Small", space, at + glm::vec2(0.0f, 32.0f));
  }
}
