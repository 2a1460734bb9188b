// The drawing half of the ship map's tile window (its data lives with the map, in gameplay/).
#include "gameplay/ship/ShipTileEditorAndPalletWindow.h"

#include "core/Send.h"
#include "gameplay/ship/ShipEvents.h"
#include "gameplay/ship/ShipMap.h"
#include "input/Input.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "physics/PhysicsDebugDraw.h"
#include "physics/PhysicsModule.h"
#include "platform/Assert.h"
#include "render/Camera.h"

#include <imgui.h>

#include <cstring>

namespace
{
// The palette: the codes a designer can paint.
constexpr std::uint32_t RandomFloorCode = 'F';
constexpr std::uint32_t SideWallCode = 'W';
constexpr std::uint32_t RandomBottomWallCode = 'I';

char CodeOf(std::uint32_t flag)
{
  const char low = static_cast<char>(flag & 0xFFu);
  return low != 0 ? low : ShipTile::None;
}
}  // namespace

void ShipTileEditorAndPalletWindow::CopyFields(const ShipTileEditorAndPalletWindow& other)
{
  tile[0] = other.tile[0];
  tile[1] = other.tile[1];
  std::memcpy(value, other.value, sizeof(value));
  floorFlag = other.floorFlag;
  sideFlag = other.sideFlag;
  bottomFlag = other.bottomFlag;
}

bool ShipTileEditorAndPalletWindow::operator==(const ShipTileEditorAndPalletWindow& other) const
{
  return tile[0] == other.tile[0] && tile[1] == other.tile[1] && std::memcmp(value, other.value, sizeof(value)) == 0 &&
         floorFlag == other.floorFlag && sideFlag == other.sideFlag && bottomFlag == other.bottomFlag;
}

void ShipTileEditorAndPalletWindow::Render()
{
  GameObject* owner = map != nullptr ? map->GetGameObject() : nullptr;

  const std::string& filename = map != nullptr ? map->GetFilename() : std::string();
  if (ImGui::Button(("Export to: " + filename).c_str()) && !filename.empty() && owner != nullptr)
    SendNow<SaveShipEvent>(BRINDLE_SITE, owner->GetId(), filename);

  ImGui::Text("[HELP]");
  if (ImGui::IsItemHovered())
    ImGui::SetTooltip("Select tile with checkboxes below.\nCLICK to set tile in map.");

  ImGui::InputInt2("Tile Position", tile);
  ImGui::CheckboxFlags("Floor", &floorFlag, RandomFloorCode);
  ImGui::CheckboxFlags("Side wall", &sideFlag, SideWallCode);
  ImGui::CheckboxFlags("Bottom wall", &bottomFlag, RandomBottomWallCode);
  ImGui::Dummy(ImVec2(256.0f, 256.0f));

  value[0] = CodeOf(floorFlag);
  value[1] = CodeOf(sideFlag);
  value[2] = CodeOf(bottomFlag);

  if (owner == nullptr)
  {
    ImGui::TextColored(ImVec4(1.0f, 0.0f, 0.0f, 1.0f), "ShipMap can only be editied in game mode");
    return;
  }

  glm::vec2 mouse(0.0f, 0.0f);
  const Camera* camera = owner->GetSpace() != nullptr ? owner->GetSpace()->GetCurrentCamera() : nullptr;
  if (camera == nullptr)
    BRINDLE_CHECK(false, "Mouse world tracker couldn't find a camera. It's kind of important");
  else
    mouse = camera->GetMouseWorldPosition();
  const glm::ivec2 under = map->WorldToTile(mouse.x, mouse.y);
  tile[0] = under.x;
  tile[1] = under.y;
  // The marker goes round the tile; our debug rectangles are placed by their centre.
  if (PhysicsModule* physics = PhysicsModule::Of(owner->GetSpace()); physics != nullptr && physics->GetDebugDraw() != nullptr)
    physics->GetDebugDraw()->DrawRectangle(map->TileToWorld(under.x, under.y), glm::vec2(128.0f, 128.0f), 0.0f,
                                           fColor(0.1f, 1.0f, 0.1f, 1.0f));

  const Input* input = Input::Instance();
  const bool setTile = ImGui::Button("Set tile");
  if ((setTile || (input != nullptr && input->IsMouseButtonPressed(0))))
    SendNow<SetTileEvent>(BRINDLE_SITE, owner->GetId(), static_cast<std::uint32_t>(tile[0]),
                          static_cast<std::uint32_t>(tile[1]), value);
}

void WriteMemberJson(const ShipTileEditorAndPalletWindow&, Json::Value&) {}

const char* ReadMemberJson(const Json::Value&, ShipTileEditorAndPalletWindow&)
{
  return nullptr;
}

void RenderShipTileWindow(const std::string& label, ShipTileEditorAndPalletWindow* value)
{
  ImGui::Text("%s", label.c_str());
  if (value != nullptr)
    value->Render();
}
