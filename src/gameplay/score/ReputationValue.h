#pragma once
// What an enemy, a boss or a piece of loot is worth. When its object dies, or is collected as
// loot, it reports "value" to its space (UpdateReputation) and shows the number where it stood
// ("PointsFeedback"); collected loot then goes away. An object reports once.
#include "object/Component.h"

#include <glm/vec2.hpp>

class BossDiedEvent;
class DiedEvent;
class LootCollectionEvent;

class ReputationValue : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_ReputationValue;
  static constexpr const char* FeedbackPrefab = "PointsFeedback";

  ReputationValue() : Component(TypeId) {}
  ReputationValue& operator=(const ReputationValue&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(LootCollectionEvent* event);
  void On(DiedEvent* event);
  void On(BossDiedEvent* event);

  int GetValue() const { return value; }
  bool HasReported() const { return reported; }

private:
  // The report and the number shown; false when the object has reported already.
  bool Report();

  int value = -1;
  bool reported = false;
};
