#pragma once
// Named, nested timing scopes that build one call tree per frame. The loops, the renderer, the
// event queue and physics open scopes through the global BeginScope/EndScope; the session owns
// the one profiler they report to. With no profiler in force, scopes cost nothing.
//
// Each frame's tree is dropped at the end of the frame unless a snapshot was asked for; the
// "Profiler" window shows the snapshot as a tree and a zoomable timeline and dumps it to a file.
// Nobody looks at a frame's tree while the window is closed and no snapshot is asked for, so
// the frames after such a Draw record nothing: their scopes are only counted, to keep the
// opening and closing paired.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct ProfilerNode
{
  std::string name;
  std::int64_t start = 0;     // µs, clock at creation
  std::int64_t duration = 0;  // µs, 0 until closed
  std::array<float, 4> colour{1.0f, 1.0f, 1.0f, 1.0f};
  std::vector<std::unique_ptr<ProfilerNode>> children;
  bool open = false;  // expanded in the tree view
  std::uint32_t parentId = 0;
  std::uint32_t id = 0;
};

class Profiler
{
public:
  using Clock = std::function<std::int64_t()>;  // microseconds

  explicit Profiler(Clock clock = Clock());
  ~Profiler();
  Profiler(const Profiler&) = delete;
  Profiler& operator=(const Profiler&) = delete;

  // The profiler the global scopes report to (the session's), or null.
  static Profiler* Current();
  static void SetCurrent(Profiler* profiler);

  static void BeginScope(std::string_view name, std::string_view description);
  static void BeginScopeColored(std::string_view name, const std::array<float, 3>& rgb, std::string_view description);
  static void EndScope();
  static void PushScopeCurrentColor(std::string_view name, std::string_view description);

  void PushScope(std::string_view name, const std::array<float, 4>& colour, std::string_view description);
  void PopScope();

  // The snapshot holds the frame that ends next; when that frame was not recorded (the window was
  // closed), the one after it.
  void RequestSnapshot() { snapshotRequested = true; }
  void TakeSnapshot();
  // Ends the frame: takes a requested snapshot of a recorded frame, then drops the frame's tree.
  void EndFrame();
  // Whether this frame's scopes are being recorded. A new profiler records.
  bool IsRecording() const { return recording; }
  // Writes one line per node, children one blank further in. False when the file can't be made.
  static bool Dump(const std::vector<std::unique_ptr<ProfilerNode>>& roots, const std::string& path);
  // The file "Dump this snapshot" writes: the dump directory followed by the snapshot's whole
  // milliseconds.
  std::string SnapshotDumpPath() const;

  // Once per frame, after the frame's scopes have closed: draws the "Profiler" window while
  // `windowOpen` is set (its close box clears it), then ends the frame. The window's drawing is
  // defined in app/ProfilerWindow.cpp, the only part that needs the interface library.
  void Draw(bool& windowOpen);

  const std::vector<std::unique_ptr<ProfilerNode>>& FrameRoots() const { return frameRoots; }
  const std::vector<std::unique_ptr<ProfilerNode>>& SnapshotRoots() const { return snapshotRoots; }
  std::int64_t SnapshotTotal() const { return snapshotTotal; }
  std::size_t OpenScopeCount() const { return scopeStack.size(); }
  const std::array<float, 4>& CurrentColour() const { return currentColour; }

  // Options shown in the profiler window.
  bool activeOption = false;
  bool dumpWhenSlow = false;
  std::int32_t fpsDumpThreshold = 17000;
  std::string dumpDirectory = "./";
  float zoom = 1.0f;
  std::uint32_t viewMode = 0;  // bit 0: show the options instead of the snapshot

private:
  std::int64_t Now() const;
  void DrawTree();
  void DrawTimeline();

  Clock clock;
  std::array<float, 4> currentColour{1.0f, 1.0f, 1.0f, 1.0f};
  std::vector<ProfilerNode*> scopeStack;  // open scopes, innermost last
  std::unique_ptr<ProfilerNode> openRoot;  // the open top-level scope, owned until it closes
  std::vector<std::unique_ptr<ProfilerNode>> frameRoots;
  std::vector<std::unique_ptr<ProfilerNode>> snapshotRoots;
  std::int64_t snapshotTotal = 0;
  std::int64_t thresholdCopy = 17000;  // refreshed from fpsDumpThreshold whenever the window draws
  std::uint32_t nextId = 1;
  bool snapshotRequested = false;
  bool recording = true;
  std::uint32_t skippedScopes = 0;  // scopes open while not recording
};
