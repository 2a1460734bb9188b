#include "editor/ShipTileEditorAndPalletWindow.h"

#include "core/GuardedSave.h"
#include "core/Send.h"
#include "editor/Editor.h"
#include "gameplay/ship/ShipEvents.h"
#include "gameplay/ship/ShipMap.h"
#include "gameplay/ship/ShipTilePalette.h"
#include "input/Input.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "physics/PhysicsDebugDraw.h"
#include "physics/PhysicsModule.h"
#include "platform/Assert.h"
#include "render/Camera.h"

#include <imgui.h>

void ShipTileEditorAndPalletWindow::Render()
{
  // A click that paints a tile must not also hand the object under the mouse to the editor's tool.
  Editor::Editor::SuppressPicking();
  ShipMap* map = palette.map;
  GameObject* owner = map != nullptr ? map->GetGameObject() : nullptr;

  const std::string& filename = map != nullptr ? map->GetFilename() : std::string();
  if (ImGui::Button(("Export to: " + filename).c_str()) && !filename.empty() && owner != nullptr)
  {
    GuardedSave("The ship layout " + filename, [&] {
      SendNow<SaveShipEvent>(BRINDLE_SITE, owner->GetId(), filename);
      return true;
    });
  }

  ImGui::Text("[HELP]");
  if (ImGui::IsItemHovered())
    ImGui::SetTooltip("Select tile with checkboxes below.\nCLICK to set tile in map.");

  ImGui::InputInt2("Tile Position", palette.tile);
  ImGui::CheckboxFlags("Floor", &palette.floorFlag, ShipTilePalette::RandomFloorCode);
  ImGui::CheckboxFlags("Side wall", &palette.sideFlag, ShipTilePalette::SideWallCode);
  ImGui::CheckboxFlags("Bottom wall", &palette.bottomFlag, ShipTilePalette::RandomBottomWallCode);
  ImGui::Dummy(ImVec2(256.0f, 256.0f));
  palette.TakeTickedCodes();

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
  palette.tile[0] = under.x;
  palette.tile[1] = under.y;
  // The marker goes round the tile; our debug rectangles are placed by their centre.
  if (PhysicsModule* physics = PhysicsModule::Of(owner->GetSpace()); physics != nullptr && physics->GetDebugDraw() != nullptr)
    physics->GetDebugDraw()->DrawRectangle(map->TileToWorld(under.x, under.y), glm::vec2(128.0f, 128.0f), 0.0f,
                                           fColor(0.1f, 1.0f, 0.1f, 1.0f));

  const Input* input = Input::Instance();
  const bool setTile = ImGui::Button("Set tile");
  if (setTile || (input != nullptr && input->IsMouseButtonPressed(0)))
    SendNow<SetTileEvent>(BRINDLE_SITE, owner->GetId(), static_cast<std::uint32_t>(palette.tile[0]),
                          static_cast<std::uint32_t>(palette.tile[1]), palette.value);
}

void RenderShipTileWindow(const std::string& label, ShipTilePalette* value)
{
  ImGui::Text("%s", label.c_str());
  if (value != nullptr)
    ShipTileEditorAndPalletWindow(*value).Render();
}
