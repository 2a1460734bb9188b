#pragma once
// The one way the program puts a handler of its own on a signal: a plain handler that blocks no
// other signal and lets a call the signal interrupts carry on (SA_RESTART), so a signal during a
// blocking call never fails that call.
#include <csignal>

// Installs `handler` on `signalNumber` and returns what was there before, to put back with
// sigaction(signalNumber, &previous, nullptr).
struct sigaction InstallSignalHandler(int signalNumber, void (*handler)(int));
