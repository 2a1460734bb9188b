// Corvane: the game and the Brindle engine in one executable.
//
// The words of the command line are console commands, run before the session starts its
// systems; a comma separates a command from its arguments ("windowed", "quit_after,30").
#include "app/GameSession.h"
#include "core/MemoryManager.h"
#include "editor/ConsoleGui.h"
#include "platform/CrashHandler.h"
#include "platform/StateRequestSignal.h"
#include "platform/TerminationSignal.h"

#include <cstdlib>

int main(int argumentCount, char** arguments)
{
  // The memory manager exists before any other object and is destroyed after every other, so
  // its teardown can report whatever was never given back.
  MemoryManager* memoryManager = MemoryManager::Instance();
  CrashHandler::Install();
  TerminationSignal::Install();
  StateRequestSignal::Install();

  GameSession* session = new GameSession(memoryManager);
  GameSession::SetInstance(session);

  session->GetConsole().ExecuteProcessCommandLine(argumentCount, arguments);

  // Settings the game cannot start with have been reported; the program still ends in order.
  const bool started = session->Initialize();
  if (started)
    session->Run();
  session->Shutdown();

  delete session;
  GameSession::SetInstance(nullptr);

  delete memoryManager;
  return started ? EXIT_SUCCESS : EXIT_FAILURE;
}
