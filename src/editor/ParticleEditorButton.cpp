#include "render/ParticleEditorButton.h"

#include <imgui.h>
#include <imgui_internal.h>  // Required for: ImGuiContext::WithinFrameScope, CurrentWindow

bool ParticleEditorButton(const char* label)
{
  const ImGuiContext* context = ImGui::GetCurrentContext();
  if (context == nullptr || !context->WithinFrameScope || context->CurrentWindow == nullptr)
    return false;
  return ImGui::Button(label);
}
