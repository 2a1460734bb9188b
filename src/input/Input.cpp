#include "input/Input.h"

#include "core/Log.h"
#include "input/SdlInputDevices.h"

#include <cmath>
#include <string>

namespace
{
Input* published = nullptr;

// Past this a rumble is as good as endless; it also keeps the conversion to milliseconds defined.
constexpr float LongestRumbleSeconds = 3600.0f;
}

void Input::Init()
{
  if (published)
    return;
  Init(std::make_unique<SdlInputDevices>());
}

void Input::Init(std::unique_ptr<InputDevices> devices)
{
  if (published)
    return;
  published = new Input(std::move(devices));
}

void Input::Shutdown()
{
  delete published;
  published = nullptr;
}

Input* Input::Instance()
{
  return published;
}

Input::Input(std::unique_ptr<InputDevices> inputDevices) : devices(std::move(inputDevices))
{
  // No controller is opened here: SDL reports those already attached as device-added events,
  // which the first Update opens.
}

Input::~Input()
{
  // Controllers and their haptics go first; the devices then take SDL's subsystems down.
  for (ControllerSlot& slot : slots)
  {
    if (slot.IsOpen() && devices)
      devices->Close(slot.GetInstanceId());
    slot.Close();
  }
  devices.reset();
  if (published == this)
    published = nullptr;
}

void Input::SetEditorHooks(InputEditorHooks editorHooks)
{
  hooks = std::move(editorHooks);
}

void Input::Update()
{
  BeginFrame();
  if (hooks.takeKeysLeftToGame)
  {
    for (const SDL_Event& event : hooks.takeKeysLeftToGame())
      RecordKey(event.key);
  }

  SDL_Event event;
  while (devices ? devices->PollEvent(event) : SDL_PollEvent(&event) == 1)
  {
    HandleEvent(event);
    // The pump owns the text SDL allocated for a drop; the editor has taken its own copy.
    if ((event.type == SDL_DROPFILE || event.type == SDL_DROPTEXT) && event.drop.file)
      SDL_free(event.drop.file);
  }

  // Taken after the frame's events, so it describes where the mouse is now.
  mouseOverInterface = hooks.isMouseOverInterface && hooks.isMouseOverInterface();
  releaseOwed = pressHeard;
  for (std::size_t button = 0; button < MouseButtonCount; ++button)
    pressHeard[button] = mouseButtons.IsPressed(button) && (releaseOwed[button] || !mouseOverInterface);
}

void Input::BeginFrame()
{
  for (ControllerSlot& slot : slots)
    slot.Advance();
  keys.Advance();
  mouseButtons.Advance();
  wheel = 0;
  mouseMovedThisFrame = false;
  closeRequested = false;
  focusedAtFrameStart = focused;
}

void Input::HandleEvent(const SDL_Event& event)
{
  if (hooks.observeEvent)
    hooks.observeEvent(event);

  switch (event.type)
  {
  case SDL_KEYDOWN:
  case SDL_KEYUP:
    // A key the interface keeps is none of the game's; one it holds back comes later through
    // takeKeysLeftToGame, if it does not keep it. The interface is asked for each key, once it
    // has seen it: a click that came before the key may already have given it the keyboard. The
    // release of a key the game holds is the game's wherever it goes, or the key would stay down.
    if (!(hooks.isKeyboardCaptured && hooks.isKeyboardCaptured()) ||
        (event.type == SDL_KEYUP && keys.IsPressed(static_cast<std::size_t>(event.key.keysym.scancode))))
      RecordKey(event.key);
    break;
  case SDL_MOUSEMOTION:
    mousePosition = glm::vec2(static_cast<float>(event.motion.x), static_cast<float>(event.motion.y));
    mouseMotion = glm::vec2(static_cast<float>(event.motion.xrel), static_cast<float>(event.motion.yrel));
    mouseMovedThisFrame = true;
    break;
  case SDL_MOUSEBUTTONDOWN:
  case SDL_MOUSEBUTTONUP:
    // SDL numbers buttons from 1; anything outside 1..5 has no place here.
    if (event.button.button >= 1 && event.button.button <= MouseButtonCount)
    {
      const std::size_t index = event.button.button - 1u;
      const bool down = event.type == SDL_MOUSEBUTTONDOWN;
      mouseButtons.Set(index, down);
      (down ? pressPositions : releasePositions)[index] =
          glm::vec2(static_cast<float>(event.button.x), static_cast<float>(event.button.y));
    }
    break;
  case SDL_MOUSEWHEEL:
    wheel = event.wheel.y;
    break;
  case SDL_CONTROLLERAXISMOTION:
    if (ControllerSlot* slot = SlotHolding(event.caxis.which))
      slot->SetAxis(event.caxis.axis, ControllerSlot::AxisValueFromRaw(event.caxis.axis, event.caxis.value));
    break;
  case SDL_CONTROLLERBUTTONDOWN:
  case SDL_CONTROLLERBUTTONUP:
    if (ControllerSlot* slot = SlotHolding(event.cbutton.which))
      slot->SetButton(event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN);
    break;
  case SDL_CONTROLLERDEVICEADDED:
    OnControllerAdded(event.cdevice.which);  // a device index
    break;
  case SDL_CONTROLLERDEVICEREMOVED:
    OnControllerRemoved(event.cdevice.which);  // an instance id
    break;
  case SDL_DROPFILE:
    if (event.drop.file && hooks.onFileDropped)
      hooks.onFileDropped(std::string(event.drop.file));
    break;
  case SDL_WINDOWEVENT:
    HandleWindowEvent(event.window);
    break;
  case SDL_QUIT:
    // Also what SDL makes of an interrupt or terminate signal: the program must still end.
    closeRequested = true;
    break;
  default:
    break;
  }
}

void Input::RecordKey(const SDL_KeyboardEvent& key)
{
  // The key-downs SDL repeats while a key is held are no press: a key whose press went to a
  // widget or popup that is gone before the auto-repeat begins stays with it until released. A
  // key-up of a key already up (its release came twice, or after a press the interface kept)
  // changes nothing.
  if (key.type == SDL_KEYUP || key.repeat == 0)
    keys.Set(static_cast<std::size_t>(key.keysym.scancode), key.type == SDL_KEYDOWN);
}

void Input::HandleWindowEvent(const SDL_WindowEvent& event)
{
  switch (event.event)
  {
  case SDL_WINDOWEVENT_CLOSE:
    closeRequested = true;
    break;
  case SDL_WINDOWEVENT_FOCUS_LOST:
    focused = false;
    break;
  case SDL_WINDOWEVENT_FOCUS_GAINED:
    focused = true;
    break;
  default:
    break;
  }
}

void Input::OnControllerAdded(int deviceIndex)
{
  if (!devices)
    return;
  if (!devices->IsGameController(deviceIndex))
  {
    LogWarning("Failed to open a joystic because it wasn't a controller");
    return;
  }

  // Device indexes shift as pads come and go, so an index names no slot for good: a controller
  // already open stays where it is, and a new one takes the slot of its index when that is free,
  // else the first free one. It never takes a slot another controller plays from.
  if (SlotHolding(devices->GetInstanceId(deviceIndex)))
    return;
  int chosen = -1;
  if (deviceIndex >= 0 && deviceIndex < ControllerSlotCount && !slots[deviceIndex].IsOpen())
    chosen = deviceIndex;
  for (int slot = 0; chosen < 0 && slot < ControllerSlotCount; ++slot)
  {
    if (!slots[slot].IsOpen())
      chosen = slot;
  }
  if (chosen < 0)
  {
    LogWarning("No free controller slot; controller ", deviceIndex, " is not used");
    return;
  }

  const OpenedController opened = devices->Open(deviceIndex);
  if (!opened.opened)
    return;
  if (opened.rumble == RumbleSupport::NoHapticDevice)
    LogWarning("Failed to open hapic");
  else if (opened.rumble == RumbleSupport::RumbleRefused)
    LogWarning("Failed to initialize hapic");
  slots[chosen].Open(opened.instanceId);
}

void Input::OnControllerRemoved(std::int32_t instanceId)
{
  ControllerSlot* slot = SlotHolding(instanceId);
  if (!slot)
    return;
  if (devices)
    devices->Close(instanceId);
  slot->Close();
}

std::size_t Input::ScancodeOf(SDL_Keycode key)
{
  if (key >= 'A' && key <= 'Z')
    key += 'a' - 'A';
  return static_cast<std::size_t>(SDL_GetScancodeFromKey(key));
}

bool Input::IsKeyPressed(SDL_Keycode key) const
{
  return keys.IsPressed(ScancodeOf(key));
}

bool Input::IsKeyTriggered(SDL_Keycode key) const
{
  return keys.IsTriggered(ScancodeOf(key));
}

bool Input::IsMouseButtonPressed(int button) const
{
  return !mouseOverInterface && button >= 0 && mouseButtons.IsPressed(static_cast<std::size_t>(button));
}

bool Input::IsMouseButtonTriggered(int button) const
{
  return !mouseOverInterface && button >= 0 && mouseButtons.IsTriggered(static_cast<std::size_t>(button));
}

bool Input::IsMouseButtonReleased(int button) const
{
  return button >= 0 && static_cast<std::size_t>(button) < MouseButtonCount && releaseOwed[button] &&
         mouseButtons.IsReleased(static_cast<std::size_t>(button));
}

bool Input::IsMouseButtonUp(int button) const
{
  return button >= 0 && static_cast<std::size_t>(button) < MouseButtonCount &&
         (!mouseOverInterface || releaseOwed[button]) && !mouseButtons.IsPressed(static_cast<std::size_t>(button));
}

glm::vec2 Input::GetMousePressPosition(int button) const
{
  return button >= 0 && static_cast<std::size_t>(button) < MouseButtonCount ? pressPositions[button] : mousePosition;
}

glm::vec2 Input::GetMouseReleasePosition(int button) const
{
  return button >= 0 && static_cast<std::size_t>(button) < MouseButtonCount ? releasePositions[button] : mousePosition;
}

std::int32_t Input::GetMouseWheel() const
{
  return mouseOverInterface ? 0 : wheel;
}

const ControllerSlot* Input::SlotAt(int slot) const
{
  return slot >= 0 && slot < ControllerSlotCount ? &slots[slot] : nullptr;
}

ControllerSlot* Input::SlotHolding(std::int32_t instanceId)
{
  for (ControllerSlot& slot : slots)
  {
    if (slot.Holds(instanceId))
      return &slot;
  }
  return nullptr;
}

float Input::GetControllerAxis(int slot, int axis) const
{
  const ControllerSlot* found = SlotAt(slot);
  return found && axis >= 0 ? found->GetAxis(static_cast<std::size_t>(axis)) : 0.0f;
}

float Input::GetPreviousControllerAxis(int slot, int axis) const
{
  const ControllerSlot* found = SlotAt(slot);
  return found && axis >= 0 ? found->GetPreviousAxis(static_cast<std::size_t>(axis)) : 0.0f;
}

bool Input::IsControllerButtonPressed(int slot, int button) const
{
  const ControllerSlot* found = SlotAt(slot);
  return found && button >= 0 && found->IsButtonPressed(static_cast<std::size_t>(button));
}

bool Input::IsControllerButtonTriggered(int slot, int button) const
{
  const ControllerSlot* found = SlotAt(slot);
  return found && button >= 0 && found->IsButtonTriggered(static_cast<std::size_t>(button));
}

bool Input::IsControllerOpen(int slot) const
{
  const ControllerSlot* found = SlotAt(slot);
  return found && found->IsOpen();
}

void Input::Rumble(int slot, float strength, float seconds)
{
  const ControllerSlot* found = SlotAt(slot);
  if (!found || !found->IsOpen() || !devices)
    return;
  // Outside values (NaN, negative, huge) come from content; keep them inside what SDL accepts.
  if (!(strength > 0.0f) || !(seconds > 0.0f))
    return;
  strength = std::fmin(strength, 1.0f);
  seconds = std::fmin(seconds, LongestRumbleSeconds);
  devices->Rumble(found->GetInstanceId(), strength, static_cast<std::uint32_t>(seconds * 1000.0f));
}
