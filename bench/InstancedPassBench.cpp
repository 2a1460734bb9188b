// Frame time of the instanced sprite pass and the processor time to file its records, with
// 10,000 sprites on one sorted layer, on whatever GL the machine gives (Mesa's llvmpipe in CI).
// Each figure is set beside a baseline measured in the same run: an empty frame for the frame
// times, a plain copy of the same records into a vector for the filing time.
//
//   xvfb-run -a -s "-screen 0 1280x720x24" build/bench/brindle_bench --benchmark_filter=Instanced
#include "platform/Random.h"
#include "render/Graphics.h"
#include "render/InstanceData.h"
#include "render/ResourceManagerTwo.h"
#include "render/Window.h"

#include <benchmark/benchmark.h>
#include <glm/gtc/type_ptr.hpp>

#include <chrono>
#include <memory>
#include <vector>

namespace
{
constexpr int SpriteCount = 10000;

struct BenchSpace : Graphics::RenderSpace
{
  std::string GetSpaceName() const override { return "Bench"; }
};

struct BenchCamera : Graphics::CameraView
{
  glm::mat3 ToCameraSpace() const override { return glm::mat3(1.0f); }
};

// One window, renderer and record set for the whole run; null renderer when GL is missing.
struct Scene
{
  Scene()
  {
    if (!window.OpenHidden(1280, 720, failure))
      return;
    ResourceManagerTwo::LoadResources("Assets\\RESOURCES.json");
    graphics = std::make_unique<Graphics::Graphics>();
    graphics->AttachWindow(&window);
    graphics->Initialize();
    graphics->RegisterCamera(&camera, &space);
    layer = graphics->GetLayer("DL_MAIN");
    pass = graphics->GetPass("InstancedRender");

    ResetRandom();
    const AtlasRegion& region = ResourceManagerTwo::ResolveTextureName("player", true);
    for (int i = 0; i < SpriteCount; ++i)
    {
      Graphics::InstanceData record;
      for (int corner = 0; corner < 4; ++corner)
        record.uvRect[corner] = region.firstFrame[corner];
      const float x = RandomUnit() * 1920.0f - 960.0f;
      const float y = RandomUnit() * 1080.0f - 540.0f;
      const float model[16] = {32, 0, 0, x, 0, 32, 0, y, 0, 0, 1, 0, 0, 0, 0, 1};
      for (int k = 0; k < 16; ++k)
        record.model[k] = model[k];
      record.sortY = y;
      records.push_back(record);
    }
  }

  ~Scene()
  {
    graphics.reset();
    if (window.IsOpen())
      ResourceManagerTwo::UnloadAll();
  }

  void FileAll()
  {
    Graphics::InstanceSubmission<Graphics::InstanceData> submission;
    submission.layer = layer;
    submission.pass = pass;
    submission.space = &space;
    for (const Graphics::InstanceData& record : records)
    {
      submission.record = record;
      graphics->AddInstance(submission);
    }
  }

  InstanceBuffer* Buffer() const { return graphics->GetSubmissions().at("Bench").at(layer).at(pass).get(); }

  Window window;
  std::string failure;
  std::unique_ptr<Graphics::Graphics> graphics;
  BenchSpace space;
  BenchCamera camera;
  Graphics::Layer* layer = nullptr;
  Graphics::Pass* pass = nullptr;
  std::vector<Graphics::InstanceData> records;
};

Scene& TheScene()
{
  static Scene scene;
  return scene;
}

bool SkipWithoutGl(benchmark::State& state)
{
  if (TheScene().graphics != nullptr)
    return false;
  state.SkipWithError(("No OpenGL context, skipped: " + TheScene().failure).c_str());
  return true;
}

double SecondsOf(const std::chrono::steady_clock::duration& duration)
{
  return std::chrono::duration<double>(duration).count();
}

// Baseline for the frame times: composing and presenting a frame with nothing filed.
void InstancedPassEmptyFrame(benchmark::State& state)
{
  if (SkipWithoutGl(state))
    return;
  Scene& scene = TheScene();
  for (auto _ : state)
  {
    scene.graphics->Render();
    glFinish();
  }
}
BENCHMARK(InstancedPassEmptyFrame)->Unit(benchmark::kMillisecond);

// The pass alone: sort, upload and one instanced draw of 10,000 sprites into the layer texture.
void InstancedPassDraw10000(benchmark::State& state)
{
  if (SkipWithoutGl(state))
    return;
  Scene& scene = TheScene();
  Graphics::Texture* target = scene.layer->target.get();
  for (auto _ : state)
  {
    state.PauseTiming();
    scene.FileAll();
    state.ResumeTiming();
    scene.pass->Render(nullptr, target, scene.layer, scene.Buffer());
    glFinish();
  }
  state.counters["sprites"] = SpriteCount;
}
BENCHMARK(InstancedPassDraw10000)->Unit(benchmark::kMillisecond);

// A whole frame with 10,000 sprites filed, composed and presented; set against an empty frame.
void InstancedPassFrame10000(benchmark::State& state)
{
  if (SkipWithoutGl(state))
    return;
  Scene& scene = TheScene();
  double emptySeconds = 0;
  double fullSeconds = 0;
  for (auto _ : state)
  {
    const auto emptyStart = std::chrono::steady_clock::now();
    scene.graphics->Render();
    glFinish();
    const auto fullStart = std::chrono::steady_clock::now();
    scene.FileAll();
    scene.graphics->Render();
    glFinish();
    const auto end = std::chrono::steady_clock::now();
    emptySeconds += SecondsOf(fullStart - emptyStart);
    fullSeconds += SecondsOf(end - fullStart);
  }
  state.counters["vs_empty_frame"] = emptySeconds > 0 ? fullSeconds / emptySeconds : 0;
  state.counters["frame_ms"] = fullSeconds * 1000.0 / static_cast<double>(state.iterations());
}
BENCHMARK(InstancedPassFrame10000)->Unit(benchmark::kMillisecond);

// Processor time to file 10,000 records, set against copying them into a reserved vector.
void InstancedPassFile10000(benchmark::State& state)
{
  if (SkipWithoutGl(state))
    return;
  Scene& scene = TheScene();
  std::vector<Graphics::InstanceData> copy;
  copy.reserve(SpriteCount);
  double fileSeconds = 0;
  double copySeconds = 0;
  for (auto _ : state)
  {
    const auto fileStart = std::chrono::steady_clock::now();
    scene.FileAll();
    const auto copyStart = std::chrono::steady_clock::now();
    copy.clear();
    for (const Graphics::InstanceData& record : scene.records)
      copy.push_back(record);
    benchmark::DoNotOptimize(copy.data());
    const auto end = std::chrono::steady_clock::now();
    fileSeconds += SecondsOf(copyStart - fileStart);
    copySeconds += SecondsOf(end - copyStart);
    scene.Buffer()->Clear();
  }
  state.counters["vs_vector_copy"] = copySeconds > 0 ? fileSeconds / copySeconds : 0;
  state.counters["ns_per_record"] = fileSeconds * 1e9 / (static_cast<double>(state.iterations()) * SpriteCount);
}
BENCHMARK(InstancedPassFile10000)->Unit(benchmark::kMicrosecond);
}  // namespace
