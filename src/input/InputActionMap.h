#pragma once
// What game code asks instead of naming keys: is an action active for a player, and where does a
// two-dimensional axis point. Each action and axis answers to lists of keyboard, mouse and
// controller bindings at once; actions may carry a cooldown. The bindings are fixed at start-up.
//
// Reached through one global pointer: null before Init and after Shutdown. Reads the published
// Input; without one every action is inactive and every axis (0, 0).
#include "input/ActionCell.h"
#include "input/AxisBinding.h"

#include <glm/vec2.hpp>

#include <array>
#include <vector>

enum InputAction : int
{
  ACTION_USE_SLOT_0 = 0,
  ACTION_USE_SLOT_1 = 1,
  ACTION_USE_SLOT_2 = 2,
  ACTION_RELOAD_SLOT_1 = 3,
  ACTION_RELOAD_SLOT_0 = 4,
  ACTION_EQUIP_SLOT_1 = 5,
  ACTION_EQUIP_SLOT_0 = 6,
  ACTION_EQUIP_SLOT_2 = 7,
  ACTION_PAUSE = 8,
  ACTION_SPARE_9 = 9,
  ACTION_SPARE_10 = 10,
  ACTION_MUTE = 11,
  ACTION_INTERACT = 12,
  ACTION_MENU_UP = 13,
  ACTION_MENU_DOWN = 14,
  ACTION_MENU_LEFT = 15,
  ACTION_MENU_RIGHT = 16,
  ACTION_MENU_SELECT = 17,
  ACTION_CANCEL = 18,
  ACTION_AUTO_PLAY = 19,
  ACTION_ANY_KEYBOARD_MOUSE = 20,
  ACTION_ANY_CONTROLLER = 21,
  ACTION_STOP_TIMER = 22,
  ACTION_COUNT = 23,
};

enum InputAxis : int
{
  AXIS_MOVE = 0,
  AXIS_ANY_DIRECTION = 1,
  AXIS_AIM = 2,
  AXIS_EDITOR_PAN = 3,
  AXIS_STICKS = 4,
  AXIS_COUNT = 5,
};

// Which device family a player is using, from GetInputMode.
enum InputMode : int
{
  INPUT_MODE_CONTROLLER = 0,
  INPUT_MODE_KEYBOARD_MOUSE = 1,
  INPUT_MODE_NO_NEW_INPUT = 2,
};

class InputActionMap
{
public:
  static constexpr int PlayerSlotCount = 2;
  static constexpr float DefaultDeadZone = 0.3f;

  static void Init();
  // Appends the default bindings to the published map: calling it twice doubles every list.
  static void InitDefaultBindings();
  static void Shutdown();
  static InputActionMap* Instance();

  InputActionMap() = default;

  // The work of InitDefaultBindings, on this map.
  void AddDefaultBindings();
  void AddActionBinding(int playerSlot, int action, const InputBinding& binding);
  void SetCooldown(int playerSlot, int action, float seconds);
  void AddAxisBinding(int playerSlot, int axis, const AxisBinding& binding);

  // Once per frame, right after Input::Update, with the frame's time step in seconds.
  void Update(float dt);

  // Player slots 0..1, actions 0..22, axes 0..4; numbers outside answer false / (0, 0).
  // All queries of one frame agree: a firing holds the action back only from the next Update on.
  // While the action cools down, only a key or button pressed anew in this frame fires it.
  bool IsActionActive(int playerSlot, int action);
  // Whether a binding of the action is down now, cooldown or not; it fires nothing.
  bool IsActionHeld(int playerSlot, int action);
  // The sum of the axis's bindings, at most 1 long; shorter than the dead zone reads (0, 0).
  glm::vec2 GetAxis(int playerSlot, int axis) const;
  InputMode GetInputMode(int playerSlot);

  float GetDeadZone() const { return deadZone; }

private:
  ActionCell* CellAt(int playerSlot, int action);
  const std::vector<AxisBinding>* AxisBindingsAt(int playerSlot, int axis) const;

  float deadZone = DefaultDeadZone;
  std::array<std::array<ActionCell, ACTION_COUNT>, PlayerSlotCount> actions;
  std::array<std::array<std::vector<AxisBinding>, AXIS_COUNT>, PlayerSlotCount> axes;
};
