#include "platform/TerminationSignal.h"

#include "platform/SignalHandler.h"

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
  previousTerminate = InstallSignalHandler(SIGTERM, OnTerminationSignal);
  previousInterrupt = InstallSignalHandler(SIGINT, OnTerminationSignal);
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
