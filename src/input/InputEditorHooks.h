#pragma once
// What the input needs from the editor's interface layer, set by the editor when it starts.
// Each hook may stay empty: the game then runs as if no interface window were open.
#include <SDL.h>

#include <functional>
#include <string>

struct InputEditorHooks
{
  // Sees every SDL event before the input records it (the interface's own event binding).
  std::function<void(const SDL_Event&)> observeEvent;
  // True while the interface keeps the keyboard (a text field of the console or the editor, or a
  // click on its way that may give it one): key events are then left to it. Asked for each key
  // event, after observeEvent has seen it.
  std::function<bool()> isKeyboardCaptured;
  // True while the interface keeps the mouse (over one of its windows, or a click of its own on its
  // way): mouse buttons and the wheel then belong to it. Asked once a frame, after its events.
  std::function<bool()> isMouseOverInterface;
  // A file dropped on the window; the path is the editor's to keep.
  std::function<void(const std::string&)> onFileDropped;
};
