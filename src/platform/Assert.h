#pragma once
// The program's one checking routine and the policy around it.
//
// Every failed check goes through Assert (or AssertFatal), which builds the report text and hands
// it to the installed handler. The game's handler writes to standard error; only a fatal check,
// after which the program cannot go on, also shows a message box, and only when a person can see
// it. Tests install a recording handler and carry on, so behaviour that goes on after a check can
// be tested. Bad data is not a failed check: it is an "[ERROR]" line (core/Log.h).
#include <functional>
#include <string>

struct AssertReport
{
  std::string message;   // the check's own message
  int line = 0;
  std::string file;      // bare file name, directories dropped
  std::string function;  // qualified function name without parameters
  std::string text;      // the whole text as the message box shows it
  bool fatal = false;    // the program ends after this check
};

using AssertHandler = std::function<void(const AssertReport&)>;

// Builds the report and calls the installed handler. Writes nothing to standard output.
void Assert(std::string message, int line, const char* file, const char* function);
// The same for a check after which the program cannot go on; the caller then calls FatalCheckFailed.
void AssertFatal(std::string message, int line, const char* file, const char* function);

// The text of a failed check, exactly as the box shows it.
std::string FormatAssertText(const std::string& message, int line, const char* file, const char* function);

// Installs a handler and returns the one it replaces. An empty handler restores the default.
AssertHandler SetAssertHandler(AssertHandler handler);

// Standard error; for a fatal check also an SDL box when interactive (a display and no CI
// variable). While the box is up, a terminate signal or Ctrl+C ends the program at once.
void DefaultAssertHandler(const AssertReport& report);

// Stops in the debugger when one is attached; otherwise does nothing.
void DebugBreakIfAttached();

// Reduces a compiler's pretty function signature ("void Foo::Bar(int) [with T = X]") to the
// qualified name ("Foo::Bar").
std::string QualifiedFunctionName(const char* prettyFunction);

// A check that reports and lets execution go on as if the condition had held.
#define BRINDLE_CHECK(condition, message)                                       \
  do {                                                                          \
    if (!(condition)) {                                                         \
      Assert((message), __LINE__, __FILE__, __PRETTY_FUNCTION__);               \
      DebugBreakIfAttached();                                                   \
    }                                                                           \
  } while (0)

// A check after which the program cannot go on: report, then abort (which reaches the crash handler).
#define BRINDLE_FATAL_CHECK(condition, message)                                 \
  do {                                                                          \
    if (!(condition)) {                                                         \
      AssertFatal((message), __LINE__, __FILE__, __PRETTY_FUNCTION__);          \
      FatalCheckFailed();                                                       \
    }                                                                           \
  } while (0)

// Ends the program after a fatal check, unless a test has made fatal checks recoverable.
void FatalCheckFailed();

// Tests that exercise a fatal path turn it into an exception they can catch.
struct FatalCheckException
{
  std::string text;
};
void SetFatalChecksThrow(bool shouldThrow);
