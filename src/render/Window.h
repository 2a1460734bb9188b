#pragma once
// The program's one window and its OpenGL 4.1 core context, made through SDL2 and loaded
// through GLEW. The renderer owns the game's window; tests and benchmarks open a small hidden one.
#include <SDL2/SDL.h>

#include <string>

class Window
{
public:
  static constexpr const char* Title = "Corvane";
  // The windowed size is this share of the screen in each direction; its corner sits at (20, 20).
  static constexpr double WindowedShare = 0.8;
  static constexpr int WindowedPosition = 20;

  Window() = default;
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Opens the game's window full screen or windowed, creates the context, loads GL through
  // GLEW and turns vertical sync off. On failure returns false with a message in `error` and
  // leaves nothing open.
  bool Open(bool fullscreen, std::string& error);
  // The same with a hidden window of the given size, for tests and benchmarks.
  bool OpenHidden(unsigned width, unsigned height, std::string& error);
  void Close();
  bool IsOpen() const { return window != nullptr; }
  // Makes this window's context current again, after another window's took over.
  bool MakeCurrent();

  void SetFullscreen();
  void SetWindowed();
  // True when the window is as high as the screen.
  bool IsFullscreen() const { return height == screenHeight; }

  SDL_Window* GetWindow() const { return window; }
  unsigned GetWidth() const { return width; }
  unsigned GetHeight() const { return height; }
  unsigned GetScreenWidth() const { return screenWidth; }
  unsigned GetScreenHeight() const { return screenHeight; }

  // The window whose context was made current last, or null. Textures and depth buffers made
  // "at the window's size" read its size.
  static Window* Current();

  // The windowed size for a screen size, truncated toward zero.
  static unsigned WindowedSize(unsigned screenSize) { return static_cast<unsigned>(screenSize * WindowedShare); }

private:
  bool OpenWith(Uint32 flags, int x, int y, std::string& error);
  bool CreateContext(std::string& error);

  unsigned width = 0;
  unsigned height = 0;
  unsigned screenWidth = 0;
  unsigned screenHeight = 0;
  SDL_Window* window = nullptr;
  SDL_GLContext context = nullptr;
  bool ownsVideo = false;  // whether this window's SDL_InitSubSystem is still to be undone
};
