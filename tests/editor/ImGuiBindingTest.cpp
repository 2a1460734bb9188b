#include "editor/ImGuiBinding.h"

#include "input/Input.h"
#include "support/SteppedClock.h"
#include "support/TestEvents.h"

#include <GL/glew.h>
#include <SDL.h>
#include <gtest/gtest.h>
#include <imgui.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace
{
ImVec2 ItemCentre()
{
  return ImVec2((ImGui::GetItemRectMin().x + ImGui::GetItemRectMax().x) / 2.0f,
                (ImGui::GetItemRectMin().y + ImGui::GetItemRectMax().y) / 2.0f);
}

// The scenarios' console: a log, a command field that enters its line with Return, a filter field,
// a button that opens a menu Escape closes, and a list entry a double-click opens.
struct Console
{
  // Short enough never to scroll, which would move the letter a click puts the caret before.
  char command[16] = "";
  char filter[16] = "";
  bool nodeOpen = false;
  std::string said;  // the lines entered and the menu's Escapes, in order
  std::vector<float> logScrolls;
  ImVec2 logPlace, fieldPlace, filterPlace, menuPlace, nodePlace;

  void Draw()
  {
    ImGui::SetNextWindowPos(ImVec2(20.0f, 20.0f));
    ImGui::SetNextWindowSize(ImVec2(300.0f, 260.0f));
    ImGui::Begin("Console");
    ImGui::BeginChild("Log", ImVec2(0.0f, 100.0f), true);
    for (int line = 0; line < 40; ++line)
      ImGui::Text("line %d", line);
    logScrolls.push_back(ImGui::GetScrollY());
    ImGui::EndChild();
    logPlace = ItemCentre();
    if (ImGui::InputText("Command", command, sizeof(command), ImGuiInputTextFlags_EnterReturnsTrue))
      said += std::string("line:") + command + " ";
    fieldPlace = ItemCentre();
    ImGui::InputText("Filter", filter, sizeof(filter));
    filterPlace = ItemCentre();
    if (ImGui::Button("Menu"))
      ImGui::OpenPopup("Menu");
    menuPlace = ItemCentre();
    ImGui::SetNextWindowPos(ImVec2(340.0f, 20.0f));
    if (ImGui::BeginPopup("Menu"))
    {
      ImGui::Text("Cut");
      if (ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape), false))
      {
        said += "menu-escape ";
        ImGui::CloseCurrentPopup();
      }
      ImGui::EndPopup();
    }
    nodeOpen = ImGui::TreeNodeEx("Crate", ImGuiTreeNodeFlags_OpenOnDoubleClick);
    nodePlace = ItemCentre();
    if (nodeOpen)
      ImGui::TreePop();
    ImGui::End();
  }
};

// A hidden window with a GL 4.1 core context, shared by the tests of this file.
class ImGuiBindingTest : public ::testing::Test
{
protected:
  static void SetUpTestSuite()
  {
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
    {
      skipReason = std::string("no video: ") + SDL_GetError();
      return;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 4);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    window = SDL_CreateWindow("ImGuiBindingTest", 0, 0, 640, 480, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    ASSERT_NE(nullptr, window) << SDL_GetError();
    context = SDL_GL_CreateContext(window);
    ASSERT_NE(nullptr, context) << SDL_GetError();
    SDL_GL_MakeCurrent(window, context);
    glewExperimental = GL_TRUE;
    const GLenum glew = glewInit();
    ASSERT_TRUE(glew == GLEW_OK || glGetString(GL_VERSION) != nullptr) << glewGetErrorString(glew);
    while (glGetError() != GL_NO_ERROR)
    {
    }
  }

  static void TearDownTestSuite()
  {
    if (context != nullptr)
      SDL_GL_DeleteContext(context);
    if (window != nullptr)
      SDL_DestroyWindow(window);
    context = nullptr;
    window = nullptr;
    SDL_Quit();
  }

  void SetUp() override
  {
    if (!skipReason.empty())
      GTEST_SKIP() << skipReason;
    ImGuiBinding::Init(window);
    ImGui::GetIO().IniFilename = nullptr;  // tests leave no imgui.ini behind
  }

  void TearDown() override
  {
    if (Input::Instance() != nullptr)
      Input::Shutdown();
    if (skipReason.empty())
      ImGuiBinding::Shutdown();
  }

  // The game's input on SDL's own queue, emptied, with the interface's hooks; shut down by TearDown.
  static Input* StartInput(const InputEditorHooks& hooks)
  {
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    Input::Init();
    Input::Instance()->SetEditorHooks(hooks);
    return Input::Instance();
  }

  static SDL_Event MouseButton(Uint32 type, Uint8 button)
  {
    SDL_Event event{};
    event.type = type;
    event.button.button = button;
    event.button.x = event.button.y = 10;
    return event;
  }

  static SDL_Event Key(Uint32 type, SDL_Keycode code)
  {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = code;
    return event;
  }

  static SDL_Event KeyWith(SDL_Keycode code, bool down, Uint16 modifiers = KMOD_NONE)
  {
    SDL_Event event = TestEvents::Key(code, down);
    event.key.keysym.mod = modifiers;
    return event;
  }

  static SDL_Event Text(const char* typedText)
  {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    std::snprintf(event.text.text, sizeof(event.text.text), "%s", typedText);
    return event;
  }

  // What typing gives: the key's press, its text, its release.
  static void Typed(std::vector<SDL_Event>& events, const std::string& letters)
  {
    for (const char letter : letters)
    {
      const SDL_Keycode code = SDL_Keycode(std::tolower(letter));
      const Uint16 modifiers = std::isupper(letter) ? KMOD_LSHIFT : KMOD_NONE;
      if (modifiers != KMOD_NONE)
        events.push_back(KeyWith(SDLK_LSHIFT, true, modifiers));
      events.insert(events.end(), {KeyWith(code, true, modifiers), Text(std::string(1, letter).c_str()),
                                   KeyWith(code, false, modifiers)});
      if (modifiers != KMOD_NONE)
        events.push_back(KeyWith(SDLK_LSHIFT, false));
    }
  }

  static void Click(std::vector<SDL_Event>& events, ImVec2 place, Uint8 button = SDL_BUTTON_LEFT)
  {
    const int x = static_cast<int>(place.x), y = static_cast<int>(place.y);
    events.insert(events.end(),
                  {TestEvents::MouseButton(button, true, x, y), TestEvents::MouseButton(button, false, x, y)});
  }

  // One frame of the editor's order at a low frame rate: the events all come in one pump (through
  // SDL's queue and the game's input, with the interface's hooks), then the interface's windows,
  // and the interface's next frame is begun at its end.
  static void EditorFrame(const std::vector<SDL_Event>& events, const std::function<void()>& drawInterface)
  {
    for (const SDL_Event& event : events)
      TestEvents::Push(event);
    Input::Instance()->Update();
    drawInterface();
    ImGuiBinding::Render();
    ImGuiBinding::NewFrame(window);
  }

  static SDL_Window* window;
  static SDL_GLContext context;
  static std::string skipReason;
};

SDL_Window* ImGuiBindingTest::window = nullptr;
SDL_GLContext ImGuiBindingTest::context = nullptr;
std::string ImGuiBindingTest::skipReason;
}  // namespace

TEST_F(ImGuiBindingTest, FrameRendersWithoutGlErrorsAndLeavesTheGlStateAsItWas)
{
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  glDisable(GL_SCISSOR_TEST);
  glClear(GL_COLOR_BUFFER_BIT);
  glViewport(5, 6, 100, 200);
  glEnable(GL_DEPTH_TEST);

  ImGuiBinding::NewFrame(window);
  EXPECT_TRUE(ImGuiBinding::HasDeviceObjects());
  EXPECT_FLOAT_EQ(640.0f, ImGui::GetIO().DisplaySize.x);
  ImGui::SetNextWindowPos(ImVec2(10, 10));
  ImGui::SetNextWindowSize(ImVec2(300, 200));
  ImGui::Begin("Binding");
  ImGui::Text("Hello from the binding");
  ImGui::Button("A button");
  ImGui::End();
  ImGuiBinding::Render();
  EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());

  GLint viewport[4] = {};
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(5, viewport[0]);
  EXPECT_EQ(200, viewport[3]);
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  glDisable(GL_DEPTH_TEST);

  // The window's background now covers a pixel inside it (GL rows count from the bottom).
  unsigned char pixel[4] = {};
  glReadPixels(150, 480 - 150, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
  EXPECT_GT(pixel[0] + pixel[1] + pixel[2], 0);
  EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
}

TEST_F(ImGuiBindingTest, FirstStepIsOneSixtiethAndAShortClickStillArrives)
{
  ImGuiIO& io = ImGui::GetIO();
  // A window to click on, shown for two frames (the first lays it out unseen).
  for (int frame = 0; frame < 2; ++frame)
  {
    ImGuiBinding::NewFrame(window);
    if (frame == 0)
      EXPECT_EQ(1.0f / 60.0f, io.DeltaTime);
    else
      EXPECT_GT(io.DeltaTime, 0.0f) << "frames within one tick still get a positive step";
    ImGui::SetNextWindowPos(ImVec2(0.0f, 0.0f));
    ImGui::SetNextWindowSize(ImVec2(200.0f, 200.0f));
    ImGui::Begin("Clicked");
    ImGui::End();
    ImGuiBinding::Render();
  }
  ImGuiBinding::ProcessEvent(MouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
  ImGuiBinding::ProcessEvent(MouseButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
  ImGuiBinding::ProcessEvent(MouseButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE));
  ImGuiBinding::NewFrame(window);
  EXPECT_TRUE(io.MouseDown[0]);
  EXPECT_FALSE(io.MouseDown[1]);
  EXPECT_FALSE(io.MouseDown[2]) << "one click of the interface's a frame";
  EXPECT_EQ(10.0f, io.MousePos.x) << "where the click was";
  ImGuiBinding::Render();
  ImGuiBinding::NewFrame(window);
  EXPECT_FALSE(io.MouseDown[0]) << "a click within a frame is down for one frame";
  ImGuiBinding::Render();
  ImGuiBinding::NewFrame(window);
  EXPECT_TRUE(io.MouseDown[2]);
  ImGuiBinding::Render();
  ImGuiBinding::NewFrame(window);
  EXPECT_TRUE(io.MouseDown[2]) << "held";
  EXPECT_EQ(10.0f, io.MousePos.x) << "held out of the window (a hidden one has no mouse focus), it stays put";
  ImGuiBinding::Render();
  ImGuiBinding::ProcessEvent(MouseButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE));
  ImGuiBinding::NewFrame(window);
  ImGuiBinding::Render();
  ImGuiBinding::NewFrame(window);
  EXPECT_EQ(-1.0f, io.MousePos.x) << "let go of, it is out of the window";
  ImGuiBinding::Render();
}

TEST_F(ImGuiBindingTest, WheelKeysAndTextReachImGui)
{
  ImGuiIO& io = ImGui::GetIO();
  // A window to turn the wheel over, shown for two frames (the first lays it out unseen).
  for (int frame = 0; frame < 2; ++frame)
  {
    ImGuiBinding::NewFrame(window);
    ImGui::SetNextWindowPos(ImVec2(0.0f, 0.0f));
    ImGui::SetNextWindowSize(ImVec2(200.0f, 200.0f));
    ImGui::Begin("Scrolled");
    ImGui::End();
    ImGuiBinding::Render();
  }
  SDL_Event wheel{};
  wheel.type = SDL_MOUSEWHEEL;
  wheel.wheel.y = 3;
  wheel.wheel.mouseX = 400;  // over the game: not the interface's
  wheel.wheel.mouseY = 100;
  EXPECT_TRUE(ImGuiBinding::ProcessEvent(wheel));
  ImGuiBinding::NewFrame(window);
  EXPECT_EQ(0.0f, io.MouseWheel);
  ImGuiBinding::Render();
  wheel.wheel.mouseX = 100;
  ImGuiBinding::ProcessEvent(wheel);
  wheel.wheel.y = 7;
  wheel.wheel.mouseX = 300;
  ImGuiBinding::ProcessEvent(wheel);
  ImGuiBinding::NewFrame(window);
  EXPECT_EQ(2.0f, io.MouseWheel) << "the turns between two frames go together, a step each";
  EXPECT_EQ(100.0f, io.MousePos.x) << "where the wheel was first turned";
  ImGuiBinding::Render();
  ImGuiBinding::NewFrame(window);
  EXPECT_EQ(0.0f, io.MouseWheel);
  ImGuiBinding::Render();

  // Keys reach a field that has the keyboard as a frame begins: a tap is down for one frame, the
  // next key ImGui acts on waits for the next frame, and one held stays down.
  char field[8] = "";
  const auto fieldFrame = [&](bool focus) {
    ImGuiBinding::NewFrame(window);
    ImGui::Begin("Scrolled");
    if (focus)
      ImGui::SetKeyboardFocusHere();
    ImGui::InputText("Field", field, sizeof(field));
    ImGui::End();
    ImGuiBinding::Render();
  };
  fieldFrame(true);
  fieldFrame(false);
  EXPECT_TRUE(ImGuiBinding::ProcessEvent(Key(SDL_KEYDOWN, SDLK_DELETE)));
  ImGuiBinding::ProcessEvent(Key(SDL_KEYDOWN, SDLK_LEFT));
  EXPECT_EQ(SDL_SCANCODE_LEFT, io.KeyMap[ImGuiKey_LeftArrow]);
  ImGuiBinding::ProcessEvent(Key(SDL_KEYUP, SDLK_DELETE));
  EXPECT_FALSE(io.KeysDown[SDLK_DELETE]) << "keys reach ImGui as a frame begins";
  ImGuiBinding::NewFrame(window);
  EXPECT_TRUE(io.KeysDown[SDLK_DELETE]) << "a tap is down for one frame";
  EXPECT_FALSE(io.KeysDown[SDL_SCANCODE_LEFT]);
  ImGuiBinding::Render();
  ImGuiBinding::NewFrame(window);
  EXPECT_FALSE(io.KeysDown[SDLK_DELETE]);
  EXPECT_TRUE(io.KeysDown[SDL_SCANCODE_LEFT]);
  ImGuiBinding::Render();
  ImGuiBinding::NewFrame(window);
  EXPECT_TRUE(io.KeysDown[SDL_SCANCODE_LEFT]) << "still held";
  ImGuiBinding::Render();
  // A key code beyond the key table (a Cyrillic layout) is ignored, not written out of bounds.
  EXPECT_TRUE(ImGuiBinding::ProcessEvent(Key(SDL_KEYDOWN, 0x44F)));

  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  std::snprintf(text.text.text, sizeof(text.text.text), "%s", "hé");
  EXPECT_TRUE(ImGuiBinding::ProcessEvent(text));
  ImGuiBinding::NewFrame(window);
  ImGuiBinding::Render();

  // Shift pressed while a frame is open (the game pumps events there) reaches the next frame; a
  // change inside the frame would fail ImGui's end-of-frame check.
  ImGuiBinding::NewFrame(window);
  SDL_Event shift = Key(SDL_KEYDOWN, SDLK_LSHIFT);
  shift.key.keysym.mod = KMOD_LSHIFT;
  ImGuiBinding::ProcessEvent(shift);
  EXPECT_FALSE(io.KeyShift);
  ImGuiBinding::Render();
  ImGuiBinding::NewFrame(window);
  EXPECT_TRUE(io.KeyShift);
  ImGuiBinding::Render();

  SDL_Event other{};
  other.type = SDL_WINDOWEVENT;
  EXPECT_FALSE(ImGuiBinding::ProcessEvent(other));
}

TEST_F(ImGuiBindingTest, DroppedFilesKeepTheirOrderAndDeviceObjectsComeBack)
{
  ImGuiBinding::GetDroppedFiles().clear();
  ImGuiBinding::AddDroppedFile("/tmp/one.png");
  ImGuiBinding::AddDroppedFile("/tmp/two.png");
  ASSERT_EQ(2u, ImGuiBinding::GetDroppedFiles().size());
  EXPECT_EQ("/tmp/one.png", ImGuiBinding::GetDroppedFiles()[0]);
  EXPECT_EQ("/tmp/two.png", ImGuiBinding::GetDroppedFiles()[1]);
  ImGuiBinding::GetDroppedFiles().clear();

  ImGuiBinding::NewFrame(window);
  ImGuiBinding::Render();
  ImGuiBinding::InvalidateDeviceObjects();
  EXPECT_FALSE(ImGuiBinding::HasDeviceObjects());
  ImGuiBinding::NewFrame(window);
  EXPECT_TRUE(ImGuiBinding::HasDeviceObjects());
  ImGuiBinding::Render();
  EXPECT_EQ(static_cast<GLenum>(GL_NO_ERROR), glGetError());
}

// The game's input on SDL's own queue, with the interface's hooks, at a frame rate so low that the
// X server's auto-repeat of a held Escape sets in between two frames.
TEST_F(ImGuiBindingTest, EscapeTakenByAPopupStaysWithItThroughItsRepeatsUntilReleased)
{
  Input* input = StartInput(ImGuiBinding::MakeInputHooks());
  const int escape = ImGui::GetKeyIndex(ImGuiKey_Escape);
  int popupCloses = 0;
  // The interface is a popup that Escape closes.
  const auto frame = [&](const std::vector<SDL_Event>& events, bool openPopup = false) {
    EditorFrame(events, [&] {
      if (openPopup)
        ImGui::OpenPopup("Rename");
      if (ImGui::BeginPopup("Rename"))
      {
        if (ImGui::IsKeyPressed(escape, false))
        {
          ++popupCloses;
          ImGui::CloseCurrentPopup();
        }
        ImGui::EndPopup();
      }
    });
  };

  ImGuiBinding::NewFrame(window);
  frame({}, true);
  ASSERT_TRUE(ImGuiBinding::IsPopupShown());
  frame({TestEvents::Key(SDLK_ESCAPE, true)});
  EXPECT_FALSE(input->IsKeyTriggered(SDLK_ESCAPE)) << "the popup had the keyboard";
  frame({TestEvents::Key(SDLK_ESCAPE, true, true)});
  EXPECT_FALSE(ImGuiBinding::IsPopupShown());
  for (int slowFrame = 0; slowFrame < 3; ++slowFrame)
  {
    frame({TestEvents::Key(SDLK_ESCAPE, true, true), TestEvents::Key(SDLK_ESCAPE, true, true)});
    EXPECT_FALSE(input->IsKeyTriggered(SDLK_ESCAPE)) << "a repeat ended the editor, frame " << slowFrame;
    EXPECT_FALSE(input->IsKeyPressed(SDLK_ESCAPE)) << "frame " << slowFrame;
  }
  // Another key goes on reaching the game meanwhile, and a repeat of it is no second press.
  frame({TestEvents::Key(SDLK_d, true), TestEvents::Key(SDLK_ESCAPE, true, true)});
  EXPECT_TRUE(input->IsKeyTriggered(SDLK_d));
  frame({TestEvents::Key(SDLK_d, true, true), TestEvents::Key(SDLK_ESCAPE, false)});
  EXPECT_TRUE(input->IsKeyPressed(SDLK_d));
  EXPECT_FALSE(input->IsKeyTriggered(SDLK_d));
  EXPECT_FALSE(input->IsKeyPressed(SDLK_ESCAPE));
  EXPECT_EQ(popupCloses, 1);

  // Released, Escape is the game's again: the next press is its own.
  frame({TestEvents::Key(SDLK_ESCAPE, true)});
  EXPECT_TRUE(input->IsKeyTriggered(SDLK_ESCAPE));
  ImGuiBinding::Render();
}

// A busy machine's frame brings at once what a designer did in a fifth of a second: a click on
// "Save to Prefab", Ctrl+A, a name's letters and Return, each key pressed and let go within the
// frame, and a click on the popup's Save or on the view right after. They reach the interface in
// the order they came, and nothing the interface takes reaches the game as well.
TEST_F(ImGuiBindingTest, KeysTextAndClicksOfOneFrameReachTheInterfaceInTheOrderTheyCame)
{
  const InputEditorHooks hooks = ImGuiBinding::MakeInputHooks();
  const Input* input = StartInput(hooks);
  char field[32] = "";
  std::vector<std::string> saved;
  ImVec2 openButton, saveButton;
  std::string reachedGame;  // what the game's input saw of the keys and the left button
  const auto frame = [&](const std::vector<SDL_Event>& events) {
    EditorFrame(events, [&] {
      ImGui::SetNextWindowPos(ImVec2(20.0f, 20.0f));
      ImGui::Begin("Object", nullptr, ImGuiWindowFlags_AlwaysAutoResize);
      if (ImGui::Button("Save to Prefab"))
        ImGui::OpenPopup("SavePrefab");
      openButton = ItemCentre();
      if (ImGui::BeginPopup("SavePrefab"))
      {
        if (ImGui::IsWindowAppearing())
          ImGui::SetKeyboardFocusHere();
        const bool entered = ImGui::InputText("Name", field, sizeof(field), ImGuiInputTextFlags_EnterReturnsTrue);
        if (ImGui::Button("Save") || entered)
        {
          saved.push_back(field);
          ImGui::CloseCurrentPopup();
        }
        saveButton = ItemCentre();
        ImGui::EndPopup();
      }
      ImGui::End();
    });
    for (const SDL_Keycode code : {SDLK_a, SDLK_c, SDLK_e, SDLK_g, SDLK_i, SDLK_l, SDLK_o, SDLK_p, SDLK_r, SDLK_s,
                                   SDLK_t, SDLK_u, SDLK_x, SDLK_RETURN, SDLK_BACKSPACE, SDLK_LCTRL})
      reachedGame += input->IsKeyPressed(code) ? SDL_GetKeyName(code) : "";
    reachedGame += input->IsMouseButtonTriggered(0) ? "click" : "";
  };
  const auto selectAll = [&](std::vector<SDL_Event>& events) {
    events.insert(events.end(), {KeyWith(SDLK_LCTRL, true, KMOD_LCTRL), KeyWith(SDLK_a, true, KMOD_LCTRL),
                                 KeyWith(SDLK_a, false, KMOD_LCTRL), KeyWith(SDLK_LCTRL, false)});
  };
  const auto settle = [&](const std::function<bool()>& done) {
    for (int slowFrame = 0; slowFrame < 60 && !done(); ++slowFrame)
      frame({});
  };
  const ImVec2 view(500.0f, 400.0f);  // where no window of the interface lies

  ImGuiBinding::NewFrame(window);
  frame({});
  frame({});  // the window, laid out unseen in its first frame, shows
  // The popup is opened and the name typed before it shows; a slip is put right in a hurry: the
  // next letter goes down while Backspace is still held.
  std::vector<SDL_Event> supplies;
  Click(supplies, openButton);
  Typed(supplies, "Suppliex");
  supplies.insert(supplies.end(), {KeyWith(SDLK_BACKSPACE, true), KeyWith(SDLK_s, true), Text("s"),
                                   KeyWith(SDLK_BACKSPACE, false), KeyWith(SDLK_s, false)});
  frame(supplies);
  settle([&] { return std::string(field) == "Supplies"; });
  ASSERT_STREQ(field, "Supplies");

  // A name typed over it with Save clicked right after: the whole name is saved.
  std::vector<SDL_Event> cargo;
  selectAll(cargo);
  Typed(cargo, "Cargo");
  Click(cargo, saveButton);
  frame(cargo);
  settle([&] { return !saved.empty(); });
  EXPECT_EQ(saved, std::vector<std::string>{"Cargo"});

  // The popup opened, a name typed and confirmed with Return, then a click on the view, which
  // would close the popup unsaved had it come first.
  std::vector<SDL_Event> crate;
  Click(crate, openButton);
  selectAll(crate);
  Typed(crate, "Crate");
  crate.insert(crate.end(), {KeyWith(SDLK_RETURN, true), KeyWith(SDLK_RETURN, false)});
  Click(crate, view);
  frame(crate);
  settle([&] { return !hooks.isMouseOverInterface() && !hooks.isKeyboardCaptured(); });
  EXPECT_EQ(saved, (std::vector<std::string>{"Cargo", "Crate"})) << "Return confirms the field once, before the click";
  EXPECT_EQ(reachedGame, "") << "the interface had the keys and the clicks";

  // Once the interface has caught up, a click on the view is the game's, and the game's alone.
  std::vector<SDL_Event> pick;
  Click(pick, view);
  frame(pick);
  EXPECT_EQ(reachedGame, "click");
  EXPECT_FALSE(ImGuiBinding::IsPopupShown());
  EXPECT_EQ(saved.size(), 2u);
  ImGuiBinding::Render();
}

// At a few frames a second, with a console of a log, a command field, a filter field, a list and a
// popup, no key or release the game is owed is lost to what the interface has on its way (a click
// on the log, a burst of the wheel over it, a line still reaching the field, another button's
// wheel), and no key or click the interface takes reaches the game as well (a key right after Tab,
// a letter of another layout, Escape with the click that opens a popup). A double-click is the
// person's, however slowly the frames come.
TEST_F(ImGuiBindingTest, TheGameHearsEveryKeyAndReleaseTheInterfaceDoesNotKeep)
{
  const InputEditorHooks hooks = ImGuiBinding::MakeInputHooks();
  const Input* input = StartInput(hooks);
  Console console;
  auto& [command, filter, nodeOpen, said, logScrolls, logPlace, fieldPlace, filterPlace, menuPlace, nodePlace] =
      console;
  std::string heard;  // lines the field entered and what the game heard go down and up, in order
  std::map<SDL_Keycode, bool> held;
  const auto frame = [&](const std::vector<SDL_Event>& events) {
    EditorFrame(events, [&] { console.Draw(); });
    heard += std::exchange(said, "");
    for (const SDL_Keycode code : {SDLK_d, SDLK_w, SDLK_F6, SDLK_BACKQUOTE, SDLK_RETURN, SDLK_n, SDLK_o, SDLK_c,
                                   SDLK_ESCAPE, SDLK_TAB, SDLK_x, SDLK_DELETE})
    {
      heard += input->IsKeyTriggered(code) ? std::string("+") + SDL_GetKeyName(code) + " " : "";
      heard += held[code] && !input->IsKeyPressed(code) ? std::string("-") + SDL_GetKeyName(code) + " " : "";
      held[code] = input->IsKeyPressed(code);
    }
    heard += input->IsMouseButtonTriggered(1) ? "+pan " : input->IsMouseButtonReleased(1) ? "-pan " : "";
    heard += input->IsMouseButtonTriggered(0) ? "click " : input->IsMouseButtonReleased(0) ? "release " : "";
  };
  const auto settle = [&] {
    for (int slowFrame = 0; slowFrame < 30; ++slowFrame)
      frame({});
  };
  const auto wheelAt = [](ImVec2 place, int turn = -1) {
    SDL_Event event = TestEvents::Wheel(turn);
    event.wheel.mouseX = static_cast<Sint32>(place.x);
    event.wheel.mouseY = static_cast<Sint32>(place.y);
    return event;
  };
  const auto button = [](Uint8 which, bool down, ImVec2 place) {
    return TestEvents::MouseButton(which, down, static_cast<int>(place.x), static_cast<int>(place.y));
  };
  const ImVec2 view(500.0f, 400.0f);

  ImGuiBinding::NewFrame(window);
  frame({});
  frame({});
  // D held walks the player; a click on the log, D let go and W tapped thrice come in one frame,
  // then, while the taps are still on their way, N tapped and W pressed again.
  frame({KeyWith(SDLK_d, true)});
  std::vector<SDL_Event> clickOnLog;
  Click(clickOnLog, logPlace);
  clickOnLog.push_back(KeyWith(SDLK_d, false));
  for (int tap = 0; tap < 3; ++tap)
    clickOnLog.insert(clickOnLog.end(), {KeyWith(SDLK_w, true), KeyWith(SDLK_w, false)});
  frame(clickOnLog);
  EXPECT_FALSE(input->IsKeyPressed(SDLK_d)) << "the game heard D go down, so it hears it go up";
  frame({});
  frame({});
  frame({KeyWith(SDLK_n, true), KeyWith(SDLK_n, false), KeyWith(SDLK_w, true)});
  settle();
  EXPECT_TRUE(input->IsKeyPressed(SDLK_w)) << "pressed again after its tap, W is held";
  frame({KeyWith(SDLK_w, false)});

  // Hundreds of turns of the wheel over the log in a frame, with F6 tapped amid them.
  std::vector<SDL_Event> burst(400, wheelAt(logPlace));
  burst.insert(burst.end(), {KeyWith(SDLK_F6, true), KeyWith(SDLK_F6, false)});
  burst.insert(burst.end(), 400, wheelAt(logPlace));
  frame(burst);
  settle();
  // Turned back a notch a frame, three frames in a row.
  logScrolls.clear();
  for (int turn = 0; turn < 3; ++turn)
    frame({wheelAt(logPlace, 1)});
  frame({});
  EXPECT_TRUE(logScrolls[0] > logScrolls[1] && logScrolls[1] > logScrolls[2] && logScrolls[2] > logScrolls[3])
      << "the log scrolls with each frame's turn";

  // A click into the console's field with a letter of another layout (on W's key) right after it;
  // a line typed and the back-quote a frame later, while the line still reaches the field; another
  // line, with the back-quote pressed while Return is still held.
  std::vector<SDL_Event> clickOnField, line, rolledOver;
  Click(clickOnField, fieldPlace);
  SDL_Event cyrillic = KeyWith(0x446, true);
  cyrillic.key.keysym.scancode = SDL_SCANCODE_W;
  clickOnField.insert(clickOnField.end(), {cyrillic, Text("\xd1\x86")});
  cyrillic.type = SDL_KEYUP;
  clickOnField.push_back(cyrillic);
  frame(clickOnField);
  settle();
  Typed(line, "noc");
  line.insert(line.end(), {KeyWith(SDLK_RETURN, true), KeyWith(SDLK_RETURN, false)});
  frame(line);
  frame({KeyWith(SDLK_BACKQUOTE, true), Text("`"), KeyWith(SDLK_BACKQUOTE, false)});
  settle();
  command[0] = '\0';  // whether the click is a double-click, which selects a word, matters not
  Click(rolledOver, fieldPlace);
  Typed(rolledOver, "c");
  rolledOver.insert(rolledOver.end(), {KeyWith(SDLK_RETURN, true), KeyWith(SDLK_BACKQUOTE, true), Text("`"),
                                       KeyWith(SDLK_RETURN, false), KeyWith(SDLK_BACKQUOTE, false)});
  frame(rolledOver);
  settle();

  // Tab hands the keyboard from the command field to the filter field: the frame begun lets go of
  // one field, and the next takes the keyboard as it is drawn. A key pressed in between is the
  // filter's alone, and so is one pressed while Tab is held: X is typed there, and Delete deletes
  // it (Tab selects what the field holds). The clicks are too far from the last for a double-click.
  std::vector<SDL_Event> typed;
  Click(typed, ImVec2(fieldPlace.x + 40.0f, fieldPlace.y));
  Typed(typed, "no");
  frame(typed);
  settle();
  frame({KeyWith(SDLK_TAB, true)});
  frame({});
  frame({KeyWith(SDLK_TAB, false), KeyWith(SDLK_x, true), Text("x"), KeyWith(SDLK_x, false)});
  settle();
  EXPECT_STREQ(filter, "x");
  frame(typed);
  settle();
  frame({KeyWith(SDLK_TAB, true)});
  frame({KeyWith(SDLK_DELETE, true), KeyWith(SDLK_DELETE, false), KeyWith(SDLK_TAB, false)});
  settle();
  EXPECT_STREQ(filter, "");
  frame({KeyWith(SDLK_RETURN, true), KeyWith(SDLK_RETURN, false)});  // the filter lets go of the keyboard
  settle();

  // The view panned by the middle button while the left drags the gizmo; the pointer rests over the
  // log, whose wheel turns, for frames before both are let go there; then the middle button let go
  // over the log with W pressed meanwhile, and while a turn of the wheel is on its way.
  frame({button(SDL_BUTTON_MIDDLE, true, view), button(SDL_BUTTON_LEFT, true, view)});
  frame({wheelAt(logPlace)});
  frame({wheelAt(logPlace)});
  frame({wheelAt(logPlace), button(SDL_BUTTON_MIDDLE, false, logPlace), button(SDL_BUTTON_LEFT, false, logPlace)});
  EXPECT_TRUE(input->IsMouseButtonUp(0)) << "the gizmo's drag ends in the frame it is let go";
  settle();
  frame({button(SDL_BUTTON_MIDDLE, true, view)});
  frame({button(SDL_BUTTON_MIDDLE, false, logPlace), KeyWith(SDLK_w, true)});
  EXPECT_TRUE(input->IsMouseButtonReleased(1) && input->IsKeyTriggered(SDLK_w)) << "in the frame they came";
  frame({KeyWith(SDLK_w, false), button(SDL_BUTTON_MIDDLE, true, view)});
  frame({wheelAt(logPlace), button(SDL_BUTTON_MIDDLE, false, logPlace)});
  settle();

  // Escape in the frame of the click that opens the menu is the menu's; a click beside the menu
  // closes it, and is none of the game's.
  std::vector<SDL_Event> openAndLeave, clickBeside;
  Click(openAndLeave, menuPlace);
  openAndLeave.insert(openAndLeave.end(), {KeyWith(SDLK_ESCAPE, true), KeyWith(SDLK_ESCAPE, false)});
  frame(openAndLeave);
  settle();
  EXPECT_FALSE(ImGuiBinding::IsPopupShown());
  Click(clickBeside, menuPlace);
  frame(clickBeside);
  settle();
  EXPECT_TRUE(ImGuiBinding::IsPopupShown());
  clickBeside.clear();
  Click(clickBeside, view);
  frame(clickBeside);
  settle();
  EXPECT_FALSE(ImGuiBinding::IsPopupShown());

  EXPECT_EQ(heard, "+D -D +W -W +W -W +W -W +N +W -N -W +F6 -F6 line:\xd1\x86noc +` -` line:c +` -` "
                   "+pan click -pan release +pan +W -pan -W +pan -pan menu-escape ");

  // W tapped as a click is on its way, which holds the tap back, and pressed again as its release
  // reaches the game or up to five frames later: W is held.
  for (int wait = 0; wait <= 5; ++wait)
  {
    std::vector<SDL_Event> tapBehindClick;
    Click(tapBehindClick, logPlace);
    tapBehindClick.insert(tapBehindClick.end(), {KeyWith(SDLK_w, true), KeyWith(SDLK_w, false)});
    frame(tapBehindClick);
    for (int frames = 0; frames < wait; ++frames)
      frame({});
    frame({KeyWith(SDLK_w, true)});
    settle();
    EXPECT_TRUE(input->IsKeyPressed(SDLK_w)) << "pressed again " << wait << " frames after its tap";
    frame({KeyWith(SDLK_w, false)});
    settle();
  }
  // D pressed, typing its letter, with a click on the view: the game walks and picks.
  frame({KeyWith(SDLK_d, true), Text("d"), button(SDL_BUTTON_LEFT, true, view)});
  EXPECT_TRUE(input->IsKeyTriggered(SDLK_d) && input->IsMouseButtonTriggered(0));
  frame({KeyWith(SDLK_d, false), button(SDL_BUTTON_LEFT, false, view)});

  // Clicks on the list at four frames a second are timed as they were made: two 100 ms apart open
  // it; two 600 ms apart, or one held 250 ms and another 150 ms after it, are single clicks. A click
  // on the log comes first each time, so that no click counts with the ones before.
  SteppedClock clock(0);
  ImGuiBinding::SetClock(&clock);
  Uint32 madeBefore = 0;
  const auto clicksToggleTheList = [&](const std::vector<Uint32>& pressesAndReleases) {
    frame({TestEvents::WindowSystemButton(SDL_BUTTON_LEFT, true, madeBefore), button(SDL_BUTTON_LEFT, true, logPlace),
           TestEvents::WindowSystemButton(SDL_BUTTON_LEFT, false, madeBefore),
           button(SDL_BUTTON_LEFT, false, logPlace)});
    settle();
    const bool wasOpen = nodeOpen;
    std::size_t next = 0;
    for (Uint32 frameEnd = 1000; frameEnd < 4000; frameEnd += 250)
    {
      std::vector<SDL_Event> events;
      for (; next < pressesAndReleases.size() && pressesAndReleases[next] + 1000 <= frameEnd; ++next)
      {
        const bool down = next % 2 == 0;
        events.push_back(
            TestEvents::WindowSystemButton(SDL_BUTTON_LEFT, down, madeBefore + 1000 + pressesAndReleases[next]));
        events.push_back(button(SDL_BUTTON_LEFT, down, nodePlace));
      }
      clock.Sleep(250);
      frame(events);
    }
    madeBefore += 10000;
    return nodeOpen != wasOpen;
  };
  EXPECT_TRUE(clicksToggleTheList({0, 40, 100, 140}));
  EXPECT_FALSE(clicksToggleTheList({0, 40, 600, 640}));
  EXPECT_FALSE(clicksToggleTheList({0, 250, 400, 440}));
  ImGuiBinding::SetClock(nullptr);
  ImGuiBinding::Render();
}

// Seeded random sequences of what a person does at the keyboard and the mouse (keys tapped, rolled
// over, held and repeated by the window system, with Shift and Ctrl; words typed; clicks into the
// fields, on the menu's button, on the list and the view; double-clicks quick and slow; the wheel; a
// drag), read at random frame rates from 125 down to one a second, reach the interface and the game
// as the same sequence does read at the pace it was made: the fields hold the same text, the same
// lines are entered, the menu and the list do the same, the game hears the same keys go down. No
// key let go of before the repeat delay repeats. Nothing waits but for the presses (the window
// system's repeats among them) and turns of the wheel before it, at two frames each at most (ImGui
// takes a click in two, down and up): all is done a few frames after that; then nothing is left
// waiting and the game has heard every release.
TEST_F(ImGuiBindingTest, AnyInputAtAnyFrameRateReachesItsOwnersAsAtThePaceItWasMade)
{
  struct Made
  {
    Uint32 time;  // milliseconds into the sequence
    SDL_Event event;
  };
  std::mt19937 random(20261209);
  const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const SDL_Keycode letters[] = {SDLK_w, SDLK_d, SDLK_n, SDLK_o, SDLK_c};
  const SDL_Keycode taps[] = {SDLK_TAB, SDLK_RETURN, SDLK_ESCAPE, SDLK_DELETE, SDLK_BACKQUOTE, SDLK_w, SDLK_n};
  const SDL_Keycode used[] = {SDLK_TAB, SDLK_RETURN, SDLK_ESCAPE, SDLK_DELETE, SDLK_BACKQUOTE, SDLK_w, SDLK_d,
                              SDLK_n,   SDLK_o,      SDLK_c,      SDLK_a,      SDLK_LSHIFT,    SDLK_LCTRL};
  constexpr int FewFrames = 4;
  Console console;
  SteppedClock clock(0);
  ImGuiBinding::SetClock(&clock);

  // What the person does, in the order it was made; a key or button goes down again only once up.
  const auto makeSequence = [&] {
    std::vector<Made> made;
    std::map<int, Uint32> freeAt;
    const auto key = [&](SDL_Keycode code, Uint32 at, Uint32 held) {
      at = std::max(at, freeAt[code]);
      made.push_back({at, TestEvents::Key(code, true)});
      for (Uint32 repeat = at + 500; repeat < at + held; repeat += 40)  // the window system's auto-repeat
        made.push_back({repeat, TestEvents::Key(code, true, true)});
      made.push_back({at + held, TestEvents::Key(code, false)});
      freeAt[code] = at + held + 1;
    };
    const auto click = [&](Uint8 button, ImVec2 place, Uint32 at, Uint32 held, ImVec2 releasePlace) {
      at = std::max(at, freeAt[-button]);
      made.push_back({at, TestEvents::MouseButton(button, true, int(place.x), int(place.y))});
      made.push_back({at + held, TestEvents::MouseButton(button, false, int(releasePlace.x), int(releasePlace.y))});
      freeAt[-button] = at + held + 1;
    };
    const ImVec2 view(500.0f, 400.0f);
    const ImVec2 places[] = {console.fieldPlace, console.filterPlace, console.menuPlace, console.nodePlace, view,
                             console.logPlace};
    Uint32 at = 0;
    for (int gesture = between(3, 12); gesture > 0; --gesture, at += between(10, 400))
    {
      switch (between(0, 8))
      {
        case 0:
          key(taps[between(0, 6)], at, between(15, 200));
          break;
        case 1:  // a word, each letter pressed before the last is let go of as often as not
          for (int letter = between(2, 5), next = at; letter > 0; --letter, next += between(30, 90))
            key(letters[between(0, 4)], next, between(40, 130));
          break;
        case 2:  // Ctrl+A, Shift+Tab or a capital, the modifier let go of first as often as not
        {
          const SDL_Keycode modifier = between(0, 2) == 0 ? SDLK_LCTRL : SDLK_LSHIFT;
          const SDL_Keycode code = modifier == SDLK_LCTRL ? SDLK_a : between(0, 1) ? SDLK_TAB : letters[between(0, 4)];
          key(code, at + between(20, 80), between(15, 150));
          key(modifier, at, std::max(10, int(freeAt[code]) - int(at) + between(-60, 60)));
          break;
        }
        case 3:  // held past the window system's repeat delay
          key(letters[between(0, 1)], at, between(300, 1500));
          break;
        case 4:
        case 5:  // a click, and a second one quick or slow
        {
          const ImVec2 place = places[between(0, 5)];
          click(SDL_BUTTON_LEFT, place, at, between(30, 150), place);
          if (between(0, 1))
            click(SDL_BUTTON_LEFT, place, freeAt[-SDL_BUTTON_LEFT] + between(30, 600), between(30, 150), place);
          break;
        }
        case 6:
        {
          const ImVec2 place = places[between(4, 5)];
          for (int turn = between(1, 4), next = at; turn > 0; --turn, next += between(10, 30))
          {
            SDL_Event wheel = TestEvents::Wheel(-1);
            wheel.wheel.mouseX = int(place.x);
            wheel.wheel.mouseY = int(place.y);
            made.push_back({Uint32(next), wheel});
          }
          break;
        }
        default:
          click(between(0, 1) ? SDL_BUTTON_MIDDLE : SDL_BUTTON_RIGHT, view, at, between(100, 800),
                places[between(4, 5)]);
      }
    }
    Uint32 end = 0;
    for (const auto& [code, free] : freeAt)
      end = std::max(end, free);
    click(SDL_BUTTON_LEFT, view, end + 400, 60, view);  // leaves no field or menu open
    std::stable_sort(made.begin(), made.end(), [](const Made& a, const Made& b) { return a.time < b.time; });
    // The modifiers as SDL reports them with each key, and the text of what a key types.
    std::vector<Made> withText;
    Uint16 modifiers = KMOD_NONE;
    for (Made& one : made)
    {
      const SDL_Keycode code = one.event.key.keysym.sym;
      if (one.event.type == SDL_KEYDOWN || one.event.type == SDL_KEYUP)
      {
        const Uint16 flag = code == SDLK_LCTRL ? KMOD_LCTRL : code == SDLK_LSHIFT ? KMOD_LSHIFT : KMOD_NONE;
        modifiers = one.event.type == SDL_KEYDOWN ? modifiers | flag : modifiers & ~flag;
        one.event.key.keysym.mod = modifiers;
      }
      withText.push_back(one);
      const bool typesText = (code >= SDLK_a && code <= SDLK_z) || code == SDLK_BACKQUOTE;
      if (one.event.type == SDL_KEYDOWN && typesText && !(modifiers & KMOD_CTRL))
      {
        const char typed = static_cast<char>((modifiers & KMOD_SHIFT) ? std::toupper(code) : code);
        withText.push_back({one.time, Text(std::string(1, typed).c_str())});
      }
    }
    return withText;
  };

  // The sequence read in frames ending at the times given and as many more of the last length as
  // it takes to settle: the fields, the lines and Escapes, the list, and the keys the game heard go
  // down, in order.
  const auto run = [&](const std::vector<Made>& made, std::vector<Uint32> frameEnds, std::string& failures) {
    ImGuiBinding::Shutdown();
    ImGuiBinding::Init(window);
    ImGui::GetIO().IniFilename = nullptr;
    std::string outcome;
    const InputEditorHooks binding = ImGuiBinding::MakeInputHooks();
    InputEditorHooks hooks = binding;
    SDL_Event last{};
    hooks.observeEvent = [&](const SDL_Event& event) { binding.observeEvent(last = event); };
    const auto heardDown = [&](const SDL_Event& event) {
      if (event.type == SDL_KEYDOWN && event.key.repeat == 0)
        outcome += std::string("+") + SDL_GetKeyName(event.key.keysym.sym) + " ";
    };
    hooks.isKeyboardCaptured = [&] {
      const bool kept = binding.isKeyboardCaptured();
      if (!kept)
        heardDown(last);
      return kept;
    };
    hooks.takeKeysLeftToGame = [&] {
      std::vector<SDL_Event> keys = binding.takeKeysLeftToGame();
      std::for_each(keys.begin(), keys.end(), heardDown);
      return keys;
    };
    Input::Shutdown();
    const Input* input = StartInput(hooks);
    const auto frame = [&] {
      Input::Instance()->Update();
      if (!ImGui::GetIO().InputQueueCharacters.empty() && ImGui::IsKeyPressed(SDLK_ESCAPE, false))
        failures += "text with Escape; ";  // the field would show a stale copy of its text
      console.Draw();
      for (const SDL_Keycode code : {SDLK_TAB, SDLK_RETURN, SDLK_ESCAPE, SDLK_DELETE, SDLK_a})
      {
        if (ImGui::IsKeyPressed(code, true) && !ImGui::IsKeyPressed(code, false))
          failures += std::string(SDL_GetKeyName(code)) + " repeated; ";
      }
      ImGui::Render();
      ImGuiBinding::NewFrame(window);
    };
    console = Console();
    ImGuiBinding::NewFrame(window);
    frame();
    frame();  // the console is laid out unseen in its first frame
    const Uint32 start = static_cast<Uint32>(clock.NowUs() / 1000);
    for (const Uint32 length = frameEnds.back() - frameEnds[frameEnds.size() - 2]; frameEnds.size() < 1000;)
      frameEnds.push_back(frameEnds.back() + length);
    std::size_t next = 0;
    int frames = 0, inputFrames = 0, lastChange = 0;
    std::vector<int> pressFrames;  // the frame each press was read in
    std::string shown;
    for (const Uint32 end : frameEnds)
    {
      clock.Sleep(start + end - clock.NowUs() / 1000);
      for (; next < made.size() && made[next].time <= end; ++next, inputFrames = frames + 1)
      {
        const SDL_Event& event = made[next].event;
        if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEWHEEL || event.type == SDL_KEYDOWN)
          pressFrames.push_back(frames + 1);
        if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP)
          TestEvents::Push(TestEvents::WindowSystemButton(event.button.button, event.button.state == SDL_PRESSED,
                                                          start + made[next].time));
        TestEvents::Push(event);
      }
      frame();
      outcome += std::exchange(console.said, "");
      const bool busy = binding.isKeyboardCaptured() || binding.isMouseOverInterface();
      const std::string now = outcome + "|" + console.command + "|" + console.filter +
                              (console.nodeOpen ? "|open" : "") + (busy ? "|busy" : "");
      ++frames;
      if (std::exchange(shown, now) != now)
        lastChange = frames;
      if (next == made.size() && !busy && frames > std::max(lastChange, inputFrames) + 3 * FewFrames)
        break;
    }
    int needed = inputFrames;
    for (std::size_t press = 0; press < pressFrames.size(); ++press)
      needed = std::max(needed, pressFrames[press] + 2 * static_cast<int>(pressFrames.size() - press));
    if (lastChange > needed + FewFrames)
      failures += "done in " + std::to_string(lastChange) + " frames, needed " + std::to_string(needed) + "; ";
    if (shown.find("busy") != std::string::npos)
      failures += "left waiting; ";
    for (const SDL_Keycode code : used)
      failures += input->IsKeyPressed(code) ? std::string(SDL_GetKeyName(code)) + " held; " : "";
    for (int button = 0; button < 3; ++button)
      failures += input->IsMouseButtonPressed(button) ? "a button held; " : "";
    return shown;
  };

  ImGuiBinding::NewFrame(window);
  console.Draw();  // where its fields and buttons are
  ImGui::Render();
  for (int sequence = 0; sequence < 500; ++sequence)
  {
    const std::vector<Made> made = makeSequence();
    std::vector<Uint32> atItsPace;  // a frame as each thing is made, and two more
    for (const Made& one : made)
    {
      if (atItsPace.empty() || one.time > atItsPace.back())
        atItsPace.insert(atItsPace.end(), {one.time, one.time + 1, one.time + 2});
    }
    std::vector<Uint32> slow{0};
    const int rate = between(0, 2);  // from 125 to one a second; three or four a second; hitches
    while (slow.back() < made.back().time)
      slow.push_back(slow.back() + (rate == 0   ? between(8, 1000)
                                    : rate == 1 ? between(250, 350)
                                    : between(0, 9) ? 8
                                                    : between(300, 1000)));
    std::string failures;
    const std::string expected = run(made, atItsPace, failures);
    EXPECT_EQ(failures, "") << "at its pace, sequence " << sequence;
    failures.clear();
    EXPECT_EQ(expected, run(made, slow, failures)) << "sequence " << sequence << ", rate " << rate;
    ASSERT_EQ(failures, "") << "sequence " << sequence << ", rate " << rate;
  }
  ImGuiBinding::SetClock(nullptr);
}

