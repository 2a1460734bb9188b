#include "editor/ConsoleCommandOutput.h"

#include <imgui.h>

namespace
{
// The text must go on after the prefix: a bare "[ERROR]" stays white.
bool StartsWithAndGoesOn(const std::string& text, const std::string& prefix)
{
  return text.size() > prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}
}  // namespace

TextCommandOutput::TextCommandOutput(std::string header, std::string body)
    : ConsoleCommandOutput(std::move(header)), text(std::move(body))
{
  if (StartsWithAndGoesOn(text, "[WARNING]"))
  {
    colour = {1.0f, 1.0f, 0.0f, 1.0f};
    wantsAttention = true;
  }
  else if (StartsWithAndGoesOn(text, "[ERROR]"))
  {
    colour = {1.0f, 0.0f, 0.0f, 1.0f};
    wantsAttention = true;
  }
}

void TextCommandOutput::Print(const std::string& filter)
{
  if (!filter.empty() && text.find(filter) == std::string::npos)
    return;
  ImGui::PushStyleColor(ImGuiCol_Text, ImVec4(colour[0], colour[1], colour[2], colour[3]));
  ImGui::TextUnformatted(text.data(), text.data() + text.size());
  ImGui::PopStyleColor();
}
