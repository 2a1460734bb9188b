#include "platform/CrashHandler.h"

#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>
#include <sys/wait.h>  // Required for: waitpid()
#include <unistd.h>    // Required for: fork(), chdir(), _exit()

namespace
{
// Runs `crash` in a child process working in `directory` with the handler installed, and returns
// the signal that ended it (or minus the exit code when it ended normally).
int RunCrashingChild(const TemporaryDirectory& directory, const std::function<void()>& crash)
{
  const pid_t child = fork();
  if (child == 0)
  {
    if (chdir(directory.Path().c_str()) != 0)
      _exit(90);
    CrashHandler::Install();
    crash();
    _exit(91);  // the crash did not happen
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFSIGNALED(status) ? WTERMSIG(status) : -WEXITSTATUS(status);
}

bool Contains(const std::string& text, const std::string& part, std::size_t from = 0)
{
  return text.find(part, from) != std::string::npos;
}

int* volatile faultAddress = reinterpret_cast<int*>(0x10);
using Procedure = void (*)();
Procedure volatile badProcedure = nullptr;

// The frame that faults, and one that calls address 0, as a call of a dead object's virtual
// function often does. Neither is inlined, and the call is not the caller's last act.
[[gnu::noinline]] void WriteThroughBadPointer()
{
  *faultAddress = 1;
}

[[gnu::noinline]] void CallThroughBadPointer()
{
  badProcedure();
  __asm__ volatile("");
}

// The addresses of the backtrace's frames, in order: each line ends in "[0x...]".
std::vector<std::uintptr_t> BacktraceAddresses(const std::string& report)
{
  std::vector<std::uintptr_t> addresses;
  const std::size_t start = report.find("Backtrace:\n");
  const std::size_t end = report.find("\nMemory map:");
  if (start == std::string::npos || end == std::string::npos)
    return addresses;
  std::istringstream lines(report.substr(start, end - start));
  std::string line;
  std::getline(lines, line);
  while (std::getline(lines, line))
  {
    const std::size_t open = line.rfind("[0x");
    if (open != std::string::npos)
      addresses.push_back(static_cast<std::uintptr_t>(std::stoull(line.substr(open + 1), nullptr, 16)));
  }
  return addresses;
}

// Whether the address lies in the function's code (its first bytes, which hold the fault).
bool IsIn(std::uintptr_t address, Procedure function)
{
  const auto begin = reinterpret_cast<std::uintptr_t>(function);
  return address >= begin && address < begin + 512;
}

volatile int recursionLimit = 1 << 30;

int Recurse(int depth)
{
  if (depth > recursionLimit)
    return 0;
  volatile char padding[1024];
  padding[0] = static_cast<char>(depth);
  return Recurse(depth + 1) + padding[0];
}
}  // namespace

TEST(CrashHandlerTest, SegmentationFaultLeavesReportAndStillEndsAsCrash)
{
  TemporaryDirectory directory;
  directory.Write("crash.dmp", "an older report that must be replaced");
  EXPECT_EQ(SIGSEGV, RunCrashingChild(directory, [] { WriteThroughBadPointer(); }));

  const std::string report = directory.Read("crash.dmp");
  EXPECT_FALSE(Contains(report, "older report"));
  EXPECT_TRUE(Contains(report, "Signal: 11 (SIGSEGV)\n")) << report;
  EXPECT_TRUE(Contains(report, "Address: 0x10\n")) << report;
  const std::size_t backtrace = report.find("Backtrace:\n");
  ASSERT_NE(std::string::npos, backtrace);
  EXPECT_TRUE(Contains(report, "platform_tests", backtrace)) << "frames of this executable are named";
  // The backtrace begins with the frame that faulted, not in the handler that wrote it.
  const std::vector<std::uintptr_t> frames = BacktraceAddresses(report);
  ASSERT_GE(frames.size(), 2u) << report;
  EXPECT_TRUE(IsIn(frames[0], WriteThroughBadPointer)) << report;
  const std::size_t map = report.find("Memory map:\n");
  ASSERT_NE(std::string::npos, map);
  EXPECT_TRUE(Contains(report, "[stack]", map)) << "the memory map is copied whole";
}

TEST(CrashHandlerTest, AbortUncaughtExceptionStackOverflowAndArithmeticAreReported)
{
  {
    TemporaryDirectory directory;
    EXPECT_EQ(SIGABRT, RunCrashingChild(directory, [] { std::abort(); }));
    EXPECT_TRUE(Contains(directory.Read("crash.dmp"), "(SIGABRT)"));
  }
  {
    TemporaryDirectory directory;
    EXPECT_EQ(SIGABRT, RunCrashingChild(directory, [] {
                // As an exception escaping main would: terminate with the exception in flight.
                try
                {
                  throw std::runtime_error("broken level\nfile");
                }
                catch (...)
                {
                  std::terminate();
                }
              }));
    EXPECT_TRUE(Contains(directory.Read("crash.dmp"), "Terminated: uncaught exception: broken level file\n"));
  }
  {
    // A call to an address without code: that address first, then the caller, and on from there.
    TemporaryDirectory directory;
    EXPECT_EQ(SIGSEGV, RunCrashingChild(directory, [] { CallThroughBadPointer(); }));
    const std::string report = directory.Read("crash.dmp");
    const std::vector<std::uintptr_t> frames = BacktraceAddresses(report);
    ASSERT_GE(frames.size(), 3u) << report;
    EXPECT_EQ(frames[0], 0u) << report;
    EXPECT_TRUE(IsIn(frames[1], CallThroughBadPointer)) << report;
    EXPECT_TRUE(Contains(report, "Memory map:\n")) << "the report is whole";
  }
  {
    TemporaryDirectory directory;
    EXPECT_EQ(SIGSEGV, RunCrashingChild(directory, [] { Recurse(0); })) << "the handler runs on its own stack";
    EXPECT_TRUE(Contains(directory.Read("crash.dmp"), "(SIGSEGV)"));
  }
  {
    TemporaryDirectory directory;
    EXPECT_EQ(SIGFPE, RunCrashingChild(directory, [] { std::raise(SIGFPE); }));
    EXPECT_TRUE(Contains(directory.Read("crash.dmp"), "Signal: 8 (SIGFPE)"));
  }
}

TEST(CrashHandlerTest, ReportThatCannotBeCreatedIsSkippedAndTheCrashGoesOn)
{
  TemporaryDirectory directory;
  // A directory in the report's place cannot be opened for writing, not even by root.
  std::filesystem::create_directory(directory.Path() / "crash.dmp");
  EXPECT_EQ(SIGABRT, RunCrashingChild(directory, [] { std::abort(); }));
  EXPECT_TRUE(std::filesystem::is_directory(directory.Path() / "crash.dmp"));
  EXPECT_TRUE(std::filesystem::is_empty(directory.Path() / "crash.dmp"));
}

TEST(CrashHandlerTest, UninstallRestoresPreviousHandlers)
{
  struct sigaction before{};
  sigaction(SIGSEGV, nullptr, &before);
  CrashHandler::Install();
  CrashHandler::Install();
  EXPECT_TRUE(CrashHandler::IsInstalled());
  CrashHandler::Uninstall();
  EXPECT_FALSE(CrashHandler::IsInstalled());
  struct sigaction after{};
  sigaction(SIGSEGV, nullptr, &after);
  EXPECT_EQ(before.sa_handler, after.sa_handler);
}
