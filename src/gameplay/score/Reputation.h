#pragma once
// The run's score, reputation. Objects worth something (ReputationValue) report their worth to
// their space when they die or are collected; this adds the reports up, shows the total on the
// HUD's "Score" and keeps it in the ScoreBoard of "LTM" in the space "Admin", from which the next
// level's Reputation starts. It also collects the loot its object touches.
//
// Loot meets the player's reach (the "Item_Pickup_Collider" child), not the player's own body, so
// the reach carries this component.
#include "audio/Sound.h"
#include "object/Component.h"

#include <vector>

class CollisionEvent;
class Space;
class TextToSprite;
class UpdateReputation;

class Reputation : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Reputation;
  static constexpr const char* LootSoundPath = "event:/SFX/LootCollection";

  Reputation() : Component(TypeId) {}
  Reputation& operator=(const Reputation&) = default;

  void OnAwake() override;

  void On(UpdateReputation* event);
  // Loot touched is collected once: it hears a LootCollectionEvent and the run remembers it.
  void On(CollisionEvent* event);

  int GetReputation() const { return reputation; }

private:
  // Looked up afresh each time: the spaces and their objects come and go with the levels.
  TextToSprite* FindScoreText() const;
  void Show();

  int reputation = 0;
  Sound lootSound;
  Transient<std::vector<Handle<GameObject>>> collected;  // loot collected and not yet gone
};
