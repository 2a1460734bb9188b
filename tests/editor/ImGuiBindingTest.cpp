#include "editor/ImGuiBinding.h"

#include "input/Input.h"
#include "support/TestEvents.h"

#include <GL/glew.h>
#include <SDL.h>
#include <gtest/gtest.h>
#include <imgui.h>

#include <cctype>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace
{
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

  static ImVec2 ItemCentre()
  {
    return ImVec2((ImGui::GetItemRectMin().x + ImGui::GetItemRectMax().x) / 2.0f,
                  (ImGui::GetItemRectMin().y + ImGui::GetItemRectMax().y) / 2.0f);
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
  EXPECT_EQ(-1.0f, io.MousePos.x) << "a hidden window has no mouse focus";
  EXPECT_EQ(-1.0f, io.MousePos.y);
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

  EXPECT_TRUE(ImGuiBinding::ProcessEvent(Key(SDL_KEYDOWN, SDLK_a)));
  ImGuiBinding::ProcessEvent(Key(SDL_KEYDOWN, SDLK_LEFT));
  EXPECT_EQ(SDL_SCANCODE_LEFT, io.KeyMap[ImGuiKey_LeftArrow]);
  ImGuiBinding::ProcessEvent(Key(SDL_KEYUP, SDLK_a));
  EXPECT_FALSE(io.KeysDown[SDLK_a]) << "keys reach ImGui as a frame begins";
  ImGuiBinding::NewFrame(window);
  EXPECT_TRUE(io.KeysDown[SDLK_a]) << "a tap is down for one frame";
  EXPECT_TRUE(io.KeysDown[SDL_SCANCODE_LEFT]);
  ImGuiBinding::Render();
  ImGuiBinding::NewFrame(window);
  EXPECT_FALSE(io.KeysDown[SDLK_a]);
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
  char command[32] = "";
  char filter[32] = "";
  bool nodeOpen = false;
  std::vector<float> logScrolls;
  ImVec2 logPlace, fieldPlace, menuPlace, nodePlace;
  std::string heard;  // lines the field entered and what the game heard go down and up, in order
  std::map<SDL_Keycode, bool> held;
  const auto frame = [&](const std::vector<SDL_Event>& events) {
    EditorFrame(events, [&] {
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
        heard += std::string("line:") + command + " ";
      fieldPlace = ItemCentre();
      ImGui::InputText("Filter", filter, sizeof(filter));
      if (ImGui::Button("Menu"))
        ImGui::OpenPopup("Menu");
      menuPlace = ItemCentre();
      ImGui::SetNextWindowPos(ImVec2(340.0f, 20.0f));
      if (ImGui::BeginPopup("Menu"))
      {
        ImGui::Text("Cut");
        if (ImGui::IsKeyPressed(ImGui::GetKeyIndex(ImGuiKey_Escape), false))
        {
          heard += "menu-escape ";
          ImGui::CloseCurrentPopup();
        }
        ImGui::EndPopup();
      }
      nodeOpen = ImGui::TreeNodeEx("Crate", ImGuiTreeNodeFlags_OpenOnDoubleClick);
      nodePlace = ItemCentre();
      if (nodeOpen)
        ImGui::TreePop();
      ImGui::End();
    });
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

  // A double-click on the list at five frames a second: its two clicks come in one frame's events,
  // and the interface takes them a frame apart.
  std::vector<SDL_Event> doubleClick;
  Click(doubleClick, nodePlace);
  Click(doubleClick, nodePlace);
  frame(doubleClick);
  for (int slowFrame = 0; slowFrame < 5; ++slowFrame)
  {
    SDL_Delay(200);
    frame({});
  }
  EXPECT_TRUE(nodeOpen);

  EXPECT_EQ(heard, "+D -D +W -W +W -W +W -W +N +W -N -W +F6 -F6 line:\xd1\x86noc +` -` line:c +` -` "
                   "+pan click -pan release +pan +W -pan -W +pan -pan menu-escape ");
  ImGuiBinding::Render();
}
