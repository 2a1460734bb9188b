#pragma once
// What the input needs from the editor's interface layer, set by the editor when it starts.
// Each hook may stay empty: the game then runs as if no interface window were open.
#include <SDL.h>

#include <functional>
#include <string>
#include <vector>

struct InputEditorHooks
{
  // Sees every SDL event before the input records it (the interface's own event binding).
  std::function<void(const SDL_Event&)> observeEvent;
  // True while the interface keeps the keyboard (a text field of the console or the editor, or a
  // popup), or holds the key events back until they reach it (a click on its way may give a field
  // the keyboard, a Return on its way may take it away): key events are then left to it. Asked for
  // each key event, after observeEvent has seen it. A key-up of a key the game holds is the game's
  // all the same.
  std::function<bool()> isKeyboardCaptured;
  // The key events the interface held back and, once they reached it, did not keep, in the order
  // they came. Asked once a frame, before the frame's events, which came after them.
  std::function<std::vector<SDL_Event>()> takeKeysLeftToGame;
  // True while the interface keeps the mouse (over one of its windows, or a click of its own on its
  // way): mouse buttons and the wheel then belong to it, but for the release of a press the game
  // heard. Asked once a frame, after its events.
  std::function<bool()> isMouseOverInterface;
  // A file dropped on the window; the path is the editor's to keep.
  std::function<void(const std::string&)> onFileDropped;
};
