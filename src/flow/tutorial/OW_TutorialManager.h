#pragma once
// Runs the first visit to the overworld: seven stages of lines in a dialogue box that keeps its
// place on the screen, a circling highlight that points at the ship, the score on the overworld's
// HUD and the merchant ships, the ship held still while the first lines play, a new stage every
// five seconds (the first after three) or on a TriggerEvent of the current stage's value, and a
// skip on any input once the current stage has run 0.3 s. Input already held when the tutorial
// began (the key or click that started the run) skips nothing until it has been let go. At its
// end it removes the highlight and itself.
//
// The box's layout (5000 left of and 3000 below the middle of the screen, at scale 5) is the one
// seen from the far zoom of 8 the camera's dolly eases to when no ship is near; at any other zoom
// the box and the pointer at the score are scaled with the zoom, so they keep their places on the
// screen however far the camera has pulled in.
#include "core/Handle.h"
#include "core/LivePointer.h"
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

  // The far zoom the box's layout is made for.
  static constexpr float LayoutZoom = 8.0f;

private:
  // What the camera shows: its middle and its zoom (the ship and the far zoom without a camera).
  struct View
  {
    glm::vec2 centre;
    float zoom;
  };
  View CurrentView(glm::vec2 ship) const;
  // Where the score of the overworld's HUD shows on this space's screen.
  glm::vec2 ScorePlace(const View& view) const;
  void ShowStage();
  void SetShipHeld(bool held);
  void SetHighlightRadii(float x, float y);
  void PlaceHighlight(glm::vec2 position);
  // Queues the removal of the highlight and of the tutorial's own object.
  void End();

  std::uint32_t stage = 0;
  float stageTimer = 3.0f;
  bool timerRunning = true;
  bool lineShown = false;
  // Stages whose trigger fired before they began, one bit a stage.
  std::uint32_t doneAhead = 0;
  bool ended = false;
  // Set once no input is held: only then does input skip the tutorial.
  bool skipArmed = false;
  Transient<LivePointer<DialogueAnimator>> dialogue;
  Transient<Handle<GameObject>> anchor;
  Transient<Handle<GameObject>> subject;
};
