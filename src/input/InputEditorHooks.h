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
  // True while an interface widget (a text field of the console or the editor) is active:
  // key events are then left to the widget.
  std::function<bool()> isKeyboardCaptured;
  // True while the mouse is over an interface window: mouse buttons and the wheel then belong to it.
  std::function<bool()> isMouseOverInterface;
  // A file dropped on the window; the path is the editor's to keep.
  std::function<void(const std::string&)> onFileDropped;
};
