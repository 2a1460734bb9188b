#include "platform/Assert.h"

#include "platform/TerminationSignal.h"

#include <SDL2/SDL.h>  // Required for: SDL_ShowSimpleMessageBox
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>
#include <unistd.h>  // Required for: getpid()

namespace
{
AssertHandler& InstalledHandler()
{
  static AssertHandler handler = DefaultAssertHandler;
  return handler;
}

bool& FatalChecksThrow()
{
  static bool shouldThrow = false;
  return shouldThrow;
}

std::string BareFileName(const char* file)
{
  std::string path = file ? file : "";
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsInteractive()
{
  return std::getenv("CI") == nullptr && std::getenv("DISPLAY") != nullptr;
}

// SDL shows the box from a process of its own, which would outlive ours. It shares our handlers,
// so a terminate signal would only raise its flag: it is killed.
void EndChildProcesses()
{
  const pid_t self = getpid();
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", error))
  {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos)
      continue;
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    std::getline(stat, line);
    // "pid (name) state ppid ...": the name may hold blanks and brackets, so read after the last ')'.
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos)
      continue;
    std::istringstream rest(line.substr(close + 1));
    std::string state;
    long parent = 0;
    if (rest >> state >> parent && parent == self)
      kill(static_cast<pid_t>(std::stol(name)), SIGKILL);
  }
}

// The program ends once the box is closed. Until then the frame loop that honours a terminate
// signal or Ctrl+C is not running, so this waits for either the box or such a request, which then
// ends the program (and the box) at once.
void ShowBoxUntilClosedOrStopped(const std::string& text)
{
  TerminationSignal::Install();
  std::atomic<bool> closed{false};
  std::thread box([&closed, text] {
    SDL_ShowSimpleMessageBox(0, "TRIGGERED!   \\_(.`_.')_/", text.c_str(), nullptr);
    closed = true;
  });
  while (!closed)
  {
    if (TerminationSignal::IsRequested())
    {
      EndChildProcesses();
      std::signal(SIGTERM, SIG_DFL);
      std::raise(SIGTERM);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  box.join();
}
}  // namespace

std::string QualifiedFunctionName(const char* prettyFunction)
{
  if (prettyFunction == nullptr)
    return std::string();
  const std::string text = prettyFunction;
  // Find the parameter list: the first '(' outside template brackets, skipping "operator()".
  int depth = 0;
  std::size_t open = std::string::npos;
  for (std::size_t i = 0; i < text.size(); ++i)
  {
    const char c = text[i];
    if (c == '<')
      ++depth;
    else if (c == '>' && depth > 0)
      --depth;
    else if (c == '(' && depth == 0)
    {
      if (i >= 8 && text.compare(i - 8, 8, "operator") == 0 && i + 1 < text.size() && text[i + 1] == ')')
      {
        ++i;
        continue;
      }
      open = i;
      break;
    }
  }
  const std::string head = text.substr(0, open);
  // The name starts after the last blank outside template brackets (the return type ends there).
  depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < head.size(); ++i)
  {
    const char c = head[i];
    if (c == '<')
      ++depth;
    else if (c == '>' && depth > 0)
      --depth;
    else if (c == ' ' && depth == 0)
      start = i + 1;
  }
  return head.substr(start);
}

std::string FormatAssertText(const std::string& message, int line, const char* file, const char* function)
{
  std::ostringstream text;
  text << "Assertion failed at line " << line << " in function: " << QualifiedFunctionName(function) << "\n"
       << "In file: " << BareFileName(file) << ".\n\n"
       << message;
  return text.str();
}

namespace
{
void Report(std::string message, int line, const char* file, const char* function, bool fatal)
{
  AssertReport report;
  report.message = std::move(message);
  report.line = line;
  report.file = BareFileName(file);
  report.function = QualifiedFunctionName(function);
  report.text = FormatAssertText(report.message, line, file, function);
  report.fatal = fatal;
  const AssertHandler handler = InstalledHandler();
  if (handler)
    handler(report);
}
}  // namespace

void Assert(std::string message, int line, const char* file, const char* function)
{
  Report(std::move(message), line, file, function, false);
}

void AssertFatal(std::string message, int line, const char* file, const char* function)
{
  Report(std::move(message), line, file, function, true);
}

AssertHandler SetAssertHandler(AssertHandler handler)
{
  AssertHandler previous = InstalledHandler();
  InstalledHandler() = handler ? std::move(handler) : AssertHandler(DefaultAssertHandler);
  return previous;
}

void DefaultAssertHandler(const AssertReport& report)
{
  std::cerr << report.text << std::endl;
  // A check the program goes on after never blocks it: a box every frame or for every object
  // would leave the game frozen behind boxes.
  if (!report.fatal || !IsInteractive())
    return;
  ShowBoxUntilClosedOrStopped(report.text);
}

void DebugBreakIfAttached()
{
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
  {
    if (line.rfind("TracerPid:", 0) == 0)
    {
      if (std::atoi(line.c_str() + 10) != 0)
        std::raise(SIGTRAP);
      return;
    }
  }
}

void SetFatalChecksThrow(bool shouldThrow)
{
  FatalChecksThrow() = shouldThrow;
}

void FatalCheckFailed()
{
  if (FatalChecksThrow())
    throw FatalCheckException{"fatal check failed"};
  DebugBreakIfAttached();
  std::abort();
}
