#pragma once
// What the tests of sprites and the components around them run in: the level environment (event
// manager, factory with every built type, one space) with helpers to make objects and step the
// space, and optionally a renderer drawing into the shared hidden window with the game's pictures.
#include "object/LevelTestEnvironment.h"
#include "render/RendererFixture.h"

#include "object/FrameEvents.h"
#include "object/ObjectEvents.h"
#include "render/Sprite.h"

class SpriteTest : public LevelTest
{
protected:
  // As loading a level would, the space listens for the cleanups of its objects.
  SpriteTest() { events->Subscribe<Space, GameObjectCleanupEvent>(space.get(), space->GetId()); }

  Handle<GameObject> Make(const std::string& prefab, const std::string& name = "thing")
  {
    Handle<GameObject> object;
    factory.CreateGameObject(object, prefab, space.get(), name);
    return object;
  }

  // One frame's update of the space, with the queue processed as the game loop does.
  void Update(float dt)
  {
    events->SendEvent(MemoryManager::New<UpdateEvent>(BRINDLE_SITE, space->GetId(), dt));
    events->ProcessQueue();
  }

  // A frame of the space while it is paused: it hears PauseUpdateEvent instead.
  void PausedUpdate(float dt)
  {
    events->SendEvent(MemoryManager::New<PauseUpdateEvent>(BRINDLE_SITE, space->GetId(), dt));
    events->ProcessQueue();
  }

  static Sprite& SpriteOf(const Handle<GameObject>& object) { return *object->GetComponent<Sprite>(); }
};

// The same with the game's resource list and a renderer whose camera for the space is `camera`.
class DrawnSpriteTest : public SpriteTest
{
protected:
  static constexpr float UnitsPerPixel = TestUnitsPerPixel;

  void SetUp() override
  {
    SKIP_WITHOUT_GL();
    graphics = OpenTestRenderer();
    graphics->RegisterCamera(&camera, space.get());
  }

  void TearDown() override { CloseTestRenderer(graphics); }

  void Draw()
  {
    events->SendEvent(MemoryManager::New<DrawEvent>(BRINDLE_SITE, space->GetId(), graphics.get()));
  }

  // The records filed for the space on a layer by the instanced pass, in filing order.
  std::vector<Graphics::InstanceData> Filed(const std::string& layer)
  {
    std::vector<Graphics::InstanceData> records;
    const auto spaceBuffers = graphics->GetSubmissions().find(space->GetSpaceName());
    if (spaceBuffers == graphics->GetSubmissions().end())
      return records;
    const auto layerBuffers = spaceBuffers->second.find(graphics->GetLayer(layer));
    if (layerBuffers == spaceBuffers->second.end())
      return records;
    const auto buffer = layerBuffers->second.find(graphics->GetPass("InstancedRender"));
    if (buffer == layerBuffers->second.end() || buffer->second->Data() == nullptr)
      return records;
    const auto* data = static_cast<const Graphics::InstanceData*>(buffer->second->Data());
    records.assign(data, data + buffer->second->Count());
    return records;
  }

  // The composed picture's texel under a camera-space point (the view is 1920 units across).
  Rgba ShownAt(float x, float y) const { return ::ShownAt(*graphics, x, y); }

  TestCamera camera;
  std::unique_ptr<Graphics::Graphics> graphics;
};
