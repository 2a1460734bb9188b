#pragma once
// Holds the run's score on the administration object "LTM", which outlives every level: the
// player's Reputation copies its total into it after each change and starts from it in the next
// level, and the level transition manager reads it on the way back to the overworld and resets it
// when a run starts. It sits with Reputation, below the level flow that also reads it.
#include "object/Component.h"

class ScoreBoard : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ScoreBoard;

  ScoreBoard() : Component(TypeId) {}
  ScoreBoard& operator=(const ScoreBoard&) = default;

  void GetMembers(std::vector<MemberBase*>& members) override;

  // The run's board, on "LTM" in the space "Admin" that the level flow puts up; null without it
  // (a level tried on its own).
  static ScoreBoard* Find();

  std::int32_t GetScore() const { return score; }
  void SetScore(std::int32_t value) { score = value; }

private:
  int score = 0;
};
