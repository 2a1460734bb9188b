#include "editor/ShipTileEditorAndPalletWindow.h"

#include <imgui.h>

void WriteMemberJson(const ShipTileEditorAndPalletWindow&, Json::Value&) {}

const char* ReadMemberJson(const Json::Value&, ShipTileEditorAndPalletWindow&)
{
  return nullptr;
}

void RenderShipTileWindow(const std::string& label, ShipTileEditorAndPalletWindow*)
{
  ImGui::Text("%s", label.c_str());
}
