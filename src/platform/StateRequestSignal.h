#pragma once
// A request from outside for the state report (SIGUSR1) becomes a flag that the frame loops take
// at the end of a frame, where the report is written, so a script driving the window can ask what
// the game shows instead of guessing how long a step takes.
class StateRequestSignal
{
public:
  // Installs the handler for SIGUSR1; Uninstall puts the earlier one back.
  static void Install();
  static void Uninstall();
  // Whether a report was asked for since the last call; the request is used up.
  static bool TakeRequest();
  // Tests ask by hand.
  static void Request();
};
