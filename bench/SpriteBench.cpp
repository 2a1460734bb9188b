// What the Sprite component adds to filing a record: 5,000 sprite objects answer one DrawEvent
// (each builds its model matrix from its transform and the camera, picks its frame and files
// one record), set beside filing the same 5,000 records already built, in the same run. Object
// ids are event channels, of which there are 7,000, hence not 10,000 objects.
//
//   xvfb-run -a -s "-screen 0 1280x720x24" build/bench/brindle_bench --benchmark_filter=Sprite
#include "BenchScene.h"
#include "app/AllComponents.h"

#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "platform/Random.h"
#include "render/Graphics.h"
#include "render/ResourceManagerTwo.h"
#include "render/Sprite.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <json/json.h>
#include <memory>
#include <vector>

namespace
{
constexpr int SpriteCount = 5000;

// One window, renderer, object model and set of sprite objects for the whole run; a null
// renderer when GL is missing.
struct SpriteScene
{
  SpriteScene()
  {
    MemoryManager::Instance();
    EventManager::SetInstance(events.get());
    if (!renderer.Open())
      return;
    graphics = renderer.graphics.get();
    GameobjectFactory::SetInstance(&factory);
    factory.SetComponentRegistrar(RegisterAllComponents);
    factory.Initialize();
    Json::Value prefab;
    Json::Reader().parse(R"({"Sprite": {"source": "player", "layer": "DL_MAIN", "animated": true},
                             "Transform": {"scale": [32, 32]}})",
                         prefab);
    factory.DefinePrefab("BenchSprite", prefab, "bench");
    space = std::make_unique<Space>("Bench");
    graphics->RegisterCamera(&renderer.camera, space.get());

    ResetRandom();
    for (int i = 0; i < SpriteCount; ++i)
    {
      Handle<GameObject> object;
      factory.CreateGameObjectAt(object, "BenchSprite", space.get(), RandomUnit() * 1920.0f - 960.0f,
                                 RandomUnit() * 1080.0f - 540.0f, "");
      records.push_back(object->GetComponent<Sprite>()->MakeInstance(glm::mat3(1.0f)));
    }
    layer = graphics->GetLayer("DL_MAIN");
    pass = graphics->GetPass("InstancedRender");
  }

  ~SpriteScene()
  {
    space.reset();
    GameobjectFactory::SetInstance(nullptr);
    renderer.Close();
    EventManager::SetInstance(nullptr);
  }

  void FilePrebuilt()
  {
    Graphics::InstanceSubmission<Graphics::InstanceData> submission;
    submission.layer = layer;
    submission.pass = pass;
    submission.space = space.get();
    for (const Graphics::InstanceData& record : records)
    {
      submission.record = record;
      graphics->AddInstance(submission);
    }
  }

  void ClearFiled() { graphics->GetSubmissions().at("Bench").at(layer).at(pass)->Clear(); }

  std::unique_ptr<EventManager> events = std::make_unique<EventManager>();
  BenchRenderer renderer;
  Graphics::Graphics* graphics = nullptr;
  GameobjectFactory factory;
  std::unique_ptr<Space> space;
  std::vector<Graphics::InstanceData> records;
  Graphics::Layer* layer = nullptr;
  Graphics::Pass* pass = nullptr;
};

SpriteScene& TheSpriteScene()
{
  static SpriteScene scene;
  return scene;
}

void SpriteDraw5000(benchmark::State& state)
{
  SpriteScene& scene = TheSpriteScene();
  if (scene.renderer.SkipWithoutGl(state))
    return;
  double drawSeconds = 0;
  double prebuiltSeconds = 0;
  for (auto _ : state)
  {
    const auto drawStart = std::chrono::steady_clock::now();
    scene.events->SendEvent(MemoryManager::New<DrawEvent>(BRINDLE_SITE, scene.space->GetId(), scene.graphics));
    const auto prebuiltStart = std::chrono::steady_clock::now();
    scene.ClearFiled();
    scene.FilePrebuilt();
    const auto end = std::chrono::steady_clock::now();
    scene.ClearFiled();
    drawSeconds += SecondsOf(prebuiltStart - drawStart);
    prebuiltSeconds += SecondsOf(end - prebuiltStart);
  }
  state.counters["vs_prebuilt_filing"] = prebuiltSeconds > 0 ? drawSeconds / prebuiltSeconds : 0;
  state.counters["draw_us"] = drawSeconds * 1e6 / static_cast<double>(state.iterations());
}
BENCHMARK(SpriteDraw5000)->Unit(benchmark::kMicrosecond);
}  // namespace
