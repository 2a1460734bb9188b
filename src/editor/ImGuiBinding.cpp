#include "editor/ImGuiBinding.h"

#include "core/Log.h"
#include "platform/FrameClock.h"
#include "platform/SteadyFrameClock.h"
#include "platform/WindowSystemTime.h"

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
FrameClock* interfaceClock = &SteadyFrameClock::Instance();
std::optional<std::int64_t> previousFrameTime;  // microseconds on the clock; none before the first frame
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

// When a mouse button went down or up: SDL's stamp, and the window system's where it gave one. Two
// are compared on the window system's clock when both have it, else on SDL's.
struct PressTime
{
  Uint32 sdlMilliseconds = 0;
  std::optional<std::uint32_t> windowSystemMilliseconds;

  std::uint32_t MillisecondsSince(const PressTime& earlier) const
  {
    if (windowSystemMilliseconds && earlier.windowSystemMilliseconds)
      return *windowSystemMilliseconds - *earlier.windowSystemMilliseconds;  // wraps as the clock does
    return sdlMilliseconds - earlier.sdlMilliseconds;
  }
};

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
  PressTime time;               // a mouse button's
  // Keys: the event as SDL gave it, while the game waits to learn whether it is its own; the game
  // hears it unless the interface keeps the keyboard as the key reaches it.
  std::optional<SDL_Event> undecidedForGame;

  static InputChange Key(int place, bool down) { return {Kind::Key, place, down, {}, 0.0f, {}, false, {}, {}}; }
  static InputChange Text(const char* text) { return {Kind::Text, 0, false, text, 0.0f, {}, false, {}, {}}; }
  static InputChange Mouse(int place, bool down, float wheel, ImVec2 position, bool interfaceOwned, PressTime time)
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
// When each button was last pressed (see TimePress).
std::array<std::optional<PressTime>, MouseButtonCount> previousPressTime = {};
// The window system's stamp of the mouse button event SDL hands over next.
std::optional<WindowSystemTime::ButtonStamp> nextButtonStamp;
// The turn of the wheel queued since the last NewFrame, which later turns join.
std::optional<std::size_t> wheelChangeOfThisFrame;
// What the last NewFrame handed over, a mouse change of the interface's or a key or text: the
// frame drawn with it has yet to show what it did.
bool interfaceMouseChangeUndrawn = false;
bool gameMousePressUndrawn = false;  // the left button's, which takes the keyboard's focus from the windows
bool keyboardChangeUndrawn = false;
// Whether the game took the last key event as it came, and the text it typed with it.
bool lastKeyTakenByGame = false;
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

// Whether a field is to be given the keyboard as the next frame begins, by the code (a popup's field
// as it opens) or by Tab.
bool IsKeyboardFocusMoving()
{
  const ImGuiContext& context = *ImGui::GetCurrentContext();
  const ImGuiNavMoveFlags focusMoves = ImGuiNavMoveFlags_FocusApi | ImGuiNavMoveFlags_Tabbing;
  return context.NavMoveSubmitted && (context.NavMoveFlags & focusMoves) != 0;
}

// Whether the window was drawn in the frame just drawn: between two frames Active tells of it, and
// a new frame moves it to WasActive.
bool WasShown(const ImGuiWindow* window)
{
  return window != nullptr && (ImGui::GetCurrentContext()->WithinFrameScope ? window->WasActive : window->Active);
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

// Whether a press of the key at the place is a Tab ImGui moves the keyboard with: one without Ctrl
// or Alt, while a window of the interface has the keyboard's focus, takes the keyboard into that
// window's fields though none of them has it yet. Such a Tab is the interface's. A left click of
// the game's handed over before it and not yet drawn takes the focus from the windows first.
bool IsTabIntoWindow(int place, bool down, bool control, bool alt)
{
  const ImGuiContext& context = *ImGui::GetCurrentContext();
  return down && place == context.IO.KeyMap[ImGuiKey_Tab] && !control && !alt && !gameMousePressUndrawn &&
         WasShown(context.NavWindow) && (context.NavWindow->Flags & ImGuiWindowFlags_NoNavInputs) == 0;
}

// ImGui tells a double-click by the time between two presses on its own clock, which steps a frame
// at a time: the presses handed over a frame or two apart, a quick double-click looks slow at a
// few frames a second, and two slow clicks read in one frame look quick. So ImGui is given the time
// between them as they were made.
void TimePress(ImGuiIO& io, int button, const PressTime& time)
{
  if (const std::optional<PressTime> previous = std::exchange(previousPressTime[button], time))
  {
    const double frameTime = ImGui::GetTime() + io.DeltaTime;  // ImGui's clock in the frame about to begin
    io.MouseClickedTime[button] = frameTime - time.MillisecondsSince(*previous) / 1000.0;
  }
}

// Whether ImGui knows the key at the place by name (Tab, the arrows, Delete, Return, Escape, the
// letters of its shortcuts...); any other key reaches it only as the text it types.
bool IsMappedKey(const ImGuiIO& io, int place)
{
  return place < KeyCount && std::find(std::begin(io.KeyMap), std::end(io.KeyMap), place) != std::end(io.KeyMap);
}

// Whether ImGui does something with a press of the key at the place, with the modifiers as they
// are: the keys it maps move, edit or confirm, but the letters only as shortcuts, with Ctrl or
// Super held.
bool IsActingPress(const ImGuiIO& io, int place)
{
  if (!IsMappedKey(io, place))
    return false;
  for (const ImGuiKey_ letter : {ImGuiKey_A, ImGuiKey_C, ImGuiKey_V, ImGuiKey_X, ImGuiKey_Y, ImGuiKey_Z})
  {
    if (io.KeyMap[letter] == place)
      return io.KeyCtrl || io.KeySuper;
  }
  return true;
}

// ImGui repeats a key by how long it has seen it down, so a key the person has let go of is let
// go of in the interface at the start of the next frame, though changes that came before its
// release may still wait: at a few frames a second a release held back a frame reads as a key
// held past the repeat delay, and a Tab so repeated moves the keyboard on every frame while every
// key behind it waits. The release, once reached in the queue, still goes to the game in its turn.
// Returns the keys let go of.
std::bitset<PlaceCount> LetGoOfReleasedKeys(ImGuiIO& io)
{
  std::bitset<KeyCount> seen;
  std::bitset<PlaceCount> letGo;
  for (const InputChange& change : pendingInput)
  {
    if (change.kind != InputChange::Kind::Key || change.place == NoPlace || change.place >= KeyCount ||
        seen[change.place])
      continue;
    seen.set(change.place);
    if (!change.down && io.KeysDown[change.place])
    {
      io.KeysDown[change.place] = false;
      letGo.set(change.place);
    }
  }
  return letGo;
}

// What one frame has handed over so far, to tell whether the next change can go along with it.
// ImGui takes a frame's input all at once: a text field takes the frame's text before its keys, one
// key that edits, moves or confirms a frame, and the modifiers as they end the frame. So a frame
// hands over
// - text only before any press ImGui acts on (Ctrl+A and the next letter in one frame would select
//   the letter with the rest and type over it);
// - one press ImGui acts on, and no second change of its key (a tap is down a frame, up the next);
//   Escape not after text (a field that takes text and lets go of it unchanged in one frame draws
//   itself from a stale copy of its text for that frame);
// - a modifier's change only before any text typed or key pressed that ImGui knows, which it would
//   change (Shift turns Tab back, Ctrl makes A select all);
// - a mouse change of the interface's alone (a frame has one pointer position, and a click moves
//   the keyboard's focus), and the game's mouse changes, which reach ImGui where none of its
//   windows is, with anything but such a click; no second change of a button (a click on none of
//   the windows takes the keyboard's focus from them).
// A key held back for the game to learn whether it is its own is the interface's if it keeps the
// keyboard as the frame just drawn left it, and goes to ImGui; else it is the game's, and ImGui
// never sees it. A release goes to both: it lets go of a key wherever it is down. Such a key waits
// for a frame that hands over no press ImGui acts on nor a modifier before it (a Return may let go
// of the keyboard, a Tab give it, letting go of Ctrl after Ctrl+Tab close a popup); and the game is
// given one change of a key a frame, as it reads them.
class FrameHandover
{
public:
  FrameHandover(ImGuiIO& io, bool keyboardKept, std::bitset<PlaceCount> letGo)
      : io(io), keyboardKept(keyboardKept), letGo(letGo)
  {
  }

  // Each hands the change over and returns true, or returns false if it must wait for a later frame.
  bool Mouse(const InputChange& change)
  {
    const bool button = change.place != WheelPlace;
    if ((change.interfaceOwned && (changed.any() || textAdded || gameMouseChanged)) ||
        (button && buttonChanged[change.place]))
      return false;
    io.MousePos = change.position;
    if (!button)
      io.MouseWheel = change.wheel;
    else
    {
      buttonChanged.set(change.place);
      if (change.down)
        TimePress(io, change.place, change.time);
      io.MouseDown[change.place] = change.down;
    }
    interfaceMouseChangeUndrawn = change.interfaceOwned;
    gameMouseChanged = !change.interfaceOwned;
    gameMousePressUndrawn = gameMousePressUndrawn || (gameMouseChanged && change.down && change.place == 0);
    return true;
  }

  bool Text(const InputChange& change)
  {
    if (actingPressed.any())
      return false;
    io.AddInputCharactersUTF8(change.text.c_str());
    textAdded = true;
    keyboardChangeUndrawn = true;
    return true;
  }

  bool Key(const InputChange& change)
  {
    const bool pressKept = !change.undecidedForGame || keyboardKept ||
                           IsTabIntoWindow(change.place, change.down, io.KeyCtrl, io.KeyAlt);
    const bool toGame = change.undecidedForGame && (!change.down || !pressKept);
    const bool toInterface = change.place != NoPlace && (!change.down || pressKept) &&
                             DownStateAt(io, change.place) != change.down;  // else a repeat, or let go of already
    // The game's own repeats of a held key change nothing for it.
    const SDL_KeyboardEvent* const gameKey = toGame ? &change.undecidedForGame->key : nullptr;
    const bool gameChange = toGame && gameKey->repeat == 0 && gameKey->keysym.scancode < SDL_NUM_SCANCODES;
    const bool modifier = change.place >= KeyCount;
    const bool acting = toInterface && change.down && IsActingPress(io, change.place);
    if ((gameChange && changedForGame[gameKey->keysym.scancode]) ||
        (change.undecidedForGame && change.down && (actingPressed.any() || modifierChanged)))
      return false;
    if (toInterface && (modifier ? changed[change.place] || textAdded || mappedKeyPressed
                                 : actingPressed[change.place] ||
                                       (acting && (changed[change.place] || letGo[change.place] ||
                                                   actingPressed.any() ||
                                                   (textAdded && change.place == io.KeyMap[ImGuiKey_Escape])))))
      return false;
    if (gameChange)
      changedForGame.set(gameKey->keysym.scancode);
    if (toGame)
      keysLeftToGame.push_back(*change.undecidedForGame);
    if (toInterface)
    {
      DownStateAt(io, change.place) = change.down;
      changed.set(change.place);
      mappedKeyPressed = mappedKeyPressed || (change.down && IsMappedKey(io, change.place));
      actingPressed.set(change.place, acting);
      modifierChanged = modifierChanged || modifier;
      keyboardChangeUndrawn = keyboardChangeUndrawn || !modifier;
    }
    return true;
  }

private:
  ImGuiIO& io;
  const bool keyboardKept;
  const std::bitset<PlaceCount> letGo;  // let go of as the frame began (see LetGoOfReleasedKeys)
  std::bitset<PlaceCount> changed;
  std::bitset<PlaceCount> actingPressed;
  std::bitset<SDL_NUM_SCANCODES> changedForGame;
  std::bitset<MouseButtonCount> buttonChanged;
  bool textAdded = false;
  bool mappedKeyPressed = false;
  bool modifierChanged = false;
  bool gameMouseChanged = false;
};

// Hands ImGui, and the game its held-back keys, the waiting changes in order, stopping before one
// that cannot go along with what this frame already got (see FrameHandover). All also waits out a
// frame in which a field is given the keyboard, by the code (a popup's field as it opens) or by Tab:
// the field ignores the keys of the frame it takes the keyboard in, and a click meant to take the
// keyboard away from it would come before it. Whatever is left waits for the next frame.
void ApplyPendingInput(ImGuiIO& io)
{
  interfaceMouseChangeUndrawn = false;
  gameMousePressUndrawn = false;
  keyboardChangeUndrawn = false;
  wheelChangeOfThisFrame.reset();
  // Keys are let go of even in a frame that hands over nothing else: a Tab's release waits out the
  // focus move it began.
  const std::bitset<PlaceCount> letGo = LetGoOfReleasedKeys(io);
  if (IsKeyboardFocusMoving())
    return;
  FrameHandover frame(io, InterfaceKeepsKeyboard(), letGo);
  for (; !pendingInput.empty(); pendingInput.pop_front())
  {
    const InputChange& change = pendingInput.front();
    if (interfaceMouseChangeUndrawn)
      return;
    const bool handed = change.kind == InputChange::Kind::Mouse  ? frame.Mouse(change)
                        : change.kind == InputChange::Kind::Text ? frame.Text(change)
                                                                 : frame.Key(change);
    if (!handed)
      return;
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

// Whether a left click of the game's waits to be handed over: it takes the keyboard's focus from
// the interface's windows (see IsTabIntoWindow, which knows of one handed over).
bool IsGameClickQueued()
{
  return AnyPending([](const InputChange& change) {
    return change.kind == InputChange::Kind::Mouse && !change.interfaceOwned && change.down && change.place == 0;
  });
}

// Whether a key or text for the interface is on its way (queued, or handed over but not yet drawn).
// A modifier alone neither gives nor takes the keyboard, and is left out.
bool IsKeyOrTextOnItsWay()
{
  return keyboardChangeUndrawn || AnyPending([](const InputChange& change) {
           return change.kind == InputChange::Kind::Text ||
                  (change.kind == InputChange::Kind::Key && change.place < KeyCount);
         });
}

// Whether the key at the place is down for ImGui as the changes queued for it leave it.
bool IsKeyDownForInterface(int place)
{
  const auto last = std::find_if(pendingInput.rbegin(), pendingInput.rend(), [&](const InputChange& change) {
    return change.kind == InputChange::Kind::Key && change.place == place;
  });
  return last != pendingInput.rend() ? last->down : ImGui::GetIO().KeysDown[place];
}

// Whether something on its way to the interface may change whether it keeps a key that comes now,
// by the time the key reaches it: a mouse change of its own (a click may give a field the
// keyboard), a field about to be given the keyboard, keys and text while it keeps the keyboard (a
// Return may let go of it), or a key held back already (the game hears its keys in the order they
// came).
bool IsKeysOwnerOnItsWay()
{
  return IsInterfaceMouseChangeOnItsWay() || IsKeyboardFocusMoving() || HoldsKeysBack() ||
         (InterfaceKeepsKeyboard() && IsKeyOrTextOnItsWay());
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
         IsKeyOrTextOnItsWay() || IsKeyboardFocusMoving() ||
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

  WindowSystemTime::Enable();
  previousFrameTime.reset();
  pendingInput.clear();
  queuedModifiers.fill(false);
  pressOwnedByInterface.fill(false);
  previousPressTime.fill(std::nullopt);
  nextButtonStamp.reset();
  wheelChangeOfThisFrame.reset();
  interfaceMouseChangeUndrawn = false;
  gameMousePressUndrawn = false;
  keyboardChangeUndrawn = false;
  keysLeftToGame.clear();
  lastKeyTakenByGame = false;
}

void ImGuiBinding::Shutdown()
{
  WindowSystemTime::Disable();
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
        pendingInput.push_back(InputChange::Mouse(WheelPlace, false, turn, position, true, {}));
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
      PressTime time{event.button.timestamp, std::nullopt};
      if (const auto stamp = std::exchange(nextButtonStamp, std::nullopt);
          stamp && stamp->button == event.button.button && stamp->down == down)
        time.windowSystemMilliseconds = stamp->milliseconds;
      pendingInput.push_back(InputChange::Mouse(button, down, 0.0f, position, pressOwnedByInterface[button], time));
      return true;
    }
    case SDL_SYSWMEVENT:
      if (const auto stamp = WindowSystemTime::ButtonStampOf(event))
        nextButtonStamp = stamp;
      return false;
    case SDL_TEXTINPUT:
      // The text of a key the game took is none of the interface's either.
      if (event.text.text[0] != '\0' && !lastKeyTakenByGame)
        pendingInput.push_back(InputChange::Text(event.text.text));
      return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    {
      const Uint16 flags = event.key.keysym.mod;
      const bool control = (flags & KMOD_CTRL) != 0;
      const bool alt = (flags & KMOD_ALT) != 0;
      const std::array<bool, ModifierCount> modifiers = {control, (flags & KMOD_SHIFT) != 0, alt,
                                                         (flags & KMOD_GUI) != 0};
      const int key = event.key.keysym.sym & ~SDLK_SCANCODE_MASK;
      const bool hasPlace = key >= 0 && key < KeyCount;
      const bool down = event.type == SDL_KEYDOWN;
      // Asked before this key's own changes are queued. A Tab into a window is held back as well:
      // it is the interface's if it still has a window to go into once it reaches the interface.
      const bool ownerOnItsWay = IsKeysOwnerOnItsWay() ||
                                 (hasPlace && IsTabIntoWindow(key, down, control, alt) && !IsGameClickQueued());
      for (int modifier = 0; modifier < ModifierCount; ++modifier)
      {
        if (modifiers[modifier] != queuedModifiers[modifier])
          pendingInput.push_back(InputChange::Key(KeyCount + modifier, modifiers[modifier]));
      }
      queuedModifiers = modifiers;
      InputChange change = InputChange::Key(hasPlace ? key : NoPlace, down);
      if (ownerOnItsWay)
        change.undecidedForGame = event;
      // A key the game takes now is none of the interface's (Tab would move its keyboard focus), but
      // the release of a key the interface has down is its own, or the key would stay down.
      lastKeyTakenByGame =
          !ownerOnItsWay && !(hasPlace && (InterfaceKeepsKeyboard() || (!down && IsKeyDownForInterface(key))));
      if (!lastKeyTakenByGame)
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

  const std::int64_t now = interfaceClock->NowUs();
  // ImGui refuses a step of zero, which two frames inside one tick of the clock would give.
  const double delta = previousFrameTime ? static_cast<double>(now - *previousFrameTime) / 1e6 : 1.0 / 60.0;
  io.DeltaTime = delta > 0.0 ? static_cast<float>(delta) : 1e-6f;
  previousFrameTime = now;

  // The pointer is where SDL has it now. But while ImGui holds a button down and the pointer is
  // out of the window, or a change of a button waits to be handed over (the person has let go of it
  // already), it stays where the last mouse change put it: moved, it would drag what the button
  // holds (select the text of a field).
  int mouseX = 0, mouseY = 0;
  SDL_GetMouseState(&mouseX, &mouseY);
  const bool buttonHeld = std::any_of(std::begin(io.MouseDown), std::end(io.MouseDown), [](bool down) { return down; });
  const bool buttonChangeWaits = AnyPending(
      [](const InputChange& change) { return change.kind == InputChange::Kind::Mouse && change.place != WheelPlace; });
  if ((SDL_GetWindowFlags(window) & SDL_WINDOW_MOUSE_FOCUS) != 0 && !(buttonHeld && buttonChangeWaits))
    io.MousePos = ImVec2(static_cast<float>(mouseX), static_cast<float>(mouseY));
  else if (!buttonHeld)
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

void ImGuiBinding::SetClock(FrameClock* frameClock)
{
  interfaceClock = frameClock != nullptr ? frameClock : &SteadyFrameClock::Instance();
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
  return WasShown(context->OpenPopupStack.back().Window);
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
