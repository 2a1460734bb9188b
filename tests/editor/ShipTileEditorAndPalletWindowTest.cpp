// The ship's tile window in a headless interface over a live ship: painting with the mouse through
// the input layer, the buttons clicked through the interface, and the layout file read and written
// back; then layouts the map must refuse.
#include "gameplay/ship/ShipTilePalette.h"

#include "app/EditorSessionHost.h"
#include "app/GameSession.h"
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "editor/Editor.h"
#include "object/Space.h"
#include "support/ScopedEngine.h"
#include "editor/HeadlessImGui.h"
#include "editor/ParentTool.h"
#include "gameplay/ship/PressureTracker.h"
#include "gameplay/ship/ShipEvents.h"
#include "gameplay/ship/ShipMap.h"
#include "input/Input.h"
#include "support/CapturedLog.h"
#include "support/EventRecorder.h"
#include "support/FakeInputDevices.h"
#include "support/ShipScene.h"
#include "support/TestEvents.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace
{
// The session's view for the editor, as in the editor loop over one space, with the object under
// the mouse chosen by the test.
class EditorLoopHost final : public EditorHost
{
public:
  EditorLoopHost(GameSession& session, Space& space) : session(session), space(space) {}

  bool IsRunning() const override { return false; }
  bool IsEditorRunning() const override { return true; }
  void StopGame() override {}
  void StopEditor() override {}
  const std::map<std::string, Space*>& GetSpaces() const override { return session.GetSpaces(); }
  Space* GetSpace(const std::string& name, const std::string& level) override { return session.GetSpace(name, level); }
  Space* GetEditorSpace() const override { return &space; }
  Camera* GetEditorCamera() const override { return nullptr; }
  void UpdateEditorPicking() override { editor->hoveredObject = underMouse; }
  Graphics::Graphics& GetRenderer() override { return real.GetRenderer(); }
  const std::string& GetFirstLevel() const override { return real.GetFirstLevel(); }
  void SetFirstLevel(const std::string& level) override { real.SetFirstLevel(level); }
  const std::string& GetEditedLevel() const override { return real.GetEditedLevel(); }
  void SetEditedLevel(const std::string& level) override { real.SetEditedLevel(level); }
  bool& StartInEditModeFlag() override { return real.StartInEditModeFlag(); }
  bool IsConsoleShown() const override { return real.IsConsoleShown(); }
  void ChooseConsoleShown(bool shown) override { real.ChooseConsoleShown(shown); }
  std::map<std::string, float>& GetLighting() override { return real.GetLighting(); }
  bool SaveSettings() override { return false; }
  void SaveEditorCamera() override {}
  ConsoleGui& GetConsole() override { return real.GetConsole(); }
  MemoryProfileWindow& GetMemoryWindow() override { return real.GetMemoryWindow(); }

  ::Editor::Editor* editor = nullptr;
  Handle<GameObject> underMouse;

private:
  GameSession& session;
  Space& space;
  EditorSessionHost real{session};
};

std::string FileText(const std::string& path)
{
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}
}  // namespace

class ShipTileEditorAndPalletWindowTest : public EngineTest
{
protected:
  ShipMap& LoadShip(const std::string& level)
  {
    Space* space = LiveSpace("ship", level);
    events->ProcessQueue();
    return *space->FindObjectByName("Ship")->second->GetComponent<ShipMap>();
  }

  // One interface frame showing the map's member as the inspector does; `mouse` is where the
  // interface's pointer is and whether its left button is down.
  void Frame(ShipMap& map, ImVec2 mouse = ImVec2(-100.0f, -100.0f), bool down = false)
  {
    Input::Instance()->Update();
    ImGuiIO& io = ImGui::GetIO();
    io.MousePos = mouse;
    io.MouseDown[0] = down;
    imgui.NewFrame();
    ImGui::SetNextWindowPos(ImVec2(0.0f, 0.0f));
    ImGui::Begin("Inspector");
    exportButton = ImGui::GetCursorScreenPos();
    exportButton.x += 10.0f;
    exportButton.y += ImGui::GetTextLineHeightWithSpacing() + ImGui::GetFrameHeight() / 2.0f;
    RenderShipTileWindow("Map Editor", &map.GetTilePalette());
    ImGui::End();
    imgui.Render();
  }

  // Pointer over the button, pressed, released: a click as the interface sees one.
  void ClickExport(ShipMap& map)
  {
    Frame(map, exportButton);
    Frame(map, exportButton, true);
    Frame(map, exportButton);
  }

  void Paint(ShipMap& map)
  {
    devices->events.push_back(TestEvents::MouseButton(SDL_BUTTON_LEFT, true));
    Frame(map);
    devices->events.push_back(TestEvents::MouseButton(SDL_BUTTON_LEFT, false));
    Frame(map);
  }

  HeadlessImGui imgui;
  CapturedLog output;
  ImVec2 exportButton;
};

TEST_F(ShipTileEditorAndPalletWindowTest, PaintsTheTileUnderTheMouseAndExportsTheCanonicalLayout)
{
  // Hand-spaced, with Windows line ends; world (0, 0), where the mouse stays without a window, is
  // the middle of tile (1, 1).
  ShipLevel::Write("paint", "ship\r\n3 \r\n 3\r\n100  100 100\r\n1W0\t10I 100\r\n100 100 100\r\n",
                   glm::vec2(-192.0f, -192.0f));
  ShipMap& map = LoadShip("paint");
  ASSERT_EQ(map.GetWidth(), 3);
  ShipTilePalette& palette = map.GetTilePalette();
  Frame(map);
  EXPECT_EQ(palette.tile[0], 1);
  EXPECT_EQ(palette.tile[1], 1);
  EXPECT_EQ(std::string(palette.value, 3), "000") << "nothing ticked";
  EXPECT_EQ(map.GetTile(1, 1).bottom, 'I') << "no click, no paint";

  // Only the side wall ticked: the tile keeps nothing but a side wall.
  palette.sideFlag = 'W';
  Paint(map);
  EXPECT_EQ(std::string(palette.value, 3), "0W0");
  EXPECT_EQ(map.GetTile(1, 1), (ShipTile{'0', 'W', '0', ShipWall::Right | ShipWall::Left}));
  EXPECT_FALSE(map.GetTileObject(1, 1, ShipMap::FloorSlot).IsValid());
  EXPECT_TRUE(map.GetTileObject(1, 1, ShipMap::SideSlot).IsValid());
  EXPECT_EQ(map.GetTile(2, 1).walls, ShipWall::Left);
  EXPECT_EQ(map.GetTile(1, 0).walls, 0) << "the wall below went with the bottom code";

  ClickExport(map);
  EXPECT_EQ(FileText("Assets/Ship/paint.txt"), "ship\n3\n3\n100 100 100 \n1W0 0W0 100 \n100 100 100 \n");
  // A save that fails on its way is reported, and the editor goes on.
  EventRecorder<SaveShipEvent> failing(map.GetGameObject()->GetId());
  failing.onEvent = [](SaveShipEvent&) { throw std::runtime_error("the disk is full"); };
  ClickExport(map);
  EXPECT_TRUE(output.Contains("[ERROR] The ship layout Assets/Ship/paint.txt was not saved: the disk is full."))
      << output.Text();

  // All unticked clears the tile; a tile outside the grid is ignored.
  palette.sideFlag = 0;
  Paint(map);
  EXPECT_EQ(map.GetTile(1, 1), (ShipTile{'0', '0', '0', ShipWall::Left})) << "the wall on its left belongs to its neighbour";
  EXPECT_FALSE(map.GetTileObject(1, 1, ShipMap::SideSlot).IsValid());
  map.SetTile(-1, 5, "FWI");
  map.SetTile(3, 0, "FWI");

  // A write that cannot be made is reported, not announced as saved.
  EXPECT_FALSE(map.SaveShip("Assets/Ship"));
  EXPECT_TRUE(output.Contains("[ERROR] Failed to open file Assets/Ship for write. It is a folder, not a file."))
      << output.Text();
  EXPECT_FALSE(output.Contains("Assets/Ship saved."));

  // Without a file name the button writes nothing.
  map.SetFilename("");
  ClickExport(map);
  EXPECT_EQ(FileText("Assets/Ship/paint.txt"), "ship\n3\n3\n100 100 100 \n1W0 0W0 100 \n100 100 100 \n");
  EXPECT_EQ(output.CountOf("[ERROR]"), 2u) << output.Text();

  // A map that is not in a level only says so.
  ShipMap loose;
  const std::size_t queued = events->QueueLength();
  Frame(loose);
  EXPECT_EQ(events->QueueLength(), queued);
}

TEST_F(ShipTileEditorAndPalletWindowTest, AMalformedOrMissingLayoutLeavesTheShipEmptyAndItsFileAlone)
{
  const std::string garbage("ship 4 4 100 1\0\x01 100", 20);
  const std::string layouts[] = {garbage, "ship 3 2 100 100 100 100 100", "Ship 1 1 100", "ship 99999 99999"};
  int number = 0;
  for (const std::string& layout : layouts)
  {
    const std::string level = "broken" + std::to_string(++number);
    ShipLevel::Write(level, layout, glm::vec2(0.0f, 0.0f));
    ShipMap& map = LoadShip(level);
    EXPECT_EQ(map.GetWidth(), 0) << layout;
    EXPECT_FALSE(map.GetTileObject(0, 0, ShipMap::FloorSlot).IsValid());
    EXPECT_EQ(map.GetGameObject()->GetComponent<PressureTracker>()->GetWidth(), 0u) << "no load was announced";
    // Exporting the empty map would wipe out the layout the designer still has.
    EXPECT_FALSE(map.SaveShip(map.GetFilename()));
    EXPECT_EQ(FileText(map.GetFilename()), layout);
  }
  EXPECT_EQ(output.CountOf("[ERROR] ShipMap Loading Error... File Not Standard Format"), 4u) << output.Text();

  ShipLevel::Write("missing", "", glm::vec2(0.0f, 0.0f));
  std::remove("Assets/Ship/missing.txt");
  EXPECT_EQ(LoadShip("missing").GetWidth(), 0);
  EXPECT_TRUE(output.Contains("[ERROR] Shipmap could not open file: Assets/Ship/missing.txt"));
}

// A click in the level while the map's tile window is shown paints the tile and nothing else: the
// editor's tool (here Parent, with an object selected) does not also take the object under the
// mouse, as it does when the window is not shown.
TEST_F(ShipTileEditorAndPalletWindowTest, APaintingClickIsNotAlsoAPickForTheEditorsTool)
{
  ShipLevel::Write("pick", "ship 3 3 100 100 100 100 100 100 100 100 100", glm::vec2(-192.0f, -192.0f));
  ShipMap& map = LoadShip("pick");
  Space* space = map.GetSpace();
  Handle<GameObject> crate;
  Handle<GameObject> other;
  session->GetFactory().CreateGameObject(crate, "Empty", space, "crate");
  session->GetFactory().CreateGameObject(other, "Empty", space, "other");
  const Handle<GameObject> ship = map.GetOwner();

  EditorLoopHost host(*session, *space);
  ::Editor::Editor editor(&host);
  host.editor = &editor;
  host.underMouse = other;
  editor.showObjectWindows = true;
  ::Editor::EditorTool* parent = editor.GetTools()[1].get();
  editor.SetCurrentTool(parent);
  map.GetTilePalette().sideFlag = 'W';

  // An editor frame with the pointer in the middle of the level, away from every window.
  auto editorFrame = [&](bool down) {
    Input::Instance()->Update();
    ImGuiIO& io = ImGui::GetIO();
    io.MousePos = ImVec2(560.0f, 400.0f);
    io.MouseDown[0] = down;
    imgui.NewFrame();
    editor.Draw();
    imgui.Render();
  };
  auto click = [&] {
    for (const bool down : {true, false})
    {
      devices->events.push_back(TestEvents::MouseButton(SDL_BUTTON_LEFT, down));
      editorFrame(down);
    }
  };

  // Holding nothing, the inspector shows no map: the click parents the selection to "other".
  editor.GetSelection()[::Editor::SelectionLabel(*crate)] = crate;
  click();
  EXPECT_EQ(crate->GetTransform()->GetParent(), other->GetTransform());
  EXPECT_NE(map.GetTile(1, 1).side, 'W');

  // Holding the ship, the inspector shows its tile window: the click only paints.
  ASSERT_TRUE(crate->GetTransform()->SetParent(nullptr));
  parent->ClearHeld();
  editor.GetSelection().clear();
  parent->Apply(ship);
  editor.GetSelection()[::Editor::SelectionLabel(*crate)] = crate;
  // The inspector shows the ship; its ShipMap header is opened, as a designer clicks it open.
  editorFrame(false);
  imgui.NewFrame();
  ImGui::Begin("Object:");
  ImGui::PushID(static_cast<int>(map.GetSerial()));
  ImGui::GetStateStorage()->SetInt(ImGui::GetID("ShipMap"), 1);
  ImGui::PopID();
  ImGui::End();
  imgui.Render();
  click();
  EXPECT_EQ(crate->GetTransform()->GetParent(), nullptr);
  EXPECT_EQ(parent->GetHeld(), ship);
  EXPECT_EQ(map.GetTile(1, 1).side, 'W') << "the tile under the mouse is painted";
  EXPECT_EQ(editor.GetSelection().size(), 1u);
}
