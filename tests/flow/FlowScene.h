#pragma once
// The game's flow on the real frame loop, without the program around it: a session with the
// shipped prefabs drawing into the shared hidden window (so cameras see the mouse), input on fake
// devices read through the input layer and its default action map, a registry, the sound system on
// the game's banks (silent, its clock the frames'), the action system, and the flow's host.
// Frame() runs one frame's steps in the game loop's order: sound, input, actions, space
// management, the action system, physics of the active spaces, the update events.
//
// A listener on the sound channel keeps every music and volume request, in order.
#include "app/GameSessionTestEnvironment.h"

#include "audio/SoundEvents.h"
#include "audio/SoundSystem.h"
#include "flow/FlowEvents.h"
#include "flow/FlowHost.h"
#include "flow/actions/ActionSystem.h"
#include "gameplay/LevelEvents.h"
#include "input/Input.h"
#include "input/InputActionMap.h"
#include "object/GameObject.h"
#include "object/Registry.h"
#include "object/SpaceDirectory.h"
#include "object/Transform.h"
#include "physics/PhysicsModule.h"
#include "support/FakeInputDevices.h"
#include "support/HeadlessGl.h"
#include "support/TestEvents.h"

#include <glm/gtc/matrix_transform.hpp>  // Required for: glm::ortho

#include <initializer_list>
#include <string>
#include <vector>

// The requests that reach the sound channel, as "cue <path>", "fade <path>", "transition <path>",
// "music <volume>" and "effects <volume>".
class SoundRequests : public Listener
{
public:
  SoundRequests() : Listener(1001)
  {
    EventManager* events = EventManager::Instance();
    events->Subscribe<SoundRequests, CueMusicEvent>(this, SoundSystemChannel);
    events->Subscribe<SoundRequests, FadeInto>(this, SoundSystemChannel);
    events->Subscribe<SoundRequests, CueTransition>(this, SoundSystemChannel);
    events->Subscribe<SoundRequests, SetMusicVolumeEvent>(this, SoundSystemChannel);
    events->Subscribe<SoundRequests, SetSFXVolume>(this, SoundSystemChannel);
  }
  void On(CueMusicEvent* event) { lines.push_back("cue " + event->path); }
  void On(FadeInto* event) { lines.push_back("fade " + event->path); }
  void On(CueTransition* event) { lines.push_back("transition " + event->musicPath); }
  void On(SetMusicVolumeEvent* event) { lines.push_back("music " + std::to_string(static_cast<int>(event->volume))); }
  void On(SetSFXVolume* event) { lines.push_back("effects " + std::to_string(static_cast<int>(event->volume))); }

  std::vector<std::string> lines;
};

class FlowScene : public GameSessionTest, public SpaceDirectory, public FlowHost
{
protected:
  static constexpr float Step = 1.0f / 60.0f;

  void SetUp() override
  {
    if (HeadlessGl::Get() != nullptr)
    {
      session->AttachWindow(HeadlessGl::Get());
      session->projection = glm::ortho(-960.0f, 960.0f, -540.0f, 540.0f, 1.0f, -5.0f);
    }
    devices->readDisplay = false;
    Input::Init(std::make_unique<FakeInputDevices>(devices));
    InputActionMap::Init();
    InputActionMap::InitDefaultBindings();
    Registry::SetInstance(&registry);
    Studio::System::SetHeadlessClock([this] { return static_cast<std::int64_t>(now * 1e6); });
    soundSystem = std::make_unique<SoundSystem>();
    SoundSystem::SetInstance(soundSystem.get());
    SpaceDirectory::SetInstance(this);
    FlowHost::SetInstance(this);
    ActionSystem::ActionSystem::SetInstance(&actions);
  }

  void TearDown() override
  {
    session->UnloadAllSpaces();
    ActionSystem::ActionSystem::SetInstance(nullptr);
    FlowHost::SetInstance(nullptr);
    SpaceDirectory::SetInstance(nullptr);
    SoundSystem::SetInstance(nullptr);
    soundSystem.reset();
    Studio::System::SetHeadlessClock({});
    Registry::SetInstance(nullptr);
    InputActionMap::Shutdown();
    Input::Shutdown();
  }

  // --- SpaceDirectory and FlowHost, as the session gives them to the game ------------------
  Space* GetSpace(const std::string& name) const override { return session->GetSpace(name); }
  Space* GetSpace(const std::string& name, const std::string& level) override
  {
    return session->GetSpace(name, level);
  }
  void EndGame() override { ++gameEnds; }
  bool IsWindowFullscreen() const override { return fullscreen; }
  void SetWindowFullscreen(bool on) override { fullscreen = on; }

  // --- Driving ------------------------------------------------------------------------------
  // The administration level and the main menu in the utility space, as the splash leaves them.
  void StartAtMainMenu()
  {
    session->GetSpace("Admin", "admin");
    Frame();
    events->SendEvent(MemoryManager::New<StartUtilityEvent>(BRINDLE_SITE, LevelTransitionChannel, "introlevel"));
    // The menu actions rest for their first half second, as after any firing.
    Rest();
  }

  // One frame of the game loop, with these events in its input pump.
  void Frame(std::initializer_list<SDL_Event> input = {})
  {
    for (const SDL_Event& event : input)
      devices->events.push_back(event);
    soundSystem->Update();
    Input::Instance()->Update();
    InputActionMap::Instance()->Update(Step);
    session->ManageSpaces();
    now += Step;
    actions.Update();
    for (const auto& [name, space] : session->GetSpaces())
      if (space->IsActive())
        PhysicsModule::Of(space)->Update(Step);
    session->DispatchUpdateEvents(Step);
    AfterFrame();
  }
  // What a scenario looks at after every frame.
  virtual void AfterFrame() {}
  void Frames(int count)
  {
    for (int frame = 0; frame < count; ++frame)
      Frame();
  }
  // A key pressed in one frame and let go in the next, and the frame after, in which what the
  // press asked of the spaces has taken effect.
  void Tap(SDL_Keycode key)
  {
    Frame({TestEvents::Key(key, true)});
    Frame({TestEvents::Key(key, false)});
    Frame();
  }
  // Waits out the half second the menu actions rest after firing.
  void Rest() { Frames(35); }
  // A click on the object's place, seen through its space's camera (every menu's camera stands at
  // the origin, so world places map to the same pixels in every menu).
  void Click(const std::string& space, const std::string& object)
  {
    Hover(space, object);
    Frame({TestEvents::MouseButton(SDL_BUTTON_LEFT, true)});
    Frame({TestEvents::MouseButton(SDL_BUTTON_LEFT, false)});
    Frame();
  }

  // The mouse moved onto the object's place.
  void Hover(const std::string& space, const std::string& object)
  {
    GameObject* button = Find(space, object);
    ASSERT_NE(button, nullptr) << object << " in " << space;
    const glm::vec2 at = button->GetTransform()->GetWorldPosition();
    MouseTo(PixelX(at.x), PixelY(at.y));
  }
  // The mouse moved to a pixel of the hidden window (320 x 180 showing 1920 x 1080 world units).
  void MouseTo(int x, int y) { Frame({TestEvents::MouseMotion(x, y, 0, 0)}); }
  static int PixelX(float worldX) { return static_cast<int>(160.0f + worldX / 6.0f); }
  static int PixelY(float worldY) { return static_cast<int>(90.0f - worldY / 6.0f); }

  // --- Looking --------------------------------------------------------------------------------
  Space* Live(const std::string& name) const
  {
    const auto found = session->GetSpaces().find(name);
    return found != session->GetSpaces().end() ? found->second : nullptr;
  }
  std::string LevelIn(const std::string& name) const
  {
    const Space* space = Live(name);
    return space != nullptr ? space->GetName() : "(none)";
  }
  // "<level>, running|paused, shown|hidden" for a live space.
  std::string StateOf(const std::string& name) const
  {
    const Space* space = Live(name);
    if (space == nullptr)
      return "(none)";
    return space->GetName() + (space->IsActive() ? ", running" : ", paused") +
           (space->IsVisible() ? ", shown" : ", hidden");
  }
  GameObject* Find(const std::string& spaceName, const std::string& objectName) const
  {
    Space* space = Live(spaceName);
    if (space == nullptr)
      return nullptr;
    const auto found = space->FindObjectByName(objectName);
    return found != space->ObjectsEnd() ? found->second.Get() : nullptr;
  }
  template <typename T>
  T* ComponentOf(const std::string& spaceName, const std::string& objectName) const
  {
    GameObject* object = Find(spaceName, objectName);
    return object != nullptr ? object->GetComponent<T>() : nullptr;
  }

  std::shared_ptr<FakeDeviceLog> devices = std::make_shared<FakeDeviceLog>();
  Registry registry;
  float now = 100.0f;
  std::unique_ptr<SoundSystem> soundSystem;
  ActionSystem::ActionSystem actions{[this]() { return now; }};
  SoundRequests sound;
  int gameEnds = 0;
  bool fullscreen = false;
};
