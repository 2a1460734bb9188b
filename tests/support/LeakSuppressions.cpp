// Leaks inside system libraries that our code cannot free: SDL's D-Bus connection and the GL
// driver's per-process state. LeakSanitizer asks for this list by name.
#include <dlfcn.h>   // Required for: dlopen() with RTLD_NODELETE
#include <cstdlib>   // Required for: setenv()

extern "C" const char* __lsan_default_suppressions()
{
  return "leak:libdbus-1.so\n"
         "leak:libGLX_mesa.so\n"
         "leak:swrast_dri.so\n"
         "leak:libglapi.so\n"
         "leak:libLLVM\n"
         "leak:libX11.so\n";
}

namespace
{
// Mesa unloads its driver when the last context goes; the driver's leaked blocks would then be
// reported from an unknown module, past any suppression. Keeping it loaded keeps them named.
const bool driverPinned = [] {
#if defined(__SANITIZE_ADDRESS__)
  // The leak checker stops the world at exit; llvmpipe's worker threads still running then make
  // it crash. A software renderer without workers leaves nothing running.
  setenv("LP_NUM_THREADS", "0", 0);
#endif
  dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_NOW | RTLD_NODELETE | RTLD_GLOBAL);
  return true;
}();
}  // namespace
