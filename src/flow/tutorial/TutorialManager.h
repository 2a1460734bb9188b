#pragma once
// Runs the tutorial level aboard the ship: eleven stages of lines in a dialogue box that keeps its
// place on the screen, a barrier that opens the level step by step, and stage changes by timers
// (3 s for the first, 5 s for the third), by TriggerEvents from the level's triggers whose value
// equals the current stage, and by the depressurisation of a blown-out wall (stage 8). Reaching
// the getaway ship (stage 10) brings a closing line before the player leaves.
//
// What a line speaks of shows itself: a marker rings the thing the stage asks for (the pistol, the
// crate to shoot, the dash, the launcher), and the barrier's picture is as large as what it stops.
// The cell door is unlocked from the first line on; opened before the stage that asks for it, that
// stage ends as the player goes through it.
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

  // The barrier's height, its picture's and its collider's: what stops the player is what he sees.
  static constexpr float BarrierHeight = 96.0f;

  std::uint32_t GetStage() const { return stage; }
  const Handle<GameObject>& GetBarrier() const { return subject; }
  const Handle<GameObject>& GetMarker() const { return marker; }

private:
  void ShowStage();
  // Puts the barrier across the middle column at the height, its picture as wide as the opening.
  void MoveBarrier(float y, float openingWidth);
  // Rings what the current stage asks for, or hides the marker when it asks for nothing there.
  void MoveMarker();
  // Whether the player stands south of the cell door, and the door is open.
  bool PassedOpenDoor() const;

  std::uint32_t stage = 0;
  float stageTimer = 3.0f;
  bool timerRunning = true;
  bool lineShown = false;
  // Stages whose trigger fired before they began, one bit a stage.
  std::uint32_t doneAhead = 0;
  Transient<LivePointer<DialogueAnimator>> dialogue;
  Transient<Handle<GameObject>> anchor;
  Transient<Handle<GameObject>> subject;
  Transient<Handle<GameObject>> door;
  Transient<Handle<GameObject>> marker;
};
