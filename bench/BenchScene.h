#pragma once
// What the benchmarks that draw or fill a world share: the time of a stretch in seconds, the
// stand-ins a renderer draws through, a renderer in a hidden window, and objects with a transform.
#include "core/Handle.h"
#include "core/Log.h"
#include "render/Graphics.h"
#include "render/Window.h"

#include <benchmark/benchmark.h>
#include <glm/glm.hpp>

#include <chrono>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

class EventManager;
class GameObject;
class GameobjectFactory;
class PhysicsModule;
class Registry;
class Space;

double SecondsOf(const std::chrono::steady_clock::duration& duration);
// This thread's processor time in seconds: on a busy machine the wall clock also counts the time
// other programs held the core.
double ThreadSeconds();

struct BenchSpace : Graphics::RenderSpace
{
  std::string GetSpaceName() const override { return "Bench"; }
};

struct BenchCamera : Graphics::CameraView
{
  glm::mat3 ToCameraSpace() const override { return glm::mat3(1.0f); }
};

// A renderer in a hidden 1280 x 720 window with the game's resource list loaded; the renderer
// stays null when the machine gives no GL. Opened and closed by the scene that holds it, so the
// scene keeps its own order of setting up and tearing down around it. The resource list is one
// for the process and its GL objects belong to one window's context, so opening a renderer closes
// the one opened before (whose benchmarks have run by then).
class BenchRenderer
{
public:
  ~BenchRenderer();

  bool Open();
  void Close();

  // True, with the benchmark marked skipped, when there is no renderer.
  bool SkipWithoutGl(benchmark::State& state) const;

  Window window;
  std::string failure;
  std::unique_ptr<Graphics::Graphics> graphics;
  BenchCamera camera;
};

// A whole frame with what `file` files, set against an empty frame composed and presented in the
// same iteration; reports the ratio and the full frame's milliseconds.
template <typename FileFunction>
void TimeAgainstEmptyFrame(benchmark::State& state, Graphics::Graphics& graphics, FileFunction file)
{
  double emptySeconds = 0;
  double fullSeconds = 0;
  for (auto _ : state)
  {
    const auto emptyStart = std::chrono::steady_clock::now();
    graphics.Render();
    glFinish();
    const auto fullStart = std::chrono::steady_clock::now();
    file();
    graphics.Render();
    glFinish();
    const auto end = std::chrono::steady_clock::now();
    emptySeconds += SecondsOf(fullStart - emptyStart);
    fullSeconds += SecondsOf(end - fullStart);
  }
  state.counters["vs_empty_frame"] = emptySeconds > 0 ? fullSeconds / emptySeconds : 0;
  state.counters["frame_ms"] = fullSeconds * 1000.0 / static_cast<double>(state.iterations());
}

// A game object named "Bench" with a transform at `position`, in `space` (may be null), kept in
// `objects` for DestroyBenchObjects.
Handle<GameObject> MakeBenchObject(glm::vec2 position, Space* space, std::vector<Handle<GameObject>>& objects);

// Takes every object out of the physics module and destroys it.
void DestroyBenchObjects(std::vector<Handle<GameObject>>& objects, PhysicsModule& physics);

// Standard output and the log while it lives, kept in Text() so that reports (a save's "saved."
// lines and the like) do not bury the figures. "[ERROR]" and "[WARNING]" lines go to standard
// error as well: a benchmark of a world that failed to build is measuring something else, and
// the run (and the suite's smoke run of every benchmark) must show it.
class QuietOutput
{
public:
  QuietOutput();
  ~QuietOutput();
  QuietOutput(const QuietOutput&) = delete;
  QuietOutput& operator=(const QuietOutput&) = delete;

  std::string Text() const { return text.str(); }

  // Off for a scenario whose reports are its point (a level too large to build whole): they are
  // kept in Text() alone.
  bool echoProblems = true;

private:
  std::ostringstream text;
  std::streambuf* silenced;
  LogSink previousSink;
};

// The object model as the game has it, without a window: a published event manager, a factory
// with every component class and the prefabs of a folder (the game's when empty), a registry, and one space ("Bench") that
// tears removed objects down as a loaded level's space does. Its reports go to `output`.
class BenchWorld
{
public:
  explicit BenchWorld(const std::string& prefabFolder = "");
  ~BenchWorld();
  BenchWorld(const BenchWorld&) = delete;
  BenchWorld& operator=(const BenchWorld&) = delete;

  // An object of the prefab at the position, woken.
  Handle<GameObject> Make(const std::string& prefab, glm::vec2 position);
  // A "RangeWall" of that size centred there.
  void MakeWall(glm::vec2 centre, glm::vec2 size);

  QuietOutput output;
  std::unique_ptr<EventManager> events;
  std::unique_ptr<GameobjectFactory> factory;
  std::unique_ptr<Registry> registry;
  std::unique_ptr<Space> space;
};
