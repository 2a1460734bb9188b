#include "platform/StateRequestSignal.h"

#include "platform/SignalHandler.h"

#include <atomic>
#include <csignal>

namespace
{
// Lock-free, so the handler may set it; a request arriving while one is taken is never lost.
std::atomic<bool> requested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler needs a lock-free flag");
struct sigaction previousHandler;
bool installed = false;

extern "C" void OnStateRequestSignal(int)
{
  requested.store(true);
}
}  // namespace

void StateRequestSignal::Install()
{
  if (installed)
    return;
  previousHandler = InstallSignalHandler(SIGUSR1, OnStateRequestSignal);
  installed = true;
}

void StateRequestSignal::Uninstall()
{
  if (!installed)
    return;
  sigaction(SIGUSR1, &previousHandler, nullptr);
  installed = false;
}

bool StateRequestSignal::TakeRequest()
{
  return requested.exchange(false);
}

void StateRequestSignal::Request()
{
  requested.store(true);
}
