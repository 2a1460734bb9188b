#pragma once
// What the console and its commands need of the running game. The game session implements it;
// until a session exists (and in tests) the console uses NullConsoleHost, which has no spaces, no
// window and a stopped clock.
#include <cstdint>
#include <string>
#include <vector>

class ConsoleHost
{
public:
  virtual ~ConsoleHost() = default;

  // Spaces, live or waiting to join the session. Names of the live ones come in name order.
  virtual std::vector<std::string> GetSpaceNames() const = 0;
  virtual bool HasSpace(const std::string& space) const = 0;
  virtual bool IsSpacePaused(const std::string& space) const = 0;
  // Both take effect from the next frame.
  virtual void PauseSpace(const std::string& space) = 0;
  virtual void UnpauseSpace(const std::string& space) = 0;
  // The space loads the level at the start of the next frame.
  virtual void SetPendingLevel(const std::string& space, const std::string& level) = 0;

  // The editor's flags.
  virtual void ShowDebugView() = 0;
  virtual void ShowConsole() = 0;

  // The window: the start-up flag, and switching the live window.
  virtual void SetWindowedStart() = 0;
  virtual void SetFullscreen() = 0;
  virtual void SetWindowed() = 0;

  // The frame clock: the measured frame time in seconds, never limited, and the step in µs.
  virtual float GetFrameTime() const = 0;
  virtual std::int64_t GetDtUs() const = 0;
};

class NullConsoleHost final : public ConsoleHost
{
public:
  std::vector<std::string> GetSpaceNames() const override { return {}; }
  bool HasSpace(const std::string&) const override { return false; }
  bool IsSpacePaused(const std::string&) const override { return false; }
  void PauseSpace(const std::string&) override {}
  void UnpauseSpace(const std::string&) override {}
  void SetPendingLevel(const std::string&, const std::string&) override {}
  void ShowDebugView() override {}
  void ShowConsole() override {}
  void SetWindowedStart() override {}
  void SetFullscreen() override {}
  void SetWindowed() override {}
  float GetFrameTime() const override { return 0.0f; }
  std::int64_t GetDtUs() const override { return 0; }
};
