#pragma once
// The state of the keyboard, the mouse and up to four game controllers, and the program's only
// SDL event pump.
//
// Update runs once per frame: it moves this frame's states into "previous", then drains the event
// queue its devices give (SDL's, in the game), so every query compares this frame with the last
// one (pressed = down now, triggered = down now and up before, released = up now and down
// before). The pump is also where a close request and focus changes of the window are noticed;
// the session asks for them after each Update. The editor plugs its interface layer in through
// InputEditorHooks.
//
// Reached through one global pointer: null before Init and after Shutdown.
#include "input/ButtonStates.h"
#include "input/ControllerSlot.h"
#include "input/InputDevices.h"
#include "input/InputEditorHooks.h"

#include <SDL.h>
#include <glm/vec2.hpp>

#include <array>
#include <cstdint>
#include <memory>

class Input
{
public:
  static constexpr int ControllerSlotCount = 4;
  static constexpr std::size_t MouseButtonCount = 5;  // left, middle, right, X1, X2

  // Creates the input on SDL's devices (or on the given ones) and publishes it. A second Init
  // while one lives keeps the living one.
  static void Init();
  static void Init(std::unique_ptr<InputDevices> devices);
  // Destroys the published input, if any; the pointer is null afterwards.
  static void Shutdown();
  static Input* Instance();

  explicit Input(std::unique_ptr<InputDevices> devices);
  ~Input();  // closes every controller, then the devices
  Input(const Input&) = delete;
  Input& operator=(const Input&) = delete;

  void SetEditorHooks(InputEditorHooks hooks);

  // Once per frame, before anything reads input.
  void Update();
  // What the pump does with one event: the editor's observer sees it first, then it is recorded.
  // The caller keeps ownership of anything the event points to (a dropped file's path).
  void HandleEvent(const SDL_Event& event);

  // Keys are SDL keycodes; upper-case letters name the same key as lower-case ones.
  bool IsKeyPressed(SDL_Keycode key) const;
  bool IsKeyTriggered(SDL_Keycode key) const;

  // Buttons 0 left, 1 middle, 2 right, 3 X1, 4 X2. Button and wheel queries read false and 0
  // while the mouse is over an interface window; position and motion always follow the mouse. A
  // release goes where its press went: the game reads the release of every press it read, over a
  // window or not, and never that of a press the interface kept.
  bool IsMouseButtonPressed(int button) const;
  bool IsMouseButtonTriggered(int button) const;
  bool IsMouseButtonReleased(int button) const;
  bool IsMouseButtonUp(int button) const;
  // Where the pointer was (window pixels) when the button last went down, and last came up. A
  // click read in a later frame than it happened counts there, wherever the pointer has gone since.
  glm::vec2 GetMousePressPosition(int button) const;
  glm::vec2 GetMouseReleasePosition(int button) const;
  std::int32_t GetMouseWheel() const;
  glm::vec2 GetMousePosition() const { return mousePosition; }  // window pixels
  // The relative motion of the last motion event; it stays while the mouse stands still.
  glm::vec2 GetMouseDelta() const { return mouseMotion; }
  // Whether any mouse-motion event came in this frame (the motion above stays after one).
  bool HasMouseMovedThisFrame() const { return mouseMovedThisFrame; }

  // Slots 0..3; a slot out of range or without a controller reads 0 / false.
  float GetControllerAxis(int slot, int axis) const;
  float GetPreviousControllerAxis(int slot, int axis) const;
  bool IsControllerButtonPressed(int slot, int button) const;
  bool IsControllerButtonTriggered(int slot, int button) const;
  bool IsControllerOpen(int slot) const;
  // strength 0..1 for the given seconds; nothing happens on a slot without rumble.
  void Rumble(int slot, float strength, float seconds);

  // The window, as seen by this frame's events.
  bool WasCloseRequested() const { return closeRequested; }
  bool HasFocus() const { return focused; }
  bool WasFocusLost() const { return focusedAtFrameStart && !focused; }
  bool WasFocusGained() const { return !focusedAtFrameStart && focused; }

private:
  static constexpr std::size_t KeyCount = 512;  // SDL_NUM_SCANCODES

  static std::size_t ScancodeOf(SDL_Keycode key);
  const ControllerSlot* SlotAt(int slot) const;
  ControllerSlot* SlotHolding(std::int32_t instanceId);
  void BeginFrame();
  void RecordKey(const SDL_KeyboardEvent& key);
  void HandleWindowEvent(const SDL_WindowEvent& event);
  void OnControllerAdded(int deviceIndex);
  void OnControllerRemoved(std::int32_t instanceId);

  std::unique_ptr<InputDevices> devices;
  InputEditorHooks hooks;

  std::array<ControllerSlot, ControllerSlotCount> slots;
  ButtonStates<KeyCount> keys;
  glm::vec2 mousePosition{0.0f, 0.0f};
  glm::vec2 mouseMotion{0.0f, 0.0f};
  bool mouseMovedThisFrame = false;
  ButtonStates<MouseButtonCount> mouseButtons;
  std::array<glm::vec2, MouseButtonCount> pressPositions{};
  std::array<glm::vec2, MouseButtonCount> releasePositions{};
  std::int32_t wheel = 0;
  bool mouseOverInterface = false;
  // The game read the button pressed and has yet to read its release: as the last frame left it,
  // and as this one does.
  std::array<bool, MouseButtonCount> releaseOwed{};
  std::array<bool, MouseButtonCount> pressHeard{};

  bool closeRequested = false;
  bool focused = true;
  bool focusedAtFrameStart = true;
};
