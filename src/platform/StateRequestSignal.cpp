#include "platform/StateRequestSignal.h"

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
  struct sigaction action = {};
  action.sa_handler = OnStateRequestSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;  // a signal during a blocking call must not fail that call
  sigaction(SIGUSR1, &action, &previousHandler);
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
