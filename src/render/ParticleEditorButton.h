#pragma once
// The inspector buttons of the particle components. Member lists are also built where no
// inspector is drawn (saving, start-up checks), so a button shows only while an ImGui window is
// being built. The button is defined in editor/ParticleEditorButton.cpp, with the interface library.

// Shows the button when it can; true when it was pressed in this call.
bool ParticleEditorButton(const char* label);
