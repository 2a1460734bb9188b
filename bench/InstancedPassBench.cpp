// Frame time of the instanced sprite pass and the processor time to file its records, with
// 10,000 sprites on one sorted layer, on whatever GL the machine gives (Mesa's llvmpipe in CI).
// Each figure is set beside a baseline measured in the same run: an empty frame for the frame
// times, a plain copy of the same records into a vector for the filing time.
//
//   xvfb-run -a -s "-screen 0 1280x720x24" build/bench/brindle_bench --benchmark_filter=Instanced
#include "BenchScene.h"

#include "platform/Random.h"
#include "render/Graphics.h"
#include "render/InstanceData.h"
#include "render/ResourceManagerTwo.h"

#include <benchmark/benchmark.h>
#include <glm/gtc/type_ptr.hpp>

#include <chrono>
#include <memory>
#include <vector>

namespace
{
constexpr int SpriteCount = 10000;

// One window, renderer and record set for the whole run; null renderer when GL is missing.
struct Scene
{
  Scene()
  {
    if (!renderer.Open())
      return;
    graphics = renderer.graphics.get();
    graphics->RegisterCamera(&renderer.camera, &space);
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

  ~Scene() { renderer.Close(); }

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

  BenchRenderer renderer;
  Graphics::Graphics* graphics = nullptr;
  BenchSpace space;
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
  return TheScene().renderer.SkipWithoutGl(state);
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
  TimeAgainstEmptyFrame(state, *scene.graphics, [&scene] { scene.FileAll(); });
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
