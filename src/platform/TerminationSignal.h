#pragma once
// A polite request to end the program (SIGTERM, or SIGINT from a terminal) becomes a flag that
// the frame loops read, so the program ends through its normal shutdown: spaces unloaded, systems
// destroyed, settings and leak report as on any other exit.
class TerminationSignal
{
public:
  // Installs the handler for SIGTERM and SIGINT. Installed before SDL starts, it also keeps SDL
  // from putting handlers of its own there.
  static void Install();
  static void Uninstall();
  static bool IsRequested();
  // Tests raise and clear the flag by hand.
  static void Request();
  static void Clear();
};
