// Leaks inside system libraries that our code cannot free: SDL's D-Bus connection and the GL
// driver's per-process state. LeakSanitizer asks for this list by name, and AddressSanitizer for
// its options.
#include <dlfcn.h>   // Required for: dlopen() with RTLD_NODELETE

extern "C" const char* __lsan_default_suppressions()
{
  return "leak:libdbus-1.so\n"
         "leak:libGLX_mesa.so\n"
         "leak:swrast_dri.so\n"
         "leak:libglapi.so\n"
         "leak:libLLVM\n"
         "leak:libX11.so\n";
}

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime of GCC 12 learns the extent of a library's thread-local block from
// __tls_get_addr; for a block that starts 16 bytes into a page it takes the 16 bytes before it for
// a header glibc 2.19 once wrote there. Here those are the allocator's own chunk header, so the
// leak checker's stop-the-world tracer gets a block at address 0x1740 of some 100 gigabytes and
// crashes reading it ("Tracer caught signal 11"). Where the GL driver's blocks fall moves with
// every allocation before them, the environment's size among them: a test program passes when run
// by hand and fails under CTest. Without the interception the checker still finds those blocks:
// it counts everything the dynamic linker allocates as a root, as it did before it had one.
extern "C" const char* __asan_default_options()
{
  return "intercept_tls_get_addr=0";
}
#endif

namespace
{
// Mesa unloads its driver when the last context goes; the driver's leaked blocks would then be
// reported from an unknown module, past any suppression. Keeping it loaded keeps them named.
const bool driverPinned = [] {
  dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_NOW | RTLD_NODELETE | RTLD_GLOBAL);
  return true;
}();
}  // namespace
