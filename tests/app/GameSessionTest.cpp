// The session without a window: the order of a frame's events, spaces by name, focus pause and
// mute and the console's commands on real spaces.
#include "app/GameSession.h"
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "object/Space.h"
#include "support/ScopedEngine.h"

#include "app/QuitAfterCommand.h"
#include "audio/SoundEvents.h"
#include "audio/SoundSystem.h"
#include "core/Send.h"
#include "editor/ConsoleGui.h"
#include "input/Input.h"
#include "object/FrameEvents.h"
#include "platform/Assert.h"
#include "platform/TerminationSignal.h"
#include "support/CapturedLog.h"
#include "support/EventRecorder.h"
#include "support/FakeInputDevices.h"
#include "support/TestEvents.h"

#include <string>
#include <vector>

using GameSessionTest = EngineTest;

namespace
{
std::vector<std::string> Names(const GameSession& session)
{
  std::vector<std::string> names;
  for (const auto& entry : session.GetSpaces())
    names.push_back(entry.first);
  return names;
}
}  // namespace

TEST_F(GameSessionTest, AFrameSendsEachKindOfEventToEverySpaceBeforeTheNext)
{
  Space* alpha = LiveSpace("alpha");
  Space* beta = LiveSpace("beta");
  Space* gamma = LiveSpace("gamma");
  beta->SetPaused(true);
  gamma->Hide();
  session->ManageSpaces();

  // Every per-frame event of the three spaces, in order. During Update and PostUpdate a Mute is
  // queued on the space's own channel, to see when the queue is processed.
  EventLog log;
  std::vector<float> steps;
  std::vector<Graphics::Graphics*> renderers;
  std::vector<std::string> queuedFrom;
  for (Space* space : {alpha, beta, gamma})
  {
    const std::string name = space->GetSpaceName();
    const std::uint32_t id = space->GetId();
    const auto step = [&steps, name](const std::string& what, float dt) {
      steps.push_back(dt);
      return what + " " + name;
    };
    const auto queueMute = [&queuedFrom, id](const std::string& origin) {
      queuedFrom.push_back(origin);
      Queue<Mute>(BRINDLE_SITE, id);
    };
    log.Watch<PreUpdateEvent>(id, [step](const PreUpdateEvent& event) { return step("pre", event.dt); });
    log.Watch<UpdateEvent>(id, [step, queueMute](const UpdateEvent& event) {
      queueMute("from-update");
      return step("update", event.dt);
    });
    log.Watch<PauseUpdateEvent>(id, [step](const PauseUpdateEvent& event) { return step("paused", event.dt); });
    log.Watch<PostUpdateEvent>(id, [step, queueMute](const PostUpdateEvent& event) {
      queueMute("from-post");
      return step("post", event.dt);
    });
    log.Watch<DrawEvent>(id, [&renderers, name](const DrawEvent& event) {
      renderers.push_back(event.renderer);
      return "draw " + name;
    });
    log.Watch<Mute>(id, [&queuedFrom, name](const Mute&) {
      const std::string origin = queuedFrom.front();
      queuedFrom.erase(queuedFrom.begin());
      return origin + " " + name;
    });
  }
  session->DispatchUpdateEvents(0.025f);
  session->DispatchDrawEvents();

  const std::vector<std::string> expected = {
      // The paused space has no PreUpdate or PostUpdate, only PauseUpdate.
      "pre alpha", "pre gamma",
      "update alpha", "paused beta", "update gamma",
      // The first processing of the queue comes before PostUpdate...
      "from-update alpha", "from-update gamma",
      "post alpha", "post gamma",
      // ...and what PostUpdate queued is delivered by the second, in the same frame.
      "from-post alpha", "from-post gamma",
      // The hidden space is updated but not drawn; the paused one is drawn.
      "draw alpha", "draw beta"};
  EXPECT_EQ(log.lines, expected);
  for (float step : steps)
    EXPECT_FLOAT_EQ(step, 0.025f);
  for (Graphics::Graphics* renderer : renderers)
    EXPECT_EQ(renderer, session.get()) << "DrawEvent carries the session as the renderer";
}

TEST_F(GameSessionTest, FlagsChangedDuringAFrameTakeEffectAtTheNextManageSpaces)
{
  Space* space = LiveSpace("main");
  space->SetPaused(true);
  space->Hide();
  EXPECT_TRUE(space->IsActive());
  EXPECT_TRUE(space->IsVisible());
  session->ManageSpaces();
  EXPECT_TRUE(space->IsPaused());
  EXPECT_FALSE(space->IsVisible());
}

TEST_F(GameSessionTest, GetSpaceReusesASpaceOnTheSameLevelAndReplacesOneOnAnother)
{
  Space* first = LiveSpace("main");
  const std::size_t objects = first->GetObjectsById().size();
  ASSERT_GT(objects, 0u) << "testlevel has objects";
  const std::uint32_t firstObjectId = first->GetObjectsById().begin()->first;

  // Same name, same level: the same space, nothing loaded again.
  EXPECT_EQ(session->GetSpace("main", "testlevel"), first);
  EXPECT_TRUE(session->GetPendingSpaces().empty());
  EXPECT_EQ(first->GetObjectsById().begin()->first, firstObjectId);

  // Another level: the old space is marked, a new one is made and loaded at once, waiting.
  CapturedLog output;
  Space* second = session->GetSpace("main", "nowhere");
  EXPECT_NE(second, first);
  EXPECT_TRUE(first->IsMarkedForRemoval());
  EXPECT_EQ(second->GetName(), "nowhere");
  EXPECT_TRUE(output.Contains("Space could not load nowhere."));
  EXPECT_EQ(session->GetSpace("main"), first) << "the live one is found until ManageSpaces";

  session->ManageSpaces();
  EXPECT_EQ(session->GetSpace("main"), second);
  EXPECT_EQ(Names(*session), std::vector<std::string>{"main"});
  EXPECT_TRUE(session->GetPendingSpaces().empty());
}

TEST_F(GameSessionTest, SpacesByNameEdgeCases)
{
  EXPECT_EQ(session->GetSpace("none"), nullptr);

  // The last pending space of a name is the one found.
  Space* live = LiveSpace("hud", "testlevel");
  CapturedLog output;
  Space* replacement = session->GetSpace("hud", "other");
  Space* again = session->GetSpace("hud", "third");
  EXPECT_TRUE(replacement->IsMarkedForRemoval()) << "a pending space of another level is replaced too";
  EXPECT_EQ(session->GetSpace("hud"), live);
  EXPECT_FALSE(session->HasSpace("nothing"));

  // A space made and marked within one frame is deleted without ever becoming live.
  Space* passing = session->GetSpace("passing", "testlevel");
  passing->MarkForRemoval();
  session->ManageSpaces();
  EXPECT_EQ(Names(*session), std::vector<std::string>{"hud"});
  EXPECT_EQ(session->GetSpace("hud"), again);
  EXPECT_EQ(again->GetName(), "third");
}

TEST_F(GameSessionTest, AnUnloadedSpaceIsReplacedEvenOnItsOwnLevel)
{
  Space* first = LiveSpace("main");
  first->MarkForRemoval();
  Space* second = session->GetSpace("main", "testlevel");
  EXPECT_NE(first, second);
  session->ManageSpaces();
  EXPECT_EQ(session->GetSpace("main"), second);
  EXPECT_EQ(session->GetSpaces().size(), 1u);
}

TEST_F(GameSessionTest, ANameInUseCannotBeTakenByANewSpace)
{
  Space* main = LiveSpace("main");
  CapturedLog output;
  EXPECT_EQ(session->GetSpaceNew("main", "testlevel"), main) << "the first space stays and is given back";
  EXPECT_TRUE(output.Contains("[ERROR] There is already a space that has this name: main (they must be unique names)"));

  Space* waiting = session->GetSpaceNew("waiting", "testlevel");
  EXPECT_EQ(session->GetSpaceNew("waiting", "testlevel"), waiting);
  EXPECT_TRUE(output.Contains("[ERROR] There is already a space that has this name. (they must be unique names)"));
  EXPECT_EQ(asserts.Count(), 0u);
  session->ManageSpaces();
  EXPECT_EQ(Names(*session), (std::vector<std::string>{"main", "waiting"}));
}

TEST_F(GameSessionTest, PendingLevelsRestartOrSwitchTheSpace)
{
  Space* space = LiveSpace("main");
  const std::size_t objects = space->GetObjectsById().size();
  const std::uint32_t before = space->GetObjectsById().begin()->first;

  space->RestartLevel();
  session->ManageSpaces();
  EXPECT_EQ(space->GetName(), "testlevel");
  EXPECT_EQ(space->GetObjectsById().size(), objects) << "the same level, loaded again";
  EXPECT_TRUE(space->GetPendingLevel().empty());

  // A restart followed by a switch in the same frame loads the level set last.
  CapturedLog output;
  space->RestartLevel();
  space->SetPendingLevel("elsewhere");
  session->ManageSpaces();
  EXPECT_EQ(space->GetName(), "elsewhere");
  EXPECT_TRUE(space->GetObjectsById().empty());
  EXPECT_TRUE(output.Contains("Space could not load elsewhere."));
  (void)before;
}

TEST_F(GameSessionTest, NoSpaceLeftIsReportedOnceAndTheFrameGoesOn)
{
  session->ManageSpaces();
  session->ManageSpaces();
  EXPECT_EQ(asserts.Count(), 1u);
  EXPECT_TRUE(asserts.Saw("There are no spaces loaded"));
  session->DispatchUpdateEvents(0.01f);
  session->DispatchDrawEvents();

  LiveSpace("main");
  session->GetSpace("main")->MarkForRemoval();
  session->ManageSpaces();
  EXPECT_EQ(asserts.Count(), 2u) << "reported again after spaces came and went";
}

TEST_F(GameSessionTest, UnloadAllSpacesTakesLiveAndPendingSpaces)
{
  LiveSpace("main");
  session->GetSpace("waiting", "testlevel");
  session->UnloadAllSpaces();
  EXPECT_TRUE(session->GetSpaces().empty());
  EXPECT_TRUE(session->GetPendingSpaces().empty());
}

TEST_F(GameSessionTest, ConsoleCommandsWorkOnTheSessionsSpaces)
{
  Space* space = LiveSpace("main");
  ConsoleGui& console = session->GetConsole();

  console.ExecuteCommand("pause main", ' ');
  session->ManageSpaces();
  EXPECT_TRUE(space->IsPaused());
  console.ExecuteCommand("pause main", ' ');
  session->ManageSpaces();
  EXPECT_FALSE(space->IsPaused());

  console.ExecuteCommand("load_level main testlevel", ' ');
  EXPECT_EQ(space->GetPendingLevel(), "testlevel");
  session->ManageSpaces();
  EXPECT_TRUE(space->GetPendingLevel().empty());

  EXPECT_FALSE(session->IsDebugViewShown());
  console.ExecuteCommand("display_editor", ' ');
  EXPECT_TRUE(session->IsDebugViewShown());
  EXPECT_FALSE(session->GetSettings().showDebugView) << "shown now, not made the saved choice";

  EXPECT_EQ(session->GetSpaceNames(), std::vector<std::string>{"main"});
}

TEST_F(GameSessionTest, CommandLineWordsRunBeforeStartUp)
{
  EXPECT_TRUE(session->IsFullscreen());
  const char* arguments[] = {"corvane", "windowed", "quit_after,30"};
  session->GetConsole().ExecuteProcessCommandLine(3, arguments);
  EXPECT_FALSE(session->IsFullscreen());
  EXPECT_EQ(session->FramesLeft(), 30);

  // A count that is not a whole positive number changes nothing.
  for (const char* word : {"quit_after", "quit_after,0", "quit_after,-3", "quit_after,12x", "quit_after,99999999999"})
  {
    session->GetConsole().ExecuteCommand(word, ',');
    EXPECT_EQ(session->FramesLeft(), 30) << word;
  }
}

namespace
{
// The window events come from the fake devices' script, not from a display.
class WindowStateTest : public EngineTest
{
protected:
  ~WindowStateTest() override { TerminationSignal::Clear(); }

  // One pump with this window event, then what the loop does with it.
  void Pump(Uint8 windowEvent)
  {
    devices->events.push_back(TestEvents::Window(windowEvent));
    Input::Instance()->Update();
    session->HandleWindowState();
  }

  // The rest of a frame's worth of what matters here: the queue (sound mutes) and the space flags.
  void NextFrame()
  {
    events->ProcessQueue();
    session->ManageSpaces();
  }
};
}  // namespace

// While the window is away the game pauses and mutes; coming back undoes only what going away did.
TEST_F(WindowStateTest, FocusLossPausesAndMutesAndFocusGainUndoesOnlyThat)
{
  Space* game = LiveSpace("game");
  Space* menu = LiveSpace("menu");
  menu->SetPaused(true);  // the player's pause
  session->ManageSpaces();

  Pump(SDL_WINDOWEVENT_FOCUS_LOST);
  EXPECT_EQ(session->GetHardPausedSpaces(), std::vector<std::string>{"game"});
  NextFrame();
  EXPECT_TRUE(game->IsPaused());
  EXPECT_TRUE(sound->IsMuted());
  Pump(SDL_WINDOWEVENT_FOCUS_GAINED);
  NextFrame();
  EXPECT_FALSE(game->IsPaused());
  EXPECT_TRUE(menu->IsPaused()) << "a space the player paused stays paused";
  EXPECT_FALSE(sound->IsMuted());
  EXPECT_TRUE(session->GetHardPausedSpaces().empty());

  // Lost and back within one frame leaves the sound on.
  Pump(SDL_WINDOWEVENT_FOCUS_LOST);
  Pump(SDL_WINDOWEVENT_FOCUS_GAINED);
  NextFrame();
  EXPECT_FALSE(sound->IsMuted());
  EXPECT_FALSE(game->IsPaused());

  // Two losses in a row owe one unmute, not two.
  session->HardPause();
  session->HardPause();
  NextFrame();
  session->HardUnPause();
  NextFrame();
  EXPECT_FALSE(sound->IsMuted());

  // A player who had muted stays muted, and a space gone while the focus was away is forgotten.
  events->QueueEvent(MemoryManager::New<Mute>(BRINDLE_SITE, SoundSystemChannel));
  NextFrame();
  ASSERT_TRUE(sound->IsMuted());
  Pump(SDL_WINDOWEVENT_FOCUS_LOST);
  NextFrame();
  EXPECT_TRUE(sound->IsMuted()) << "losing focus never unmutes";
  game->MarkForRemoval();
  NextFrame();
  Pump(SDL_WINDOWEVENT_FOCUS_GAINED);
  NextFrame();
  EXPECT_TRUE(sound->IsMuted()) << "regaining focus undoes only what the focus loss did";
  EXPECT_EQ(Names(*session), std::vector<std::string>{"menu"});
}

TEST_F(WindowStateTest, ATerminateRequestIsNoticedAtTheNextPump)
{
  TerminationSignal::Request();
  Pump(SDL_WINDOWEVENT_MOVED);
  EXPECT_FALSE(session->IsRunning());
}

TEST_F(GameSessionTest, TheEditorKeepsOnlyItsOwnSpace)
{
  Space* editor = LiveSpace(GameSession::EditorSpaceName);
  session->SetEditorSpace(editor);
  session->KeepOnlyEditorSpace();
  EXPECT_EQ(Names(*session), std::vector<std::string>{"Editor Space"}) << "nothing to remove, nothing changes";

  LiveSpace("HUD");
  LiveSpace("Admin");
  session->KeepOnlyEditorSpace();
  EXPECT_EQ(Names(*session), std::vector<std::string>{"Editor Space"});
  EXPECT_EQ(session->GetSpace("Editor Space"), editor);
}
