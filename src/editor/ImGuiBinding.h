#pragma once
// Our connection of Dear ImGui to the SDL2 window and the OpenGL context: it feeds ImGui the
// display size, time step, mouse, wheel, keys, text and clipboard, and draws ImGui's lists with a
// small shader of its own. It also keeps the files dropped on the window until the editor takes
// them. Module state lives in ImGuiBinding.cpp; every call is for the main thread.
//
// A frame: NewFrame, the windows of the editor, console and tools, then Render.
#include "input/InputEditorHooks.h"

#include <string>
#include <vector>

class FrameClock;
struct ImDrawData;
struct SDL_Window;
union SDL_Event;

namespace ImGuiBinding
{
// Creates the ImGui context when none exists and sets up keys and clipboard for the window.
// Called once, after the GL context exists.
void Init(SDL_Window* window);
// Releases the GL objects and the ImGui context.
void Shutdown();

// Feeds one SDL event to ImGui; true when it was one ImGui uses. Keys, text, mouse buttons and the
// wheel wait for NewFrame, which hands them over in the order they came, over as many frames as it
// takes to keep it; a click reaches ImGui where it was made, wherever the pointer is by then, and
// as long after the last as the window system says it was made (a double-click is two clicks
// closer than ImGui's double-click time however the frames come). A key the person has let go of
// is let go of as the next frame begins, so that no key repeats that was not held as long as the
// repeat delay. The turns of the wheel between two frames go as one.
bool ProcessEvent(const SDL_Event& event);
// Starts an ImGui frame; creates the GL objects first when they do not exist.
void NewFrame(SDL_Window* window);
// Ends the ImGui frame and draws it.
void Render();
// Draws ImGui's draw data into the current framebuffer, leaving the GL state as it found it.
void RenderDrawLists(ImDrawData* drawData);

// The clock the interface's time steps are read from; none puts back the steady clock. Tests
// move theirs by hand.
void SetClock(FrameClock* clock);

bool CreateDeviceObjects();
void InvalidateDeviceObjects();
bool HasDeviceObjects();

void AddDroppedFile(const std::string& path);
// True while one of the interface's popups (a menu, a list to pick from, a question) was shown in
// the last frame. A popup left open but no longer drawn (the debug view hidden) holds nothing.
bool IsPopupShown();
// The hooks by which the interface sees every input event first and keeps the keys and the mouse
// while it uses them; the session gives them to the input.
//
// The game's input records an event as it comes, the interface only frames later, once what came
// before it has been handed over and drawn. So whether the interface keeps an event is answered
// for the interface as it will be when the event reaches it, by one rule:
// - A press of a mouse button, or a turn of the wheel, is the interface's if it comes over one of
//   its windows, while a popup is shown or a widget is held, or while another mouse change, a key
//   or text of the interface's is on its way (queued, or handed over but not yet drawn): that one
//   may open a popup or a window under it, give a field the keyboard or take it away. A press's
//   release goes where the press went. While a mouse change of the interface's is on its way, the
//   interface keeps the mouse.
// - A key is the interface's while a text field has the keyboard (Tab handing it on to the next
//   field included) or a popup is shown, and a Tab is while one of its windows has the keyboard's
//   focus, which Tab moves into that window's fields. While something on its way may change that
//   by the time the key reaches the interface (a click may give a field the keyboard, a Return may
//   take it away), the key is held back and goes to the game once it reaches the interface, unless
//   the interface keeps the keyboard then; so the back-quote after a line typed into the console
//   takes effect after the line. Keys held back reach the game in the order they came, a frame
//   or two late. A release goes to both: it lets go of the key wherever it is down.
// A mouse change the game took reaches the interface where none of its windows is, so that no click
// is acted on by both; a key the game took, and its text, never reach the interface. The game hears
// the release of every key and button it heard pressed (the input sees to it): a key held for the
// game and let go while the interface keeps the keyboard does not stay down.
InputEditorHooks MakeInputHooks();
// Files dropped since the editor last emptied the list, in drop order; the editor empties it.
std::vector<std::string>& GetDroppedFiles();

const char* GetClipboardText(void* userData);
void SetClipboardText(void* userData, const char* text);
}  // namespace ImGuiBinding
