#pragma once
// Runs the tutorial level aboard the ship: eleven stages of lines in a dialogue box that keeps its
// place on the screen, a barrier that opens the level step by step, and stage changes by timers
// (3 s for the first, 5 s for the third), by TriggerEvents from the level's triggers whose value
// equals the current stage, and by the depressurisation of a blown-out wall (stage 8). Reaching
// the getaway ship (stage 10) brings a closing line before the player leaves.
#include "core/Handle.h"
#include "core/LivePointer.h"
#include "object/Component.h"

class DepressurizationEvent;
class DialogueAnimator;
class GameObject;
class TriggerEvent;
class UpdateEvent;

class TutorialManager : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_TutorialManager;
  static constexpr std::uint32_t StageCount = 11;

  TutorialManager() : Component(TypeId) {}
  TutorialManager& operator=(const TutorialManager&) = default;

  void OnAwake() override;

  void On(UpdateEvent* event);
  void On(TriggerEvent* event);
  void On(DepressurizationEvent* event);

  std::uint32_t GetStage() const { return stage; }
  const Handle<GameObject>& GetBarrier() const { return subject; }

private:
  void ShowStage();
  void MoveBarrier(float x, float y);

  std::uint32_t stage = 0;
  float stageTimer = 3.0f;
  bool timerRunning = true;
  bool lineShown = false;
  Transient<LivePointer<DialogueAnimator>> dialogue;
  Transient<Handle<GameObject>> anchor;
  Transient<Handle<GameObject>> subject;
};
