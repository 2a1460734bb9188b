#include "ai/spawning/SpawnArea.h"

#include "ai/ships/FactionController.h"
#include "core/FiniteCheck.h"
#include "core/Log.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/ship/ShipFloor.h"
#include "object/GameObject.h"
#include "object/MemberWidgets.h"
#include "object/Members.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "platform/Random.h"

namespace
{
// Each level band has two kinds, one for each face of the coin.
constexpr const char* Prefabs[3][2] = {{"AI_duck", "AI_duck2"}, {"AI_bug", "AI_bug2"}, {"AI_bear", "AI_bear2"}};
}  // namespace

void SpawnArea::OnAwake()
{
  SubscribeOnSpace<SpawnEnemies>(this);
}

void SpawnArea::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "radius", &radius, RenderFloat, 0.0f);
  Members::AddMember(members, "maxSpawn", &maxSpawn, RenderUnsigned, 0u);
  Members::AddMember(members, "difficultyModifer", &difficultyModifer, RenderUnsigned, 0u);
}

const char* SpawnArea::PrefabOfLevel(std::uint32_t level, int coin)
{
  const std::size_t band = level < 2 ? 0 : level < 4 ? 1 : 2;
  return Prefabs[band][coin & 1];
}

void SpawnArea::On(SpawnEnemies* event)
{
  GameObject* area = GetGameObject();
  if (area == nullptr || area->GetTransform() == nullptr)
    return;
  const glm::vec2 centre = area->GetTransform()->GetWorldPosition();
  std::uint32_t count = static_cast<std::uint32_t>(RandomUnit() * static_cast<float>(maxSpawn) + 1.0f);
  if (count > MostAtOnce)
  {
    LogOnce("SpawnArea count " + area->GetName(), LogLevel::Warning, "SpawnArea \"", area->GetName(), "\": maxSpawn ",
            maxSpawn, " asks for ", count, " enemies at once; ", MostAtOnce, " are made.");
    count = MostAtOnce;
  }
  // A square of no finite size puts everyone on the area itself.
  const float side = IsFinite(radius) ? radius : 0.0f;
  if (side != radius)
    LogOnce("SpawnArea radius " + area->GetName(), LogLevel::Error, "SpawnArea \"", area->GetName(),
            "\": radius is not a finite number; enemies appear on the area itself.");
  const std::uint32_t anger = event->faction != nullptr ? event->faction->GetAttackCount() : 0u;
  const std::uint32_t base = anger + difficultyModifer;
  for (std::uint32_t enemy = 0; enemy < count; ++enemy)
  {
    const std::uint32_t level =
        static_cast<std::uint32_t>(RandomUnit() * static_cast<float>(difficultyModifer)) + base;
    const int coin = Random() & 1;
    const char* prefab = PrefabOfLevel(level, coin);
    const float x = RandomUnit() * side - side * 0.5f;
    const float y = RandomUnit() * side - side * 0.5f;
    SpawnAt(prefab, area->GetSpace(), PlaceOnShipFloor(area->GetSpace(), centre + glm::vec2(x, y)), prefab);
  }
  if (RandomUnit() * 5.0f > 4.0f)
    SpawnAt(CarrierPrefab, area->GetSpace(), PlaceOnShipFloor(area->GetSpace(), centre), CarrierPrefab);
}
