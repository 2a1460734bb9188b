#pragma once
// What shows a line of dialogue (the dialogue animator). A speaker, such as the boss's taunt,
// finds it among its object's components and casts to this, so it needs nothing of how the words
// are wrapped and drawn.
#include <string>

class DialogueBox
{
public:
  // Characters per line, before the words wrap.
  virtual void SetLineSize(int characters) = 0;
  // Starts showing a new line of dialogue.
  virtual void SetText(const std::string& text) = 0;

protected:
  ~DialogueBox() = default;
};
