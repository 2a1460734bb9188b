#pragma once
// Which side an object fights on. Health reads it to tell the player from the rest, aiming code
// to pick opponents. When the boss dies, every ordinary enemy of its space is cleared away with
// what it holds.
#include "object/Component.h"
#include "gameplay/combat/TeamEnum.h"

class BossDiedEvent;

class Team : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Team;

  Team() : Component(TypeId) {}
  Team& operator=(const Team& other) = default;

  void OnAwake() override;
  // Tells the object's aiming module (and anyone else listening on the object) its side, at once.
  void Synchronize() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(BossDiedEvent* event);

  TeamEnum GetTeam() const { return team; }
  void SetTeam(TeamEnum newTeam) { team = newTeam; }
  bool IsBoss() const { return boss; }

private:
  TeamEnum team = TeamEnum::ENEMY;
  bool boss = false;  // the boss itself, or an enemy that outlives the boss's death
};

// The team of an object's Team component; NO_TEAM for a missing object or one without a Team.
TeamEnum TeamOf(const GameObject* object);
