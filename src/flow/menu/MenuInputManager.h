#pragma once
// Keeps the focus of one menu ("menu") for the keyboard and the controller. Its state machine,
// "menuMachine", has a state "Default" (nothing focused) and one state per button object; the
// current state is the focused button. Entering a button's state gives its MenuInputDetector the
// forced hover (the detector then reports hover, the animator lights the button, and the accept
// action presses it); leaving takes it away. Focus moves when a direction is pressed (to the
// button's neighbour that way) or when the mouse passes over any button's ClickDetector; it never
// returns to "Default". From nothing, any direction focuses the first button registered. A menu
// that names a button in "firstFocus" starts on it instead (or, when it registers after the
// machine's first update, goes to it at the next), so the menu shows where the keys act from its
// first frames and the first direction moves from there. A button object named "Default" shares
// the first state: it has the focus from the start, and directions from it go to its neighbours.
//
// The buttons announce themselves by events queued when they wake, which arrive in the frame's
// processing of the queue, whatever the order of the objects in the level. Every ClickDetector of
// the space is taken; only the MenuInputDetectors of this menu are.
//
// The machine's conditions and actions hold the buttons' objects by handle: a button whose object
// has gone never takes the focus, and focusing it does nothing.
#include "steering/states/StateMachine.h"
#include "core/Handle.h"
#include "object/Component.h"

#include <map>
#include <string>

class ClickDetector;
class GameObject;
class RegisterClickDetectorEvent;
class RegisterMenuInputDetectorEvent;
class UpdateEvent;

class MenuInputManager : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_MenuInputManager;

  MenuInputManager() : Component(TypeId) {}
  MenuInputManager& operator=(const MenuInputManager&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UpdateEvent* event);
  void On(RegisterClickDetectorEvent* event);
  void On(RegisterMenuInputDetectorEvent* event);

  const StateMachine& GetMachine() const { return menuMachine; }
  // The focused button's object name, or "Default".
  std::string GetFocus() const;

private:
  // The machine's state named after the object, made (without actions or transitions) when the
  // machine has none of that name.
  State* StateOf(const std::string& objectName);

  Transient<StateMachine> menuMachine{"menuMachine"};
  Transient<State*> defaultState = nullptr;
  std::string menu;
  std::string firstFocus;  // the object name of the button focused as the menu opens; empty: none
  // Every registered ClickDetector by its object's name: the later one of a name wins.
  Transient<std::map<std::string, Handle<GameObject>>> clickDetectors;
};
