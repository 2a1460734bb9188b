#include "input/InputActionMap.h"

#include "input/Input.h"

#include <SDL.h>  // for the keycodes of the default bindings

#include <algorithm>
#include <cmath>
#include <new>

namespace
{
InputActionMap* published = nullptr;

// SDL's game-controller numbers.
enum ControllerButton : std::uint32_t
{
  ButtonA = 0,
  ButtonB = 1,
  ButtonX = 2,
  ButtonY = 3,
  ButtonBack = 4,
  ButtonStart = 6,
  ButtonLeftStick = 7,
  ButtonLeftShoulder = 9,
  ButtonRightShoulder = 10,
  ButtonDpadUp = 11,
  ButtonDpadDown = 12,
  ButtonDpadLeft = 13,
  ButtonDpadRight = 14,
};

enum ControllerAxis : std::uint32_t
{
  AxisLeftX = 0,
  AxisLeftY = 1,
  AxisRightX = 2,
  AxisRightY = 3,
  AxisLeftTrigger = 4,
  AxisRightTrigger = 5,
};

enum MouseButton : std::uint32_t
{
  MouseLeft = 0,
  MouseMiddle = 1,
  MouseRight = 2,
};

constexpr bool Held = false;
constexpr bool Triggered = true;
// Sticks and triggers count as pushed from here to the end of their travel.
constexpr float FarThreshold = 0.85f;
constexpr float MenuCooldown = 0.5f;
constexpr float MuteCooldown = 0.15f;
// Mouse motion beyond this many pixels (rightward or downward) means the mouse is in use.
constexpr float MouseModeMotion = 10.0f;

InputBinding Key(std::uint32_t keycode, bool triggered = Held)
{
  return InputBinding::Key(keycode, triggered);
}

InputBinding Pad(std::uint32_t button, bool triggered = Held)
{
  return InputBinding::ControllerButton(0, button, triggered);
}

InputBinding PadAxis(std::uint32_t axis, float minimum, float maximum)
{
  return InputBinding::ControllerAxis(0, axis, minimum, maximum, Held);
}

InputBinding Mouse(std::uint32_t button)
{
  return InputBinding::MouseButton(button, Held);
}
}

void InputActionMap::Init()
{
  if (published)
    return;
  published = new (std::nothrow) InputActionMap();
}

void InputActionMap::InitDefaultBindings()
{
  if (published)
    published->AddDefaultBindings();
}

void InputActionMap::Shutdown()
{
  delete published;
  published = nullptr;
}

InputActionMap* InputActionMap::Instance()
{
  return published;
}

void InputActionMap::AddDefaultBindings()
{
  struct ActionDefaults
  {
    InputAction action;
    float cooldown;
    std::vector<InputBinding> bindings;
  };
  // Player slot 0 only; the second player has axes but no actions.
  const std::vector<ActionDefaults> defaults = {
    {ACTION_USE_SLOT_0, 0.0f, {PadAxis(AxisRightTrigger, FarThreshold, 1.0f), Key(SDLK_SPACE), Key('O'), Mouse(MouseRight)}},
    {ACTION_USE_SLOT_1, 0.0f, {PadAxis(AxisLeftTrigger, FarThreshold, 1.0f), Key(SDLK_SPACE), Key('U'), Mouse(MouseLeft)}},
    {ACTION_USE_SLOT_2, 0.0f, {Pad(ButtonLeftStick), Key('C'), Mouse(MouseMiddle)}},
    {ACTION_RELOAD_SLOT_1, 0.0f, {Pad(ButtonLeftShoulder), Key('R')}},
    {ACTION_RELOAD_SLOT_0, 0.0f, {Pad(ButtonRightShoulder), Key('T')}},
    {ACTION_EQUIP_SLOT_1, 0.0f, {Pad(ButtonX, Triggered), Key('Q', Triggered)}},
    {ACTION_EQUIP_SLOT_0, 0.0f, {Pad(ButtonB, Triggered), Key('E', Triggered)}},
    {ACTION_EQUIP_SLOT_2, 0.0f, {Pad(ButtonY, Triggered), Key('V', Triggered)}},
    {ACTION_PAUSE, 0.0f, {Pad(ButtonStart, Triggered), Key(SDLK_ESCAPE, Triggered)}},
    {ACTION_MUTE, MuteCooldown, {Key('M')}},
    {ACTION_INTERACT, 0.0f, {Pad(ButtonA, Triggered), Key('F', Triggered), Key(SDLK_SEMICOLON, Triggered)}},
    {ACTION_MENU_UP, MenuCooldown,
     {Key(SDLK_UP), Key('W'), Key('I'), PadAxis(AxisRightY, FarThreshold, 1.0f), PadAxis(AxisLeftY, FarThreshold, 1.0f),
      Pad(ButtonDpadUp)}},
    {ACTION_MENU_DOWN, MenuCooldown,
     {Key(SDLK_DOWN), Key('S'), Key('K'), PadAxis(AxisRightY, -1.0f, -FarThreshold),
      PadAxis(AxisLeftY, -1.0f, -FarThreshold), Pad(ButtonDpadDown)}},
    {ACTION_MENU_LEFT, MenuCooldown,
     {Key(SDLK_LEFT), Key('A'), Key('J'), PadAxis(AxisRightX, -1.0f, -FarThreshold),
      PadAxis(AxisLeftX, -1.0f, -FarThreshold), Pad(ButtonDpadLeft)}},
    {ACTION_MENU_RIGHT, MenuCooldown,
     {Key(SDLK_RIGHT), Key('D'), Key('L'), PadAxis(AxisRightX, FarThreshold, 1.0f), PadAxis(AxisLeftX, FarThreshold, 1.0f),
      Pad(ButtonDpadRight)}},
    {ACTION_MENU_SELECT, MenuCooldown, {Key(SDLK_SPACE), Key(SDLK_KP_ENTER), Pad(ButtonA), Key(SDLK_RETURN)}},
    {ACTION_CANCEL, MenuCooldown,
     {Key(SDLK_ESCAPE, Triggered), Pad(ButtonB, Triggered), Pad(ButtonBack, Triggered), Pad(ButtonStart, Triggered)}},
    {ACTION_AUTO_PLAY, 0.0f, {Pad(ButtonBack, Triggered), Key(SDLK_BACKSPACE, Triggered)}},
    {ACTION_ANY_KEYBOARD_MOUSE, 0.0f,
     {Key('W'), Key('A'), Key('S'), Key('D'), Key(SDLK_SPACE), Key(SDLK_RETURN), Mouse(MouseLeft), Mouse(MouseRight)}},
    {ACTION_ANY_CONTROLLER, 0.0f,
     {Pad(ButtonX), Pad(ButtonY), Pad(ButtonA), Pad(ButtonB), Pad(ButtonDpadDown), Pad(ButtonDpadUp),
      Pad(ButtonDpadLeft), Pad(ButtonDpadRight), Pad(ButtonLeftShoulder), Pad(ButtonRightShoulder),
      PadAxis(AxisRightY, FarThreshold, 1.0f), PadAxis(AxisRightX, FarThreshold, 1.0f),
      PadAxis(AxisRightTrigger, FarThreshold, 1.0f), PadAxis(AxisLeftTrigger, FarThreshold, 1.0f), Pad(ButtonStart)}},
    {ACTION_STOP_TIMER, 0.0f, {Key('P')}},
  };
  for (const ActionDefaults& entry : defaults)
  {
    for (const InputBinding& binding : entry.bindings)
      AddActionBinding(0, entry.action, binding);
    if (entry.cooldown != 0.0f)
      SetCooldown(0, entry.action, entry.cooldown);
  }

  const AxisBinding wasd = AxisBinding::Keys('D', 'A', 'W', 'S');
  const AxisBinding ijkl = AxisBinding::Keys('L', 'J', 'I', 'K');
  const AxisBinding arrows = AxisBinding::Keys(SDLK_RIGHT, SDLK_LEFT, SDLK_UP, SDLK_DOWN);
  const AxisBinding dpad = AxisBinding::ControllerButtons(0, ButtonDpadRight, ButtonDpadLeft, ButtonDpadUp, ButtonDpadDown);
  const AxisBinding leftStick = AxisBinding::Stick(0, AxisLeftX, AxisLeftY);
  const AxisBinding rightStick = AxisBinding::Stick(0, AxisRightX, AxisRightY);

  AddAxisBinding(0, AXIS_MOVE, leftStick);
  AddAxisBinding(0, AXIS_MOVE, wasd);
  AddAxisBinding(1, AXIS_MOVE, arrows);
  AddAxisBinding(1, AXIS_MOVE, AxisBinding::Stick(1, AxisLeftX, AxisLeftY));

  // The d-pad is listed twice and so counts twice before the length limit.
  for (const AxisBinding& binding : {ijkl, wasd, dpad, leftStick, rightStick, dpad})
    AddAxisBinding(0, AXIS_ANY_DIRECTION, binding);

  AddAxisBinding(0, AXIS_AIM, arrows);
  AddAxisBinding(0, AXIS_AIM, ijkl);
  AddAxisBinding(0, AXIS_AIM, rightStick);
  AddAxisBinding(1, AXIS_AIM, AxisBinding::Stick(1, AxisRightX, AxisRightY));

  AddAxisBinding(0, AXIS_EDITOR_PAN, wasd);

  AddAxisBinding(0, AXIS_STICKS, leftStick);
  AddAxisBinding(0, AXIS_STICKS, rightStick);
}

void InputActionMap::AddActionBinding(int playerSlot, int action, const InputBinding& binding)
{
  if (ActionCell* cell = CellAt(playerSlot, action))
    cell->bindings.push_back(binding);
}

void InputActionMap::SetCooldown(int playerSlot, int action, float seconds)
{
  ActionCell* cell = CellAt(playerSlot, action);
  if (cell && std::isfinite(seconds) && seconds >= 0.0f)
    cell->cooldown = seconds;
}

void InputActionMap::AddAxisBinding(int playerSlot, int axis, const AxisBinding& binding)
{
  if (playerSlot >= 0 && playerSlot < PlayerSlotCount && axis >= 0 && axis < AXIS_COUNT)
    axes[playerSlot][axis].push_back(binding);
}

void InputActionMap::Update(float dt)
{
  // A broken time step must not stop every cooldown for good (NaN) or run it backwards.
  if (!std::isfinite(dt) || dt < 0.0f)
    dt = 0.0f;
  for (auto& player : actions)
  {
    for (ActionCell& cell : player)
      cell.Step(dt);
  }
}

bool InputActionMap::IsActionActive(int playerSlot, int action)
{
  ActionCell* cell = CellAt(playerSlot, action);
  const Input* input = Input::Instance();
  if (!cell || !input)
    return false;
  // The cooldown paces a binding held down; a key or button pressed anew is a person's own step and
  // always counts, however soon after the last one (two quick taps move a menu twice).
  const bool coolingDown = cell->IsCoolingDown();
  for (const InputBinding& binding : cell->bindings)
  {
    if (coolingDown ? binding.IsNewPress(*input) : binding.IsSatisfied(*input))
    {
      cell->firedThisFrame = true;
      return true;
    }
  }
  return false;
}

bool InputActionMap::IsActionHeld(int playerSlot, int action)
{
  const ActionCell* cell = CellAt(playerSlot, action);
  const Input* input = Input::Instance();
  if (!cell || !input)
    return false;
  return std::any_of(cell->bindings.begin(), cell->bindings.end(),
                     [input](const InputBinding& binding) { return binding.IsSatisfied(*input); });
}

glm::vec2 InputActionMap::GetAxis(int playerSlot, int axis) const
{
  const std::vector<AxisBinding>* bindings = AxisBindingsAt(playerSlot, axis);
  const Input* input = Input::Instance();
  glm::vec2 sum(0.0f, 0.0f);
  if (!bindings || !input)
    return sum;
  for (const AxisBinding& binding : *bindings)
    sum += binding.Evaluate(*input);

  // The dead zone works on the summed vector, so a key (length 1) always passes and a stick
  // pushed a little past it in any direction reads its full raw value.
  const float length = std::sqrt(sum.x * sum.x + sum.y * sum.y);
  if (length > 1.0f)
    return sum / length;
  if (deadZone > length)
    return glm::vec2(0.0f, 0.0f);
  return sum;
}

InputMode InputActionMap::GetInputMode(int playerSlot)
{
  const glm::vec2 sticks = GetAxis(playerSlot, AXIS_STICKS);
  if (IsActionActive(playerSlot, ACTION_ANY_CONTROLLER))
    return INPUT_MODE_CONTROLLER;
  if (sticks.x != 0.0f || sticks.y != 0.0f)
    return INPUT_MODE_CONTROLLER;
  if (IsActionActive(playerSlot, ACTION_ANY_KEYBOARD_MOUSE))
    return INPUT_MODE_KEYBOARD_MOUSE;
  // Only rightward or downward motion counts, as the game has always read it.
  const Input* input = Input::Instance();
  const glm::vec2 motion = input ? input->GetMouseDelta() : glm::vec2(0.0f, 0.0f);
  if (motion.x > MouseModeMotion || motion.y > MouseModeMotion)
    return INPUT_MODE_KEYBOARD_MOUSE;
  return INPUT_MODE_NO_NEW_INPUT;
}

ActionCell* InputActionMap::CellAt(int playerSlot, int action)
{
  if (playerSlot < 0 || playerSlot >= PlayerSlotCount || action < 0 || action >= ACTION_COUNT)
    return nullptr;
  return &actions[playerSlot][action];
}

const std::vector<AxisBinding>* InputActionMap::AxisBindingsAt(int playerSlot, int axis) const
{
  if (playerSlot < 0 || playerSlot >= PlayerSlotCount || axis < 0 || axis >= AXIS_COUNT)
    return nullptr;
  return &axes[playerSlot][axis];
}
