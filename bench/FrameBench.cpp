// The whole frame of the busiest levels as the game plays them, in the main thread's processor
// time, beside a hand-made floor that draws the same quads through the same layered passes
// (FrameFloor). The game runs windowed on its own loop (input, sound, spaces, physics, the update
// and draw events, the renderer, the interface, the swap); its clock is stepped, so every frame is
// 1/120 s of game time and nothing sleeps. After a second of play the floor copies what one frame
// filed; from then on every game frame is followed by a floor frame, so both are timed in the same
// stretch of the machine's load. The player is made invulnerable so that the fight goes on.
//
//   FrameVersusFloor/BossRoom   frame_vs_floor: the game's frame over the floor's (the floor
//   FrameVersusFloor/skirmish   draws every layer every frame; the game draws again only the
//                               layers whose content changed, so the ratio can fall below 1);
//                               excess_vs_floor: what the frame spends beyond the floor, over
//                               the floor; frame_cpu_ms and floor_cpu_ms, each frame's main-thread
//                               processor milliseconds; quads, particles and lights the floor draws
//
// Needs a display (xvfb-run); run from the repository root:
//   xvfb-run -a -s "-screen 0 1280x720x24" build/bench/brindle_bench --benchmark_filter=FrameVersusFloor
#include "BenchScene.h"
#include "FrameFloor.h"

#include "app/GameSession.h"
#include "core/MemoryManager.h"
#include "gameplay/combat/Health.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "platform/FrameClock.h"

#include <benchmark/benchmark.h>
#include <imgui.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
constexpr int WarmUpFrames = 120;
constexpr int TimedFrames = 240;

// Moves a microsecond at each reading and by whole sleeps: frames last their 1/120 s of game time
// without waiting for it.
class SteppedClock : public FrameClock
{
public:
  std::int64_t NowUs() override { return ++now; }
  void Sleep(std::int64_t milliseconds) override { now += milliseconds * 1000; }

private:
  std::int64_t now = 0;
};

// The settings files the session reads, in a folder of their own.
class SettingsFolder
{
public:
  explicit SettingsFolder(const std::string& firstLevel)
      : path(std::filesystem::temp_directory_path() / ("brindle-bench-frame-" + std::to_string(getpid())))
  {
    std::filesystem::create_directories(path);
    std::ofstream(path / "GameSettings") << R"({"firstLevel": ")" << firstLevel << R"("})";
    std::ofstream(path / "EditorSettings") << "{}";
  }
  ~SettingsFolder()
  {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::string Prefix() const { return path.string() + "/"; }

private:
  std::filesystem::path path;
};

void MakePlayersInvulnerable(GameSession& session)
{
  for (const auto& [name, space] : session.GetSpaces())
    for (const auto& [id, object] : space->GetObjectsById())
      if (object && object->GetPrefabName() == "Player")
        if (Health* health = object->GetComponent<Health>())
          health->SetInvulnerable(true);
}

std::vector<Graphics::RenderSpace*> VisibleSpaces(GameSession& session)
{
  std::vector<Graphics::RenderSpace*> spaces;
  for (const auto& [name, space] : session.GetSpaces())
    if (space->IsVisible())
      spaces.push_back(space);
  return spaces;
}

// What the timed frames of one run add up to, and what the floor drew.
struct FrameFigures
{
  double frameSeconds = 0;
  double floorSeconds = 0;
  double wallSeconds = 0;
  int frames = 0;
  std::size_t objects = 0;
  std::size_t quads = 0;
  std::size_t particles = 0;
  std::size_t lights = 0;
  bool floorReady = false;
};

// One run of the game on the level: warm-up, the floor's copy, then game and floor frames in turn.
FrameFigures PlayLevel(const std::string& level)
{
  FrameFigures figures;
  FrameFloor floor;
  SettingsFolder settings(level);
  SteppedClock clock;
  std::ostringstream output;
  std::streambuf* silenced = std::cout.rdbuf(output.rdbuf());
  auto session = std::make_unique<GameSession>(MemoryManager::Instance(), &clock, settings.Prefix());
  GameSession::SetInstance(session.get());
  session->SetWindowedStart();
  if (session->Initialize())
  {
    ImGui::GetIO().IniFilename = nullptr;
    int frame = 0;
    double mark = 0;
    auto wallMark = std::chrono::steady_clock::now();
    session->SetFrameObserver([&] {
      const double now = ThreadSeconds();
      const auto wallNow = std::chrono::steady_clock::now();
      ++frame;
      if (frame == 1)
        MakePlayersInvulnerable(*session);
      if (frame > WarmUpFrames && figures.floorReady)
      {
        figures.frameSeconds += now - mark;
        figures.wallSeconds += SecondsOf(wallNow - wallMark);
        ++figures.frames;
      }
      if (frame == WarmUpFrames)
      {
        // One more frame's records, taken for the floor and then dropped.
        session->DispatchDrawEvents();
        figures.floorReady = floor.Capture(*session, VisibleSpaces(*session));
        for (const auto& [name, layers] : session->GetSubmissions())
          for (const auto& [layer, passes] : layers)
            for (const auto& [pass, buffer] : passes)
              buffer->Clear();
        for (const auto& [name, space] : session->GetSpaces())
          figures.objects += space->GetObjectsById().size();
      }
      if (frame >= WarmUpFrames && figures.floorReady)
      {
        const double floorStart = ThreadSeconds();
        floor.Draw(session->GetWindow());
        figures.floorSeconds += ThreadSeconds() - floorStart;
      }
      mark = ThreadSeconds();
      wallMark = std::chrono::steady_clock::now();
    });
    session->QuitAfterFrames(WarmUpFrames + TimedFrames + 1);
    session->Run();
    figures.quads = floor.Quads();
    figures.particles = floor.Particles();
    figures.lights = floor.Lights();
    floor.Release();
  }
  session->Shutdown();
  session.reset();
  GameSession::SetInstance(nullptr);
  std::cout.rdbuf(silenced);
  return figures;
}

void FrameVersusFloor(benchmark::State& state, const std::string& level)
{
  if (std::getenv("DISPLAY") == nullptr)
  {
    state.SkipWithError("no display to open the game's window on");
    return;
  }
  FrameFigures total;
  for (auto _ : state)
  {
    const FrameFigures run = PlayLevel(level);
    if (!run.floorReady || run.frames == 0)
    {
      state.SkipWithError(("the game did not play " + level + " with a floor to set it against").c_str());
      return;
    }
    total.frameSeconds += run.frameSeconds;
    total.floorSeconds += run.floorSeconds;
    total.wallSeconds += run.wallSeconds;
    total.frames += run.frames;
    total.objects = run.objects;
    total.quads = run.quads;
    total.particles = run.particles;
    total.lights = run.lights;
    state.SetIterationTime(run.wallSeconds);
  }
  const double frames = static_cast<double>(total.frames);
  state.counters["frame_vs_floor"] = total.floorSeconds > 0 ? total.frameSeconds / total.floorSeconds : 0;
  state.counters["excess_vs_floor"] =
      total.floorSeconds > 0 ? (total.frameSeconds - total.floorSeconds) / total.floorSeconds : 0;
  state.counters["frame_cpu_ms"] = total.frameSeconds * 1000.0 / frames;
  state.counters["floor_cpu_ms"] = total.floorSeconds * 1000.0 / frames;
  state.counters["frame_wall_ms"] = total.wallSeconds * 1000.0 / frames;
  state.counters["objects"] = static_cast<double>(total.objects);
  state.counters["quads"] = static_cast<double>(total.quads);
  state.counters["particles"] = static_cast<double>(total.particles);
  state.counters["lights"] = static_cast<double>(total.lights);
}
BENCHMARK_CAPTURE(FrameVersusFloor, BossRoom, std::string("BossRoom"))->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FrameVersusFloor, skirmish, std::string("skirmish"))->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
}  // namespace
