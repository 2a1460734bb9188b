#include "gameplay/combat/Team.h"

#include "core/Send.h"
#include "gameplay/boss/BossEvents.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/items/Equipment.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Removal.h"

void WriteMemberJson(TeamEnum value, Json::Value& out)
{
  out = static_cast<int>(value);
}

const char* ReadMemberJson(const Json::Value& in, TeamEnum& value)
{
  // Written as numbers, but a name is understood too.
  if (in.isString())
    return EnumFromName(in.asString(), value) ? nullptr : EnumNames<TeamEnum>::notFoundMessage;
  int number = 0;
  if (const char* problem = ReadMemberJson(in, number))
    return problem;
  if (number < 0 || number >= static_cast<int>(TeamEnum::COUNT))
    return "the number is not one of the teams";
  value = static_cast<TeamEnum>(number);
  return nullptr;
}

void Team::OnAwake()
{
  SubscribeOnSpace<BossDiedEvent>(this);
}

void Team::Synchronize()
{
  if (GameObject* object = GetGameObject())
    SendNow<TeamChangeEvent>(BRINDLE_SITE, object->GetId(), static_cast<std::uint32_t>(team));
}

void Team::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "Team", &team, RenderTeam, TeamEnum::ENEMY);
  Members::AddMember(members, "boss", &boss, RenderBool, false);
}

void Team::On(BossDiedEvent*)
{
  if (boss || team != TeamEnum::ENEMY)
    return;
  // What it holds goes with it: left behind, a gun would hang where its holder stood, held by no
  // one (a boss turret's beams would go on drawing).
  if (const Equipment* equipment = GetGameObject() != nullptr ? GetGameObject()->GetComponent<Equipment>() : nullptr)
    for (std::uint32_t slot = 0; slot < Equipment::SlotCount; ++slot)
      QueueRemoval(equipment->GetSlot(slot));
  QueueRemoval(GetOwner());
}

TeamEnum TeamOf(const GameObject* object)
{
  const Team* team = object != nullptr ? object->GetComponent<Team>() : nullptr;
  return team != nullptr ? team->GetTeam() : TeamEnum::NO_TEAM;
}
