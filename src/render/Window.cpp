#include "render/Window.h"

#include "core/Log.h"

#include <GL/glew.h>

namespace
{
Window* currentWindow = nullptr;
}

Window::~Window()
{
  Close();
}

Window* Window::Current()
{
  return currentWindow;
}

bool Window::Open(bool fullscreen, std::string& error)
{
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
  {
    error = std::string("SDL could not start its video subsystem: ") + SDL_GetError();
    return false;
  }
  ownsVideo = true;
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0)
  {
    error = std::string("SDL could not read the screen size: ") + SDL_GetError();
    Close();
    return false;
  }
  screenWidth = static_cast<unsigned>(mode.w);
  screenHeight = static_cast<unsigned>(mode.h);
  if (fullscreen)
  {
    width = screenWidth;
    height = screenHeight;
    if (!OpenWith(SDL_WINDOW_FULLSCREEN | SDL_WINDOW_OPENGL, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, error))
      return false;
  }
  else
  {
    width = WindowedSize(screenWidth);
    height = WindowedSize(screenHeight);
    if (!OpenWith(SDL_WINDOW_OPENGL, WindowedPosition, WindowedPosition, error))
      return false;
    SDL_SetWindowBordered(window, SDL_TRUE);
  }
  return CreateContext(error);
}

bool Window::OpenHidden(unsigned hiddenWidth, unsigned hiddenHeight, std::string& error)
{
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
  {
    error = std::string("SDL could not start its video subsystem: ") + SDL_GetError();
    return false;
  }
  ownsVideo = true;
  // A hidden window stands in for a screen of its own size, so it counts as full screen.
  width = screenWidth = hiddenWidth;
  height = screenHeight = hiddenHeight;
  if (!OpenWith(SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, error))
    return false;
  return CreateContext(error);
}

bool Window::OpenWith(Uint32 flags, int x, int y, std::string& error)
{
  const bool attributesSet = SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE) == 0 &&
                             SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 4) == 0 &&
                             SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1) == 0 &&
                             SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8) == 0 &&
                             SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1) == 0;
  if (!attributesSet)
  {
    error = std::string("SDL could not set the OpenGL attributes: ") + SDL_GetError();
    Close();
    return false;
  }
  window = SDL_CreateWindow(Title, x, y, static_cast<int>(width), static_cast<int>(height), flags);
  if (window == nullptr)
  {
    error = std::string("SDL could not create the window: ") + SDL_GetError();
    Close();
    return false;
  }
  return true;
}

bool Window::CreateContext(std::string& error)
{
  context = SDL_GL_CreateContext(window);
  if (context == nullptr)
  {
    error = std::string("SDL could not create an OpenGL 4.1 core context: ") + SDL_GetError();
    Close();
    return false;
  }
  if (SDL_GL_MakeCurrent(window, context) != 0)
  {
    error = std::string("SDL could not make the OpenGL context current: ") + SDL_GetError();
    Close();
    return false;
  }
  currentWindow = this;
  glewExperimental = GL_TRUE;
  const GLenum glewResult = glewInit();
  // GLEW built for GLX reports "no GLX display" when SDL went through EGL, although it loaded
  // every entry point; a context that answers with its version is usable.
  const bool loaded = glewResult == GLEW_OK ||
                      (glewResult == GLEW_ERROR_NO_GLX_DISPLAY && glGetString(GL_VERSION) != nullptr);
  if (!loaded)
  {
    error = std::string("GLEW could not load OpenGL: ") + reinterpret_cast<const char*>(glewGetErrorString(glewResult));
    Close();
    return false;
  }
  // GLEW's loader leaves an error behind; clear it so the first real check sees only its own.
  glGetError();
  if (!GLEW_VERSION_4_1)
  {
    const GLubyte* version = glGetString(GL_VERSION);
    error = std::string("OpenGL 4.1 is needed, the driver gives ") +
            (version != nullptr ? reinterpret_cast<const char*>(version) : "no version");
    Close();
    return false;
  }
  // The frame-rate controller paces the loop, so swaps should not wait for the display. Some
  // drivers (a virtual X server among them) cannot change it; the game still runs, paced by both.
  if (SDL_GL_SetSwapInterval(0) != 0)
    LogWarning("SDL could not turn vertical sync off: ", SDL_GetError());
  return true;
}

bool Window::MakeCurrent()
{
  if (window == nullptr || context == nullptr || SDL_GL_MakeCurrent(window, context) != 0)
    return false;
  currentWindow = this;
  return true;
}

void Window::Close()
{
  if (context != nullptr)
  {
    SDL_GL_DeleteContext(context);
    context = nullptr;
  }
  if (window != nullptr)
  {
    SDL_DestroyWindow(window);
    window = nullptr;
  }
  if (ownsVideo)
  {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    ownsVideo = false;
  }
  if (currentWindow == this)
    currentWindow = nullptr;
}

void Window::SetFullscreen()
{
  if (window == nullptr)
    return;
  width = screenWidth;
  height = screenHeight;
  SDL_SetWindowSize(window, static_cast<int>(width), static_cast<int>(height));
  SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN);
  glViewport(0, 0, static_cast<GLsizei>(width), static_cast<GLsizei>(height));
}

void Window::SetWindowed()
{
  if (window == nullptr)
    return;
  width = WindowedSize(screenWidth);
  height = WindowedSize(screenHeight);
  SDL_SetWindowFullscreen(window, 0);
  SDL_SetWindowSize(window, static_cast<int>(width), static_cast<int>(height));
  SDL_SetWindowBordered(window, SDL_TRUE);
  SDL_SetWindowPosition(window, WindowedPosition, WindowedPosition);
  glViewport(0, 0, static_cast<GLsizei>(width), static_cast<GLsizei>(height));
}
