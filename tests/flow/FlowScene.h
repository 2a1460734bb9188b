#pragma once
// The game's flow on the engine's frames (support/ScopedEngine: the session with the shipped
// prefabs drawing into the shared hidden window, so cameras see the mouse; input on fake devices
// through the input layer and its default action map; the registry; the sound system on the
// game's banks; the timed setters; the flow's host), driven as a player drives the menus: keys
// tapped, buttons clicked through their space's camera.
//
// `soundRequests` keeps every music and volume request that reaches the sound channel, in order,
// as "cue <path>", "fade <path>", "transition <path>", "music <volume>" and "effects <volume>".
#include "app/GameSession.h"
#include "flow/actions/ActionSystem.h"
#include "object/Space.h"
#include "audio/SoundEvents.h"
#include "audio/SoundSystem.h"
#include "core/Log.h"
#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "gameplay/LevelEvents.h"
#include "input/Input.h"
#include "input/InputActionMap.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Members.h"
#include "object/NamedObjects.h"
#include "object/Registry.h"
#include "object/Transform.h"
#include "render/Sprite.h"
#include "support/AtlasFrames.h"
#include "support/CapturedLog.h"
#include "support/EventRecorder.h"
#include "support/FakeInputDevices.h"
#include "support/HeadlessGl.h"
#include "support/ScopedEngine.h"
#include "support/TestEvents.h"

#include <glm/common.hpp>
#include <glm/mat3x3.hpp>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

class FlowScene : public EngineTest
{
protected:
  static constexpr float Step = FrameStep;

  FlowScene()
  {
    const auto volume = [](float value) { return std::to_string(static_cast<int>(value)); };
    soundRequests.Watch<CueMusicEvent>(SoundSystemChannel,
                                       [](const CueMusicEvent& event) { return "cue " + event.path; });
    soundRequests.Watch<FadeInto>(SoundSystemChannel, [](const FadeInto& event) { return "fade " + event.path; });
    soundRequests.Watch<CueTransition>(SoundSystemChannel,
                                       [](const CueTransition& event) { return "transition " + event.musicPath; });
    soundRequests.Watch<SetMusicVolumeEvent>(
        SoundSystemChannel, [volume](const SetMusicVolumeEvent& event) { return "music " + volume(event.volume); });
    soundRequests.Watch<SetSFXVolume>(
        SoundSystemChannel, [volume](const SetSFXVolume& event) { return "effects " + volume(event.volume); });
  }

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
  void Frame(std::initializer_list<SDL_Event> input = {}, float dt = Step)
  {
    for (const SDL_Event& event : input)
      devices->events.push_back(event);
    ScopedEngine::Frame(dt);
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

  // --- Drawing --------------------------------------------------------------------------------
  // Sets the session's renderer up with the game's pictures, so that Draw shows what a frame of the
  // game shows. Call before the spaces to be looked at are made: a sprite finds its picture as it
  // is made.
  void StartDrawing()
  {
    pictures.emplace();
    ASSERT_TRUE(pictures->loaded);
    ASSERT_TRUE(static_cast<Graphics::Graphics&>(*session).Initialize());
  }
  // Draws the spaces shown now as a frame of the game draws them, and keeps the composed picture.
  void Draw()
  {
    session->DispatchDrawEvents();
    session->Render();
    picture = HeadlessGl::Pixels(session->GetCompositeTexture());
  }
  // The colour the last Draw showed at a pixel of the hidden window (counted as PixelX and PixelY
  // count), opaque: red, green, blue.
  glm::ivec3 Shown(int x, int y) const
  {
    const std::size_t at = (static_cast<std::size_t>(HeadlessGl::Height - 1 - y) * HeadlessGl::Width + x) * 4;
    return {picture[at], picture[at + 1], picture[at + 2]};
  }
  // The world rectangle a sprite covers, as its object's place, rotation and scale put it.
  struct Box
  {
    glm::vec2 low{1e9f, 1e9f};
    glm::vec2 high{-1e9f, -1e9f};
    bool Meets(const Box& other) const
    {
      return low.x < other.high.x && other.low.x < high.x && low.y < other.high.y && other.low.y < high.y;
    }
    bool Within(const Box& other) const
    {
      return low.x >= other.low.x && high.x <= other.high.x && low.y >= other.low.y && high.y <= other.high.y;
    }
  };
  static Box SpriteBox(GameObject& object)
  {
    Box box;
    const Sprite* sprite = object.GetComponent<Sprite>();
    if (sprite == nullptr)
      return box;
    const glm::mat3 world = object.GetTransform()->GetWorldMatrix();
    for (const glm::vec2 corner : {glm::vec2(-0.5f, -0.5f), glm::vec2(0.5f, -0.5f), glm::vec2(-0.5f, 0.5f),
                                   glm::vec2(0.5f, 0.5f)})
    {
      const glm::vec2 at(world * glm::vec3(corner * sprite->GetScale() + sprite->GetOffset(), 1.0f));
      box.low = glm::min(box.low, at);
      box.high = glm::max(box.high, at);
    }
    return box;
  }

  // --- Looking --------------------------------------------------------------------------------
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
  template <typename T>
  T* ComponentOf(const std::string& spaceName, const std::string& objectName) const
  {
    GameObject* object = Find(spaceName, objectName);
    return object != nullptr ? object->GetComponent<T>() : nullptr;
  }

  EventLog soundRequests;

private:
  std::optional<AtlasFrames> pictures;
  std::vector<unsigned char> picture;
};

// The in-game interface: the flow's scene with a playing space ("Encounter", the test level), in
// which Make puts what it makes.
class InterfaceScene : public FlowScene
{
protected:
  InterfaceScene()
  {
    space = session->GetSpace("Encounter", "testlevel");
    Frame();
  }

  // Frames for that many seconds of game time.
  void Seconds(float seconds) { Frames(static_cast<int>(seconds / Step + 0.5f)); }

  CapturedLog log;
};
