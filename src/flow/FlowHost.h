#pragma once
// What the menus need of the program that runs them beyond its spaces: ending the game and
// switching the live window. The game session implements it and publishes itself; without a
// host (tools, most tests) the buttons that need it change nothing.
class FlowHost
{
public:
  virtual ~FlowHost() = default;

  // The published host, or null.
  static FlowHost* Instance();
  static void SetInstance(FlowHost* host);

  // Ends the game loop after the current frame.
  virtual void EndGame() = 0;
  // The live window: full screen when its height is the screen's.
  virtual bool IsWindowFullscreen() const = 0;
  virtual void SetWindowFullscreen(bool fullscreen) = 0;
};
