#pragma once
// The HUD's displays as the components on the player reach them: found by name in the "HUD"
// space (FindHudObject, object/SpaceLookup.h), and rewritten only when what they show changes.
#include "render/TextToSprite.h"

#include <string>

// A TextToSprite rebuilds its character objects on every change, so the text is only handed over
// when it differs from what is shown.
inline void ShowHudText(TextToSprite* display, const std::string& text)
{
  if (display != nullptr && display->GetText() != text)
    display->SetString(text);
}

// An amount the HUD counts (ammunition, shots in a magazine) as a whole number: the whole units
// held, since a share of a unit fires nothing. Sums of shares of a pickup land a hair below a
// whole, so they are read as that whole; nothing, not-a-number and negatives show 0.
std::string HudCount(float amount);
