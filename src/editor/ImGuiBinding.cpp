#include "editor/ImGuiBinding.h"

#include "core/Log.h"

#include <GL/glew.h>  // Required for: the GL 3.3 entry points (before any other GL header)
#include <SDL.h>
#include <imgui.h>
#include <imgui_internal.h>  // Required for: the popup stack, the windows and the keyboard focus's moves

#include <algorithm>
#include <array>
#include <bitset>
#include <cfloat>
#include <cstdint>
#include <deque>
#include <optional>
#include <utility>

namespace
{
double previousFrameTime = 0.0;  // seconds; 0 before the first frame
// io.KeysDown has this many entries; larger key codes (other keyboard layouts) are not ImGui's.
constexpr int KeyCount = static_cast<int>(sizeof(ImGuiIO::KeysDown) / sizeof(ImGuiIO::KeysDown[0]));
// The modifiers (control, shift, alt, super) follow the keys in the places a change can name.
constexpr int ModifierCount = 4;
constexpr int PlaceCount = KeyCount + ModifierCount;
// ImGui's mouse buttons: left, right, middle.
constexpr int MouseButtonCount = 3;
constexpr int WheelPlace = -1;
// A key ImGui has no place for (another keyboard layout's): queued only for the game to hear.
constexpr int NoPlace = -1;
// Where ImGui finds none of its windows: a change the game took is handed over there.
const ImVec2 NowhereOnTheInterface(-FLT_MAX, -FLT_MAX);

// A key or modifier that went down or up, text typed, a mouse button that went down or up or a
// turn of the wheel, as SDL delivered it. ImGui 1.86 takes a frame's input all at once, and a
// text field takes the characters before the shortcuts: Ctrl+A and the next letter in one frame
// would select the letter with the rest and type over it, and a click on a button would act
// before the letters typed ahead of it. So the changes wait here in their order, and NewFrame
// hands ImGui as many as it can see apart in one frame (see ApplyPendingInput).
struct InputChange
{
  enum class Kind
  {
    Key,
    Text,
    Mouse,
  };
  Kind kind = Kind::Key;
  int place = 0;  // keys: an io.KeysDown index, or KeyCount + a modifier; the mouse: a button or WheelPlace
  bool down = false;
  std::string text;  // UTF-8
  float wheel = 0.0f;
  ImVec2 position;              // the mouse's: where the pointer was, or NowhereOnTheInterface
  bool interfaceOwned = false;  // the mouse's: the interface keeps it (see MakeInputHooks)
  Uint32 time = 0;              // the mouse's: SDL's stamp, in milliseconds
  // Keys: the event as SDL gave it, while the game waits to learn whether it is its own; the game
  // hears it unless the interface keeps the keyboard as the key reaches it.
  std::optional<SDL_Event> undecidedForGame;

  static InputChange Key(int place, bool down) { return {Kind::Key, place, down, {}, 0.0f, {}, false, 0, {}}; }
  static InputChange Text(const char* text) { return {Kind::Text, 0, false, text, 0.0f, {}, false, 0, {}}; }
  static InputChange Mouse(int place, bool down, float wheel, ImVec2 position, bool interfaceOwned, Uint32 time)
  {
    return {Kind::Mouse, place, down, {}, wheel, interfaceOwned ? position : NowhereOnTheInterface, interfaceOwned,
            time, {}};
  }
};
std::deque<InputChange> pendingInput;
// The modifiers as the last queued change left them.
std::array<bool, ModifierCount> queuedModifiers = {};
// Whether each button's press, as queued, went to the interface; its release follows it.
std::array<bool, MouseButtonCount> pressOwnedByInterface = {};
// When each button was last pressed, as SDL stamped it (see TimePress).
std::array<std::optional<Uint32>, MouseButtonCount> previousPressTime = {};
// The turn of the wheel queued since the last NewFrame, which later turns join.
std::optional<std::size_t> wheelChangeOfThisFrame;
// What the last NewFrame handed over, a mouse change of the interface's or a key or text: the
// frame drawn with it has yet to show what it did.
bool interfaceMouseChangeUndrawn = false;
bool keyboardChangeUndrawn = false;
// The held-back key events the interface did not keep, for the game's input to take.
std::vector<SDL_Event> keysLeftToGame;
GLuint fontTexture = 0;
GLuint shaderProgram = 0;
GLuint vertexShader = 0;
GLuint fragmentShader = 0;
GLint textureLocation = -1;
GLint projectionLocation = -1;
GLint positionLocation = -1;
GLint uvLocation = -1;
GLint colorLocation = -1;
GLuint vertexBuffer = 0;
GLuint elementBuffer = 0;
GLuint vertexArray = 0;
std::vector<std::string> droppedFiles;
std::string clipboardCopy;  // SDL's copy is freed at once; ImGui reads ours until the next call

const char* const VertexShaderSource =
    "#version 330\n"
    "uniform mat4 ProjMtx;\n"
    "in vec2 Position;\n"
    "in vec2 UV;\n"
    "in vec4 Color;\n"
    "out vec2 Frag_UV;\n"
    "out vec4 Frag_Color;\n"
    "void main()\n"
    "{\n"
    "\tFrag_UV = UV;\n"
    "\tFrag_Color = Color;\n"
    "\tgl_Position = ProjMtx * vec4(Position.xy,0,1);\n"
    "}\n";

const char* const FragmentShaderSource =
    "#version 330\n"
    "uniform sampler2D Texture;\n"
    "in vec2 Frag_UV;\n"
    "in vec4 Frag_Color;\n"
    "out vec4 Out_Color;\n"
    "void main()\n"
    "{\n"
    "\tOut_Color = Frag_Color * texture( Texture, Frag_UV.st);\n"
    "}\n";

bool CompileShader(GLuint shader, const char* source, const char* kind)
{
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint status = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
  if (status == GL_TRUE)
    return true;
  char log[1024] = {};
  glGetShaderInfoLog(shader, sizeof(log), nullptr, log);
  LogError("ImGui ", kind, " shader did not compile: ", log);
  return false;
}

void CreateFontsTexture()
{
  ImGuiIO& io = ImGui::GetIO();
  unsigned char* pixels = nullptr;
  int width = 0, height = 0;
  io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);

  GLint lastTexture = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &lastTexture);
  glGenTextures(1, &fontTexture);
  glBindTexture(GL_TEXTURE_2D, fontTexture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
  io.Fonts->SetTexID(reinterpret_cast<ImTextureID>(static_cast<std::intptr_t>(fontTexture)));
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(lastTexture));
}

bool& DownStateAt(ImGuiIO& io, int place)
{
  if (place < KeyCount)
    return io.KeysDown[place];
  bool* const modifiers[ModifierCount] = {&io.KeyCtrl, &io.KeyShift, &io.KeyAlt, &io.KeySuper};
  return *modifiers[place - KeyCount];
}

// Whether the interface keeps the keys, as the last frame drawn left it: one of its text fields has
// the keyboard, or a popup is shown (Escape there closes the popup, and must neither end the
// editor nor pause the game behind it), or Tab hands the keyboard on to the next field: the frame
// that begins has let go of the field left and gives the next one the keyboard as it is drawn, so
// between the two no field is active. Not io.WantTextInput: it trails a Return that lets go of a
// field by a frame.
bool InterfaceKeepsKeyboard()
{
  const ImGuiContext& context = *ImGui::GetCurrentContext();
  return (context.ActiveId != 0 && context.ActiveId == context.InputTextState.ID) ||
         context.NavActivateInputId != 0 || ImGuiBinding::IsPopupShown();
}

// ImGui tells a double-click by the time between two presses on its own clock, which steps a frame
// at a time: the presses handed over a frame or two apart, a quick double-click looks slow at a
// few frames a second. So ImGui is given the time between them as SDL stamped them.
void TimePress(ImGuiIO& io, int button, Uint32 time)
{
  if (const std::optional<Uint32> previous = std::exchange(previousPressTime[button], time))
  {
    const double frameTime = ImGui::GetTime() + io.DeltaTime;  // ImGui's clock in the frame about to begin
    io.MouseClickedTime[button] = frameTime - static_cast<Uint32>(time - *previous) / 1000.0;
  }
}

// Hands ImGui the waiting changes in order, stopping before one it could not tell apart from what
// this frame already got: a key or modifier changing a second time (a tap is down for a frame,
// up the next), a key changing after text, text after a key change, and a mouse change of the
// interface's with anything else (a frame has one pointer position, and a click moves the
// keyboard's focus). The game's mouse changes reach ImGui where none of its windows is, so they
// go along with anything but a click of the interface's. Keys and text also wait out a frame in
// which a field may be given the keyboard, by the code (a popup's field as it opens) or by Tab:
// the field ignores the keys of the frame it takes the keyboard in. A key the game waits on is
// the game's unless the interface keeps the keyboard as the frame just drawn left it; while it
// does, such a key waits for a frame that hands over no key or text before it (a Return may let
// go of the keyboard). Whatever is left waits for the next frame.
void ApplyPendingInput(ImGuiIO& io)
{
  interfaceMouseChangeUndrawn = false;
  keyboardChangeUndrawn = false;
  wheelChangeOfThisFrame.reset();
  const ImGuiContext& context = *ImGui::GetCurrentContext();
  const ImGuiNavMoveFlags focusMoves = ImGuiNavMoveFlags_FocusApi | ImGuiNavMoveFlags_Tabbing;
  const bool keyboardFocusMoving = context.NavMoveSubmitted && (context.NavMoveFlags & focusMoves) != 0;
  const bool keyboardKept = InterfaceKeepsKeyboard();
  std::bitset<PlaceCount> changed;
  bool textAdded = false;
  bool gameMouseChanged = false;
  for (; !pendingInput.empty(); pendingInput.pop_front())
  {
    const InputChange& change = pendingInput.front();
    if (interfaceMouseChangeUndrawn || (keyboardFocusMoving && change.kind != InputChange::Kind::Mouse))
      return;
    if (change.kind == InputChange::Kind::Mouse)
    {
      if (change.interfaceOwned && (changed.any() || textAdded || gameMouseChanged))
        return;
      io.MousePos = change.position;
      if (change.place == WheelPlace)
        io.MouseWheel = change.wheel;
      else
      {
        if (change.down)
          TimePress(io, change.place, change.time);
        io.MouseDown[change.place] = change.down;
      }
      interfaceMouseChangeUndrawn = change.interfaceOwned;
      gameMouseChanged = !change.interfaceOwned;
      continue;
    }
    if (change.kind == InputChange::Kind::Text)
    {
      if (changed.any())
        return;
      io.AddInputCharactersUTF8(change.text.c_str());
      textAdded = true;
      keyboardChangeUndrawn = true;
      continue;
    }
    if (change.undecidedForGame && keyboardKept && (changed.any() || textAdded))
      return;
    if (change.place != NoPlace)
    {
      bool& down = DownStateAt(io, change.place);
      if (down != change.down)  // else a repeat of a held key
      {
        if (changed[change.place] || textAdded)
          return;
        down = change.down;
        changed.set(change.place);
        keyboardChangeUndrawn = true;
      }
    }
    if (change.undecidedForGame && !keyboardKept)
      keysLeftToGame.push_back(*change.undecidedForGame);
  }
}

// Whether a change still waiting for NewFrame is of the kind asked for.
template <typename Predicate>
bool AnyPending(Predicate isOfKind)
{
  return std::any_of(pendingInput.begin(), pendingInput.end(), isOfKind);
}

bool IsInterfaceMouseChangeOnItsWay()
{
  return interfaceMouseChangeUndrawn || AnyPending([](const InputChange& change) { return change.interfaceOwned; });
}

bool HoldsKeysBack()
{
  return AnyPending([](const InputChange& change) { return change.undecidedForGame.has_value(); });
}

bool IsKeyOrTextOnItsWay()
{
  return keyboardChangeUndrawn ||
         AnyPending([](const InputChange& change) { return change.kind != InputChange::Kind::Mouse; });
}

// Whether something on its way to the interface may change whether it keeps a key that comes now,
// by the time the key reaches it: a mouse change of its own (a click may give a field the
// keyboard), keys and text while it keeps the keyboard (a Return may let go of it), or a key held
// back already (the game hears its keys in the order they came).
bool IsKeysOwnerOnItsWay()
{
  return IsInterfaceMouseChangeOnItsWay() || HoldsKeysBack() || (InterfaceKeepsKeyboard() && IsKeyOrTextOnItsWay());
}

// Whether one of the windows ImGui drew last lies under the place, as ImGui finds the window
// under the pointer.
bool IsOverInterfaceWindow(const ImGuiContext& context, ImVec2 place)
{
  for (const ImGuiWindow* window : context.Windows)
  {
    if (!window->WasActive || window->Hidden || (window->Flags & ImGuiWindowFlags_NoMouseInputs) != 0)
      continue;
    ImRect bounds = window->OuterRectClipped;
    bounds.Expand(context.WindowsHoverPadding);
    if (bounds.Contains(place))
      return true;
  }
  return false;
}

// See MakeInputHooks in the header.
bool InterfaceTakesMouseAt(ImVec2 place)
{
  return ImGuiBinding::IsPopupShown() || ImGui::IsAnyItemActive() || IsInterfaceMouseChangeOnItsWay() ||
         IsOverInterfaceWindow(*ImGui::GetCurrentContext(), place);
}

// ImGui's number of an SDL mouse button; -1 for one ImGui has no place for.
int ImGuiButtonOf(Uint8 sdlButton)
{
  switch (sdlButton)
  {
    case SDL_BUTTON_LEFT:
      return 0;
    case SDL_BUTTON_RIGHT:
      return 1;
    case SDL_BUTTON_MIDDLE:
      return 2;
    default:
      return -1;
  }
}

void SetEnabled(GLenum capability, GLboolean enabled)
{
  if (enabled)
    glEnable(capability);
  else
    glDisable(capability);
}
}  // namespace

void ImGuiBinding::Init(SDL_Window*)
{
  if (ImGui::GetCurrentContext() == nullptr)
    ImGui::CreateContext();
  ImGuiIO& io = ImGui::GetIO();
  io.BackendPlatformName = "brindle_sdl2";
  io.BackendRendererName = "brindle_opengl3";
  io.BackendFlags |= ImGuiBackendFlags_RendererHasVtxOffset;  // large lists keep 16-bit indices

  // Keys that are characters use SDL key codes; the others use scancodes, which is what a key
  // code becomes once its scancode flag is cleared (see ProcessEvent).
  io.KeyMap[ImGuiKey_Tab] = SDLK_TAB;
  io.KeyMap[ImGuiKey_LeftArrow] = SDL_SCANCODE_LEFT;
  io.KeyMap[ImGuiKey_RightArrow] = SDL_SCANCODE_RIGHT;
  io.KeyMap[ImGuiKey_UpArrow] = SDL_SCANCODE_UP;
  io.KeyMap[ImGuiKey_DownArrow] = SDL_SCANCODE_DOWN;
  io.KeyMap[ImGuiKey_PageUp] = SDL_SCANCODE_PAGEUP;
  io.KeyMap[ImGuiKey_PageDown] = SDL_SCANCODE_PAGEDOWN;
  io.KeyMap[ImGuiKey_Home] = SDL_SCANCODE_HOME;
  io.KeyMap[ImGuiKey_End] = SDL_SCANCODE_END;
  io.KeyMap[ImGuiKey_Delete] = SDLK_DELETE;
  io.KeyMap[ImGuiKey_Backspace] = SDLK_BACKSPACE;
  io.KeyMap[ImGuiKey_Enter] = SDLK_RETURN;
  io.KeyMap[ImGuiKey_Escape] = SDLK_ESCAPE;
  io.KeyMap[ImGuiKey_A] = SDLK_a;
  io.KeyMap[ImGuiKey_C] = SDLK_c;
  io.KeyMap[ImGuiKey_V] = SDLK_v;
  io.KeyMap[ImGuiKey_X] = SDLK_x;
  io.KeyMap[ImGuiKey_Y] = SDLK_y;
  io.KeyMap[ImGuiKey_Z] = SDLK_z;

  io.SetClipboardTextFn = SetClipboardText;
  io.GetClipboardTextFn = GetClipboardText;
  io.ClipboardUserData = nullptr;

  previousFrameTime = 0.0;
  pendingInput.clear();
  queuedModifiers.fill(false);
  pressOwnedByInterface.fill(false);
  previousPressTime.fill(std::nullopt);
  wheelChangeOfThisFrame.reset();
  interfaceMouseChangeUndrawn = false;
  keyboardChangeUndrawn = false;
  keysLeftToGame.clear();
}

void ImGuiBinding::Shutdown()
{
  InvalidateDeviceObjects();
  if (ImGui::GetCurrentContext() != nullptr)
    ImGui::DestroyContext();
}

bool ImGuiBinding::ProcessEvent(const SDL_Event& event)
{
  if (ImGui::GetCurrentContext() == nullptr)
    return false;  // events pumped before Init or after Shutdown are not ImGui's
  switch (event.type)
  {
    case SDL_MOUSEWHEEL:
    {
      // A turn the game takes scrolls nothing of the interface's: it is not handed over at all.
      // The turns that come before the next frame reach the interface together, where the first
      // came: a burst faster than the frames would otherwise take a frame a turn.
      const ImVec2 position(static_cast<float>(event.wheel.mouseX), static_cast<float>(event.wheel.mouseY));
      if (event.wheel.y == 0 || !InterfaceTakesMouseAt(position))
        return true;
      const float turn = event.wheel.y > 0 ? 1.0f : -1.0f;
      if (wheelChangeOfThisFrame)
        pendingInput[*wheelChangeOfThisFrame].wheel += turn;
      else
      {
        wheelChangeOfThisFrame = pendingInput.size();
        pendingInput.push_back(InputChange::Mouse(WheelPlace, false, turn, position, true, event.wheel.timestamp));
      }
      return true;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    {
      const int button = ImGuiButtonOf(event.button.button);
      if (button < 0)
        return true;
      const ImVec2 position(static_cast<float>(event.button.x), static_cast<float>(event.button.y));
      const bool down = event.type == SDL_MOUSEBUTTONDOWN;
      if (down)
        pressOwnedByInterface[button] = InterfaceTakesMouseAt(position);
      pendingInput.push_back(
          InputChange::Mouse(button, down, 0.0f, position, pressOwnedByInterface[button], event.button.timestamp));
      return true;
    }
    case SDL_TEXTINPUT:
      if (event.text.text[0] != '\0')
        pendingInput.push_back(InputChange::Text(event.text.text));
      return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    {
      // Asked before this key's own changes are queued.
      const bool ownerOnItsWay = IsKeysOwnerOnItsWay();
      const Uint16 flags = event.key.keysym.mod;
      const std::array<bool, ModifierCount> modifiers = {(flags & KMOD_CTRL) != 0, (flags & KMOD_SHIFT) != 0,
                                                         (flags & KMOD_ALT) != 0, (flags & KMOD_GUI) != 0};
      for (int modifier = 0; modifier < ModifierCount; ++modifier)
      {
        if (modifiers[modifier] != queuedModifiers[modifier])
          pendingInput.push_back(InputChange::Key(KeyCount + modifier, modifiers[modifier]));
      }
      queuedModifiers = modifiers;
      const int key = event.key.keysym.sym & ~SDLK_SCANCODE_MASK;
      const bool hasPlace = key >= 0 && key < KeyCount;
      InputChange change = InputChange::Key(hasPlace ? key : NoPlace, event.type == SDL_KEYDOWN);
      if (ownerOnItsWay)
        change.undecidedForGame = event;
      if (hasPlace || ownerOnItsWay)
        pendingInput.push_back(std::move(change));
      return true;
    }
    default:
      return false;
  }
}

void ImGuiBinding::NewFrame(SDL_Window* window)
{
  if (fontTexture == 0)
    CreateDeviceObjects();

  ImGuiIO& io = ImGui::GetIO();
  int width = 0, height = 0, drawableWidth = 0, drawableHeight = 0;
  SDL_GetWindowSize(window, &width, &height);
  SDL_GL_GetDrawableSize(window, &drawableWidth, &drawableHeight);
  io.DisplaySize = ImVec2(static_cast<float>(width), static_cast<float>(height));
  io.DisplayFramebufferScale = ImVec2(width > 0 ? static_cast<float>(drawableWidth) / width : 0.0f,
                                      height > 0 ? static_cast<float>(drawableHeight) / height : 0.0f);

  const double now = SDL_GetTicks() / 1000.0;
  // Two frames inside one millisecond tick would give ImGui a zero step, which it refuses.
  const double delta = previousFrameTime > 0.0 ? now - previousFrameTime : 1.0 / 60.0;
  io.DeltaTime = delta > 0.0 ? static_cast<float>(delta) : 0.001f;
  previousFrameTime = now;

  int mouseX = 0, mouseY = 0;
  SDL_GetMouseState(&mouseX, &mouseY);
  if (SDL_GetWindowFlags(window) & SDL_WINDOW_MOUSE_FOCUS)
    io.MousePos = ImVec2(static_cast<float>(mouseX), static_cast<float>(mouseY));
  else
    io.MousePos = ImVec2(-1.0f, -1.0f);
  io.MouseWheel = 0.0f;

  // Only here, between frames: ImGui refuses modifiers that change inside a frame, and the game
  // pumps its events inside one. A mouse change handed over puts the pointer where it was then.
  ApplyPendingInput(io);

  SDL_ShowCursor(io.MouseDrawCursor ? SDL_DISABLE : SDL_ENABLE);
  ImGui::NewFrame();
}

void ImGuiBinding::Render()
{
  ImGui::Render();
  RenderDrawLists(ImGui::GetDrawData());
}

void ImGuiBinding::RenderDrawLists(ImDrawData* drawData)
{
  if (drawData == nullptr || shaderProgram == 0)
    return;
  const ImGuiIO& io = ImGui::GetIO();
  const int framebufferWidth = static_cast<int>(io.DisplaySize.x * io.DisplayFramebufferScale.x);
  const int framebufferHeight = static_cast<int>(io.DisplaySize.y * io.DisplayFramebufferScale.y);
  if (framebufferWidth <= 0 || framebufferHeight <= 0)
    return;
  drawData->ScaleClipRects(io.DisplayFramebufferScale);

  GLint lastProgram, lastTexture, lastActiveTexture, lastArrayBuffer, lastElementBuffer, lastVertexArray;
  GLint lastBlendSource, lastBlendDestination, lastBlendEquationRgb, lastBlendEquationAlpha;
  GLint lastViewport[4], lastScissorBox[4];
  glGetIntegerv(GL_CURRENT_PROGRAM, &lastProgram);
  glGetIntegerv(GL_ACTIVE_TEXTURE, &lastActiveTexture);
  glActiveTexture(GL_TEXTURE0);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &lastTexture);
  glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &lastArrayBuffer);
  glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &lastVertexArray);
  // The element buffer belongs to the vertex array bound now; it comes back with that array.
  glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &lastElementBuffer);
  glGetIntegerv(GL_BLEND_SRC, &lastBlendSource);
  glGetIntegerv(GL_BLEND_DST, &lastBlendDestination);
  glGetIntegerv(GL_BLEND_EQUATION_RGB, &lastBlendEquationRgb);
  glGetIntegerv(GL_BLEND_EQUATION_ALPHA, &lastBlendEquationAlpha);
  glGetIntegerv(GL_VIEWPORT, lastViewport);
  glGetIntegerv(GL_SCISSOR_BOX, lastScissorBox);
  const GLboolean lastBlend = glIsEnabled(GL_BLEND);
  const GLboolean lastCullFace = glIsEnabled(GL_CULL_FACE);
  const GLboolean lastDepthTest = glIsEnabled(GL_DEPTH_TEST);
  const GLboolean lastScissorTest = glIsEnabled(GL_SCISSOR_TEST);

  glEnable(GL_BLEND);
  glBlendEquation(GL_FUNC_ADD);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_CULL_FACE);
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_SCISSOR_TEST);
  glViewport(0, 0, framebufferWidth, framebufferHeight);

  const float width = io.DisplaySize.x;
  const float height = io.DisplaySize.y;
  const float projection[4][4] = {
      {2.0f / width, 0.0f, 0.0f, 0.0f},
      {0.0f, -2.0f / height, 0.0f, 0.0f},
      {0.0f, 0.0f, -1.0f, 0.0f},
      {-1.0f, 1.0f, 0.0f, 1.0f},
  };
  glUseProgram(shaderProgram);
  glUniform1i(textureLocation, 0);
  glUniformMatrix4fv(projectionLocation, 1, GL_FALSE, &projection[0][0]);
  glBindVertexArray(vertexArray);
  glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, elementBuffer);

  for (int listIndex = 0; listIndex < drawData->CmdListsCount; ++listIndex)
  {
    const ImDrawList* list = drawData->CmdLists[listIndex];
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(list->VtxBuffer.Size) * sizeof(ImDrawVert),
                 list->VtxBuffer.Data, GL_STREAM_DRAW);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(list->IdxBuffer.Size) * sizeof(ImDrawIdx),
                 list->IdxBuffer.Data, GL_STREAM_DRAW);
    for (int commandIndex = 0; commandIndex < list->CmdBuffer.Size; ++commandIndex)
    {
      const ImDrawCmd& command = list->CmdBuffer[commandIndex];
      if (command.UserCallback != nullptr)
      {
        // ImGui's request to reset the render state is a marker, not a function to call.
        if (command.UserCallback != ImDrawCallback_ResetRenderState)
          command.UserCallback(list, &command);
        continue;
      }
      const ImVec4& clip = command.ClipRect;
      if (clip.z <= clip.x || clip.w <= clip.y)
        continue;
      glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(reinterpret_cast<std::intptr_t>(command.GetTexID())));
      glScissor(static_cast<int>(clip.x), static_cast<int>(framebufferHeight - clip.w),
                static_cast<int>(clip.z - clip.x), static_cast<int>(clip.w - clip.y));
      glDrawElementsBaseVertex(GL_TRIANGLES, static_cast<GLsizei>(command.ElemCount),
                               sizeof(ImDrawIdx) == 2 ? GL_UNSIGNED_SHORT : GL_UNSIGNED_INT,
                               reinterpret_cast<void*>(command.IdxOffset * sizeof(ImDrawIdx)),
                               static_cast<GLint>(command.VtxOffset));
    }
  }

  glUseProgram(static_cast<GLuint>(lastProgram));
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(lastTexture));
  glActiveTexture(static_cast<GLenum>(lastActiveTexture));
  glBindVertexArray(static_cast<GLuint>(lastVertexArray));
  glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(lastArrayBuffer));
  if (lastVertexArray != 0)
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLuint>(lastElementBuffer));
  glBlendEquationSeparate(static_cast<GLenum>(lastBlendEquationRgb), static_cast<GLenum>(lastBlendEquationAlpha));
  glBlendFunc(static_cast<GLenum>(lastBlendSource), static_cast<GLenum>(lastBlendDestination));
  SetEnabled(GL_BLEND, lastBlend);
  SetEnabled(GL_CULL_FACE, lastCullFace);
  SetEnabled(GL_DEPTH_TEST, lastDepthTest);
  SetEnabled(GL_SCISSOR_TEST, lastScissorTest);
  glViewport(lastViewport[0], lastViewport[1], lastViewport[2], lastViewport[3]);
  glScissor(lastScissorBox[0], lastScissorBox[1], lastScissorBox[2], lastScissorBox[3]);
}

bool ImGuiBinding::CreateDeviceObjects()
{
  GLint lastTexture, lastArrayBuffer, lastVertexArray;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &lastTexture);
  glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &lastArrayBuffer);
  glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &lastVertexArray);

  shaderProgram = glCreateProgram();
  vertexShader = glCreateShader(GL_VERTEX_SHADER);
  fragmentShader = glCreateShader(GL_FRAGMENT_SHADER);
  bool compiled = CompileShader(vertexShader, VertexShaderSource, "vertex");
  compiled = CompileShader(fragmentShader, FragmentShaderSource, "fragment") && compiled;
  glAttachShader(shaderProgram, vertexShader);
  glAttachShader(shaderProgram, fragmentShader);
  glLinkProgram(shaderProgram);
  GLint linked = GL_FALSE;
  glGetProgramiv(shaderProgram, GL_LINK_STATUS, &linked);
  if (!compiled || linked != GL_TRUE)
  {
    LogError("ImGui shader program did not link.");
    InvalidateDeviceObjects();
    return false;
  }

  textureLocation = glGetUniformLocation(shaderProgram, "Texture");
  projectionLocation = glGetUniformLocation(shaderProgram, "ProjMtx");
  positionLocation = glGetAttribLocation(shaderProgram, "Position");
  uvLocation = glGetAttribLocation(shaderProgram, "UV");
  colorLocation = glGetAttribLocation(shaderProgram, "Color");

  glGenBuffers(1, &vertexBuffer);
  glGenBuffers(1, &elementBuffer);
  glGenVertexArrays(1, &vertexArray);
  glBindVertexArray(vertexArray);
  glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
  glEnableVertexAttribArray(static_cast<GLuint>(positionLocation));
  glEnableVertexAttribArray(static_cast<GLuint>(uvLocation));
  glEnableVertexAttribArray(static_cast<GLuint>(colorLocation));
  glVertexAttribPointer(static_cast<GLuint>(positionLocation), 2, GL_FLOAT, GL_FALSE, sizeof(ImDrawVert),
                        reinterpret_cast<void*>(IM_OFFSETOF(ImDrawVert, pos)));
  glVertexAttribPointer(static_cast<GLuint>(uvLocation), 2, GL_FLOAT, GL_FALSE, sizeof(ImDrawVert),
                        reinterpret_cast<void*>(IM_OFFSETOF(ImDrawVert, uv)));
  glVertexAttribPointer(static_cast<GLuint>(colorLocation), 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(ImDrawVert),
                        reinterpret_cast<void*>(IM_OFFSETOF(ImDrawVert, col)));

  CreateFontsTexture();

  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(lastTexture));
  glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(lastArrayBuffer));
  glBindVertexArray(static_cast<GLuint>(lastVertexArray));
  return true;
}

void ImGuiBinding::InvalidateDeviceObjects()
{
  if (vertexArray != 0)
    glDeleteVertexArrays(1, &vertexArray);
  if (vertexBuffer != 0)
    glDeleteBuffers(1, &vertexBuffer);
  if (elementBuffer != 0)
    glDeleteBuffers(1, &elementBuffer);
  vertexArray = vertexBuffer = elementBuffer = 0;

  if (shaderProgram != 0 && vertexShader != 0)
    glDetachShader(shaderProgram, vertexShader);
  if (vertexShader != 0)
    glDeleteShader(vertexShader);
  vertexShader = 0;
  if (shaderProgram != 0 && fragmentShader != 0)
    glDetachShader(shaderProgram, fragmentShader);
  if (fragmentShader != 0)
    glDeleteShader(fragmentShader);
  fragmentShader = 0;
  if (shaderProgram != 0)
    glDeleteProgram(shaderProgram);
  shaderProgram = 0;

  if (fontTexture != 0)
  {
    glDeleteTextures(1, &fontTexture);
    if (ImGui::GetCurrentContext() != nullptr)
      ImGui::GetIO().Fonts->SetTexID(nullptr);
    fontTexture = 0;
  }
}

bool ImGuiBinding::HasDeviceObjects()
{
  return fontTexture != 0;
}

void ImGuiBinding::AddDroppedFile(const std::string& path)
{
  droppedFiles.push_back(path);
}

std::vector<std::string>& ImGuiBinding::GetDroppedFiles()
{
  return droppedFiles;
}

const char* ImGuiBinding::GetClipboardText(void*)
{
  char* text = SDL_GetClipboardText();
  clipboardCopy = text != nullptr ? text : "";
  SDL_free(text);
  return clipboardCopy.c_str();
}

void ImGuiBinding::SetClipboardText(void*, const char* text)
{
  SDL_SetClipboardText(text);
}

bool ImGuiBinding::IsPopupShown()
{
  const ImGuiContext* context = ImGui::GetCurrentContext();
  if (context == nullptr || context->OpenPopupStack.Size == 0)
    return false;
  const ImGuiWindow* popup = context->OpenPopupStack.back().Window;
  // Between two frames Active tells of the frame just drawn; a new frame moves it to WasActive.
  return popup != nullptr && (context->WithinFrameScope ? popup->WasActive : popup->Active);
}

InputEditorHooks ImGuiBinding::MakeInputHooks()
{
  InputEditorHooks hooks;
  hooks.observeEvent = [](const SDL_Event& event) { ProcessEvent(event); };
  // Asked right after ProcessEvent queued the key: a key held back is none of the game's for now.
  hooks.isKeyboardCaptured = []() {
    return ImGui::GetCurrentContext() != nullptr && (InterfaceKeepsKeyboard() || HoldsKeysBack());
  };
  hooks.takeKeysLeftToGame = []() { return std::exchange(keysLeftToGame, {}); };
  hooks.isMouseOverInterface = []() {
    return ImGui::GetCurrentContext() != nullptr && (ImGui::IsWindowHovered(ImGuiHoveredFlags_AnyWindow) ||
                                                     ImGui::IsAnyItemActive() || IsInterfaceMouseChangeOnItsWay());
  };
  hooks.onFileDropped = [](const std::string& path) { AddDroppedFile(path); };
  return hooks;
}
