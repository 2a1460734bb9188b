#pragma once
// The base of the detectors: components that watch one condition (the mouse over the object, a
// key, an input action, the menu focus, the death of every enemy) and turn two booleans sampled
// once per update of their space, hovered and triggered, into edge events queued to their own
// object: HoverBegin, HoverPersisted..., HoverEnd and TriggerBegin, TriggerPersisted...,
// TriggerEnd. Buttons, animators and click sounds on the same object react to those events; none
// of them polls input. A paused space sends no update, so its detectors keep their state and
// send nothing.
//
// A concrete detector gives CheckHovered and CheckTriggered, and says at construction whether it
// reports hover. A hover detector's trigger needs the hover: leaving the object while pressed
// clears the trigger without TriggerEnd, which cancels the press.
//
// A detector whose input was already held down when it woke (keys or a mouse button still held
// from the game as a menu opens) ignores that input until it has been let go: walking or firing
// into a menu neither moves its focus nor presses its buttons.
#include "object/Component.h"

#include <string>

class GameObject;
class UpdateEvent;

class Detector : public Component
{
public:
  enum class Kind
  {
    TriggerOnly,
    HoverAndTrigger,
  };

  Detector(std::uint32_t typeId, Kind detectorKind) : Component(typeId), kind(detectorKind) {}
  Detector& operator=(const Detector&) = default;

  // Subscribes the update on the space.
  void OnAwake() override;
  // Hover then trigger, or the trigger alone; the time step is not used.
  void On(UpdateEvent* event);

  virtual bool IsHovered() const { return hovered; }
  virtual bool IsTriggered() const { return triggered; }
  virtual void UpdateHovered();
  virtual void UpdateTriggered(bool requireHover);
  // The raw tests of the concrete detector.
  virtual bool CheckHovered() = 0;
  virtual bool CheckTriggered() = 0;

  // The menu focus: while set, the detector counts as hovered whatever its own test says.
  void SetForcedHover(bool forced) { forcedHover = forced; }
  bool GetForcedHover() const { return forcedHover; }
  const std::string& GetMenu() const { return menu; }

protected:
  // Whether the input the detector answers to is down now, cooldowns aside; none by default.
  virtual bool IsInputHeld() { return false; }
  // True from waking until the first update that finds the input let go.
  bool IsWaitingForRelease() const { return waitingForRelease; }

  std::string menu;  // the menu it belongs to; only the menu input detector reflects it

private:
  // One flag's edge: Begin when it rises, Persisted while it stays up, End when it falls; each
  // queued to the own object.
  template <typename Begin, typename Persisted, typename End>
  void Edge(bool& flag, bool now);

  Kind kind;
  // The live state: a copy starts as constructed, whatever the state of its source.
  Transient<bool> hovered = false;
  Transient<bool> forcedHover = false;
  Transient<bool> triggered = false;
  Transient<bool> waitingForRelease = true;
};

// Whether the object shows as hovered: a menu's button (one with a menu input detector) while it
// has the menu's focus, any other while the mouse is over it. A menu button hears a HoverEnd from
// one detector while the other still hovers (the mouse leaves a button that keeps the focus, the
// arrows take the focus from under a resting pointer); what shows hover goes by this, not by that
// one edge, so a menu never shows two buttons lit.
bool ShowsHover(const GameObject& object);
