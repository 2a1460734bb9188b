#include "platform/Assert.h"

#include <SDL2/SDL.h>  // Required for: SDL_ShowSimpleMessageBox
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

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

void Assert(std::string message, int line, const char* file, const char* function)
{
  AssertReport report;
  report.message = std::move(message);
  report.line = line;
  report.file = BareFileName(file);
  report.function = QualifiedFunctionName(function);
  report.text = FormatAssertText(report.message, line, file, function);
  const AssertHandler handler = InstalledHandler();
  if (handler)
    handler(report);
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
  if (IsInteractive())
    SDL_ShowSimpleMessageBox(0, "TRIGGERED!   \\_(.`_.')_/", report.text.c_str(), nullptr);
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
