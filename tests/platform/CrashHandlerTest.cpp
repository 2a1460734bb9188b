#include "platform/CrashHandler.h"

#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <stdexcept>
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
  EXPECT_EQ(SIGSEGV, RunCrashingChild(directory, [] { *faultAddress = 1; }));

  const std::string report = directory.Read("crash.dmp");
  EXPECT_FALSE(Contains(report, "older report"));
  EXPECT_TRUE(Contains(report, "Signal: 11 (SIGSEGV)\n")) << report;
  EXPECT_TRUE(Contains(report, "Address: 0x10\n")) << report;
  const std::size_t backtrace = report.find("Backtrace:\n");
  ASSERT_NE(std::string::npos, backtrace);
  EXPECT_TRUE(Contains(report, "platform_tests", backtrace)) << "frames of this executable are named";
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
