#pragma once
// Runs the first visit to the overworld: seven stages of lines in a dialogue box that follows the
// player's ship, a circling highlight that points at the ship, the reputation goal and the
// merchant ships, the ship held still while the first lines play, a new stage every five seconds
// (the first after three) or on a TriggerEvent of the current stage's value, and a skip on any
// input once the current stage has run 0.3 s. At its end it removes the highlight and itself.
#include "core/Handle.h"
#include "object/Component.h"

#include <glm/vec2.hpp>

class DialogueAnimator;
class GameObject;
class TriggerEvent;
class UpdateEvent;

class OW_TutorialManager : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_OW_TutorialManager;
  static constexpr std::uint32_t StageCount = 7;

  OW_TutorialManager() : Component(TypeId) {}
  OW_TutorialManager& operator=(const OW_TutorialManager&) = default;

  void OnAwake() override;

  void On(UpdateEvent* event);
  void On(TriggerEvent* event);

  std::uint32_t GetStage() const { return stage; }
  const Handle<GameObject>& GetHighlight() const { return anchor; }

private:
  void ShowStage();
  void SetShipHeld(bool held);
  void SetHighlightRadii(float x, float y, bool both);
  void PlaceHighlight(glm::vec2 position);
  // Queues the removal of the highlight and of the tutorial's own object.
  void End();

  std::uint32_t stage = 0;
  float stageTimer = 3.0f;
  bool timerRunning = true;
  bool lineShown = false;
  bool ended = false;
  Transient<DialogueAnimator*> dialogue = nullptr;
  Transient<Handle<GameObject>> anchor;
  Transient<Handle<GameObject>> subject;
};
