#pragma once
// The ship map's tile editor and palette window. As a reflected member it serves the inspector
// only: files never hold it.
#include <json/json.h>
#include <string>

class ShipTileEditorAndPalletWindow
{
public:
  bool operator==(const ShipTileEditorAndPalletWindow&) const { return true; }
};

// Writes nothing (the value stays null, so no key is stored) and reads nothing.
void WriteMemberJson(const ShipTileEditorAndPalletWindow& value, Json::Value& out);
const char* ReadMemberJson(const Json::Value& in, ShipTileEditorAndPalletWindow& value);
// The label; the window itself is drawn by the ship map's editor.
void RenderShipTileWindow(const std::string& label, ShipTileEditorAndPalletWindow* value);
