// The session without a window: the order of a frame's events, spaces by name, focus pause and
// mute, the console's commands on real spaces, and the settings.
#include "app/GameSessionTestEnvironment.h"

#include "app/QuitAfterCommand.h"
#include "audio/SoundEvents.h"
#include "audio/SoundSystem.h"
#include "core/FileUtilities.h"
#include "core/Listener.h"
#include "core/Send.h"
#include "editor/ConsoleGui.h"
#include "input/Input.h"
#include "object/FrameEvents.h"
#include "platform/Assert.h"
#include "platform/TerminationSignal.h"
#include "support/CapturedLog.h"
#include "support/FakeInputDevices.h"
#include "support/TestEvents.h"

#include <string>
#include <vector>

namespace
{
// Hears every per-frame event of the spaces it is told about and writes down what came, in order.
// During Update and PostUpdate it queues a Mute on the space's own channel, to see when the queue
// is processed.
class FrameRecorder : public Listener
{
public:
  FrameRecorder() : Listener(9000) {}

  void Follow(Space* space)
  {
    names[space->GetId()] = space->GetSpaceName();
    EventManager* manager = EventManager::Instance();
    manager->Subscribe<FrameRecorder, PreUpdateEvent>(this, space->GetId());
    manager->Subscribe<FrameRecorder, UpdateEvent>(this, space->GetId());
    manager->Subscribe<FrameRecorder, PauseUpdateEvent>(this, space->GetId());
    manager->Subscribe<FrameRecorder, PostUpdateEvent>(this, space->GetId());
    manager->Subscribe<FrameRecorder, DrawEvent>(this, space->GetId());
    manager->Subscribe<FrameRecorder, Mute>(this, space->GetId());
  }

  void On(PreUpdateEvent* event) { Note("pre", event); }
  void On(UpdateEvent* event)
  {
    Note("update", event);
    Queue(event->GetChannel(), "from-update");
  }
  void On(PauseUpdateEvent* event) { Note("paused", event); }
  void On(PostUpdateEvent* event)
  {
    Note("post", event);
    Queue(event->GetChannel(), "from-post");
  }
  void On(DrawEvent* event)
  {
    log.push_back("draw " + names[event->GetChannel()]);
    renderers.push_back(event->renderer);
  }
  void On(Mute* event)
  {
    log.push_back(queuedFrom.front() + " " + names[event->GetChannel()]);
    queuedFrom.erase(queuedFrom.begin());
  }

  std::vector<std::string> log;
  std::vector<float> steps;
  std::vector<Graphics::Graphics*> renderers;

private:
  template <typename E>
  void Note(const std::string& what, E* event)
  {
    log.push_back(what + " " + names[event->GetChannel()]);
    steps.push_back(event->dt);
  }
  void Queue(std::uint32_t channel, const std::string& origin)
  {
    queuedFrom.push_back(origin);
    ::Queue<Mute>(BRINDLE_SITE, channel);
  }

  std::map<std::uint32_t, std::string> names;
  std::vector<std::string> queuedFrom;
};

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

  FrameRecorder recorder;
  for (Space* space : {alpha, beta, gamma})
    recorder.Follow(space);
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
  EXPECT_EQ(recorder.log, expected);
  for (float step : recorder.steps)
    EXPECT_FLOAT_EQ(step, 0.025f);
  for (Graphics::Graphics* renderer : recorder.renderers)
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

class FocusPauseTest : public GameSessionTest
{
protected:
  FocusPauseTest()
  {
    sound = new SoundSystem();
    SoundSystem::SetInstance(sound);
  }
  ~FocusPauseTest() override
  {
    SoundSystem::SetInstance(nullptr);
    delete sound;
  }

  // One frame's worth of what matters here: the queue (sound mutes) and the space flags.
  void NextFrame()
  {
    events->ProcessQueue();
    session->ManageSpaces();
  }

  CapturedLog quiet;  // no audio device here; its warning is not this test's business
  SoundSystem* sound = nullptr;
};

TEST_F(FocusPauseTest, FocusLossPausesAndMutesAndFocusGainUndoesIt)
{
  Space* game = LiveSpace("game");
  Space* menu = LiveSpace("menu");
  menu->SetPaused(true);  // the player's pause
  session->ManageSpaces();

  session->HardPause();
  EXPECT_EQ(session->GetHardPausedSpaces(), std::vector<std::string>{"game"});
  NextFrame();
  EXPECT_TRUE(game->IsPaused());
  EXPECT_TRUE(sound->IsMuted());

  session->HardUnPause();
  NextFrame();
  EXPECT_FALSE(game->IsPaused());
  EXPECT_TRUE(menu->IsPaused()) << "a space the player paused stays paused";
  EXPECT_FALSE(sound->IsMuted());
  EXPECT_TRUE(session->GetHardPausedSpaces().empty());
}

TEST_F(FocusPauseTest, APlayerWhoHadMutedStaysMuted)
{
  LiveSpace("game");
  events->QueueEvent(MemoryManager::New<Mute>(BRINDLE_SITE, SoundSystemChannel));
  NextFrame();
  ASSERT_TRUE(sound->IsMuted());

  session->HardPause();
  NextFrame();
  EXPECT_TRUE(sound->IsMuted()) << "losing focus never unmutes";
  session->HardUnPause();
  NextFrame();
  EXPECT_TRUE(sound->IsMuted()) << "regaining focus undoes only what the focus loss did";
}

TEST_F(FocusPauseTest, FocusLostAndBackWithinOneFrameLeavesTheSoundOn)
{
  Space* game = LiveSpace("game");
  session->HardPause();
  session->HardUnPause();
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
}

TEST_F(FocusPauseTest, ASpaceGoneWhileFocusWasAwayIsForgotten)
{
  Space* game = LiveSpace("game");
  session->HardPause();
  NextFrame();
  game->MarkForRemoval();
  NextFrame();
  session->HardUnPause();
  NextFrame();
  EXPECT_TRUE(session->GetSpaces().empty());
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

TEST_F(GameSessionTest, TheBackQuoteToggleSavesBothSettingsFiles)
{
  settingsFolder.Write("GameSettings", R"({"firstLevel": "harbour", "lighting": {"DL_MAIN": 0.5}, "extra": 7})");
  settingsFolder.Write("EditorSettings", R"({"showConsole": true, "mine": "kept"})");
  CapturedLog output;
  ASSERT_TRUE(session->LoadSettings());
  EXPECT_EQ(session->GetFirstLevel(), "harbour");
  EXPECT_EQ(session->GetCurrentLevel(), "brackwater");
  EXPECT_TRUE(output.Contains("[WARNING] Found ambient light value for layer DL_MAIN, but layer is not loaded"))
      << "no window here, so no draw layers";

  session->ToggleDebugView();
  Json::Value game, editor;
  ASSERT_TRUE(ReadJsonFile(game, settingsFolder.File("GameSettings")));
  ASSERT_TRUE(ReadJsonFile(editor, settingsFolder.File("EditorSettings")));
  EXPECT_TRUE(editor["showDebugView"].asBool());
  EXPECT_TRUE(editor["showConsole"].asBool());
  EXPECT_EQ(editor["mine"].asString(), "kept");
  EXPECT_EQ(game["extra"].asInt(), 7);
  EXPECT_FLOAT_EQ(game["lighting"]["DL_MAIN"].asFloat(), 0.5f) << "the file is the ambient light's only source";
}

TEST_F(GameSessionTest, MalformedSettingsStopTheStartWithoutTouchingTheFile)
{
  const std::string malformed = "{ \"firstLevel\": \"brackwater\", ";
  settingsFolder.Write("GameSettings", malformed);
  CapturedLog output;
  EXPECT_FALSE(session->LoadSettings());
  EXPECT_TRUE(output.Contains("[ERROR]"));
  session->ToggleDebugView();
  EXPECT_EQ(settingsFolder.Read("GameSettings"), malformed);
}

TEST_F(GameSessionTest, MissingGameSettingsAreReported)
{
  EXPECT_FALSE(session->LoadSettings());
  EXPECT_TRUE(asserts.Saw("Could not open game settings file"));
}

namespace
{
// The window events come from the fake devices' script, not from a display.
class WindowStateTest : public FocusPauseTest
{
protected:
  WindowStateTest()
  {
    devices->readDisplay = false;
    Input::Init(std::make_unique<FakeInputDevices>(devices));
  }
  ~WindowStateTest() override
  {
    Input::Shutdown();
    TerminationSignal::Clear();
  }

  // One pump with this window event, then what the loop does with it.
  void Pump(Uint8 windowEvent)
  {
    devices->events.push_back(TestEvents::Window(windowEvent));
    Input::Instance()->Update();
    session->HandleWindowState();
  }

  std::shared_ptr<FakeDeviceLog> devices = std::make_shared<FakeDeviceLog>();
};
}  // namespace

TEST_F(WindowStateTest, TheInputPumpsFocusChangesPauseAndResume)
{
  Space* game = LiveSpace("game");
  Pump(SDL_WINDOWEVENT_FOCUS_LOST);
  NextFrame();
  EXPECT_TRUE(game->IsPaused());
  EXPECT_TRUE(sound->IsMuted());
  Pump(SDL_WINDOWEVENT_FOCUS_GAINED);
  NextFrame();
  EXPECT_FALSE(game->IsPaused());
  EXPECT_FALSE(sound->IsMuted());
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
