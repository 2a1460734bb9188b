#pragma once
// Leaves a report named "crash.dmp" in the working directory when the process crashes, then lets
// the crash go on so the process still ends as one (exit status, core file, debugger).
//
// The report is plain text: the signal, the faulting address, a backtrace from the frame that
// faulted outwards and the memory map of the process. Uncaught exceptions reach it too, through std::terminate and abort, with the
// exception's message added. Everything the signal handler does is async-signal-safe.
class CrashHandler
{
public:
  // Installs the handlers for SIGSEGV, SIGBUS, SIGFPE, SIGILL and SIGABRT on an alternate stack
  // (so a stack overflow is still reported) and the terminate handler. Calling it again changes
  // nothing.
  static void Install();
  // Gives back the handlers that were in force before Install.
  static void Uninstall();
  static bool IsInstalled();

  static constexpr const char* ReportFileName = "crash.dmp";
};
