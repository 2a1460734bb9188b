#pragma once
// Writing a HUD display that is rewritten every update: a TextToSprite rebuilds its character
// objects on every change, so the text is only handed over when it differs from what is shown.
#include "render/TextToSprite.h"

#include <string>

inline void ShowHudText(TextToSprite* display, const std::string& text)
{
  if (display != nullptr && display->GetText() != text)
    display->SetString(text);
}
