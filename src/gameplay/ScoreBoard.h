#pragma once
// The run's score kept where it outlives the levels: on the object "LTM" of the space "Admin",
// which no level change removes. The player's Reputation copies its total here after each change
// and reads it back when the next level wakes it.
#include "object/Component.h"

class ScoreBoard : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ScoreBoard;

  ScoreBoard() : Component(TypeId) {}
  ScoreBoard& operator=(const ScoreBoard& other) = default;

  void GetMembers(std::vector<MemberBase*>& members) override;

  int score = 0;
};
