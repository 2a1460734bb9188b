#include "platform/TerminationSignal.h"

#include <csignal>

namespace
{
volatile std::sig_atomic_t requested = 0;
struct sigaction previousTerminate;
struct sigaction previousInterrupt;
bool installed = false;

extern "C" void OnTerminationSignal(int)
{
  requested = 1;  // the only thing a handler may safely do here
}
}  // namespace

void TerminationSignal::Install()
{
  if (installed)
    return;
  struct sigaction action = {};
  action.sa_handler = OnTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;  // a signal during a blocking call must not fail that call
  sigaction(SIGTERM, &action, &previousTerminate);
  sigaction(SIGINT, &action, &previousInterrupt);
  installed = true;
}

void TerminationSignal::Uninstall()
{
  if (!installed)
    return;
  sigaction(SIGTERM, &previousTerminate, nullptr);
  sigaction(SIGINT, &previousInterrupt, nullptr);
  installed = false;
}

bool TerminationSignal::IsRequested()
{
  return requested != 0;
}

void TerminationSignal::Request()
{
  requested = 1;
}

void TerminationSignal::Clear()
{
  requested = 0;
}
