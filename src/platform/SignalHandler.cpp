#include "platform/SignalHandler.h"

struct sigaction InstallSignalHandler(int signalNumber, void (*handler)(int))
{
  struct sigaction action = {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  struct sigaction previous = {};
  sigaction(signalNumber, &action, &previous);
  return previous;
}
