#include "support/ChildProgram.h"

#include "core/FileUtilities.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

fs::path ProgramPath()
{
  return fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "corvane";
}

ChildProgram::ChildProgram(const fs::path& workingDirectory, const std::vector<std::string>& words,
                           const fs::path& logs, bool interactive)
    : outputPath(logs / "stdout.txt"), errorPath(logs / "stderr.txt")
{
  const std::string program = ProgramPath().string();
  std::vector<std::string> arguments{program};
  arguments.insert(arguments.end(), words.begin(), words.end());
  child = fork();
  if (child == 0)
  {
    if (chdir(workingDirectory.c_str()) != 0)
      _exit(126);
    const int out = open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errorPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(out, STDOUT_FILENO);
    dup2(err, STDERR_FILENO);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
      argv.push_back(argument.data());
    argv.push_back(nullptr);
    if (interactive)
      unsetenv("CI");
    else
      setenv("CI", "1", 1);  // no message boxes from a child nobody watches
    // In a sanitizer build the child's own leak check would report the system libraries' blocks,
    // which the in-process tests suppress by name; the game's own leak report is what counts here.
    setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
    setenv("LP_NUM_THREADS", "0", 0);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
}

ChildProgram::~ChildProgram()
{
  if (child > 0 && !reaped)
  {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
  }
}

void ChildProgram::Signal(int signalNumber)
{
  kill(child, signalNumber);
}

namespace
{
// Asks `process` for its state line once it runs the game itself and has its handler. Between the
// fork and the exec the child is a copy of this test program, with the test's handlers; the exec
// maps the game's file only after it has put those back to the default, so a handler for SIGUSR1
// seen once the file is mapped is the game's own. Before the game installs it, the request would
// end the game.
void RequestState(pid_t process)
{
  const std::string folder = "/proc/" + std::to_string(process);
  std::error_code error;
  const std::string game = fs::canonical(ProgramPath(), error).string();
  if (error || fs::read_symlink(folder + "/exe", error).string() != game || error)
    return;
  // A line of the maps ends with the path of the file mapped there.
  const std::string mappedGame = " " + game;
  std::ifstream maps(folder + "/maps");
  bool mapped = false;
  for (std::string line; !mapped && std::getline(maps, line);)
    mapped = line.size() >= mappedGame.size() && line.substr(line.size() - mappedGame.size()) == mappedGame;
  std::ifstream status(folder + "/status");
  for (std::string line; mapped && std::getline(status, line);)
    if (line.rfind("SigCgt:", 0) == 0 && ((std::stoull(line.substr(7), nullptr, 16) >> (SIGUSR1 - 1)) & 1U) != 0)
      kill(process, SIGUSR1);
}
}  // namespace

bool ChildProgram::AwaitFrameLoop(std::chrono::seconds limit)
{
  const auto deadline = std::chrono::steady_clock::now() + limit;
  // The child is only looked at, not reaped: Wait still reads how it ended.
  const auto running = [this] {
    siginfo_t ended{};
    return waitid(P_PID, static_cast<id_t>(child), &ended, WEXITED | WNOHANG | WNOWAIT) == 0 && ended.si_pid == 0;
  };
  while (std::chrono::steady_clock::now() < deadline && running())
  {
    if (ReadWholeFile(outputPath.string()).find("State:") != std::string::npos)
      return true;
    RequestState(child);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

namespace
{
// The frame of the last "State:" line in the output, or -1.
long long LastReportedFrame(const std::string& output)
{
  const std::size_t line = output.rfind("State: ");
  const std::size_t frame = line == std::string::npos ? line : output.find("\"frame\":", line);
  return frame == std::string::npos ? -1 : std::atoll(output.c_str() + frame + 8);
}
}  // namespace

Finished ChildProgram::Wait(std::chrono::seconds stall)
{
  Finished result;
  using Clock = std::chrono::steady_clock;
  auto lastProgress = Clock::now();
  auto lastAsked = Clock::now();
  long long lastFrame = -1;
  int status = 0;
  while (waitpid(child, &status, WNOHANG) == 0)
  {
    const auto now = Clock::now();
    if (now - lastAsked > std::chrono::seconds(2))
    {
      if (const long long frame = LastReportedFrame(ReadWholeFile(outputPath.string())); frame > lastFrame)
      {
        lastFrame = frame;
        lastProgress = now;
      }
      RequestState(child);
      lastAsked = now;
    }
    if (now - lastProgress > stall)
    {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      status = -1;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  reaped = true;
  result.exited = status != -1 && WIFEXITED(status);
  result.exitCode = result.exited ? WEXITSTATUS(status) : -1;
  result.endingSignal = status != -1 && WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  result.output = ReadWholeFile(outputPath.string());
  result.errors = ReadWholeFile(errorPath.string());
  if (status == -1)
    result.errors += "\n(killed by the test: no new frame for " + std::to_string(stall.count()) + " s)\n";
  return result;
}

namespace
{
// Links every entry of `source` into `target` except those `files` names; a folder holding one of
// them is made afresh and linked entry by entry.
void LinkExcept(const fs::path& source, const fs::path& target,
                const std::map<std::string, std::optional<std::string>>& files, const std::string& prefix = "")
{
  for (const fs::directory_entry& entry : fs::directory_iterator(source))
  {
    const std::string name = prefix + entry.path().filename().string();
    if (files.count(name) != 0)
      continue;
    bool holdsAChange = false;
    for (const auto& file : files)
      holdsAChange = holdsAChange || file.first.rfind(name + "/", 0) == 0;
    if (holdsAChange)
    {
      fs::create_directories(target / entry.path().filename());
      LinkExcept(entry.path(), target / entry.path().filename(), files, name + "/");
    }
    else
      fs::create_symlink(entry.path(), target / entry.path().filename());
  }
  if (!prefix.empty())
    return;
  for (const auto& [name, text] : files)
    if (text.has_value())
      std::ofstream(target / name) << *text;
}
}  // namespace

fs::path MakeGameFolder(const fs::path& root, const std::map<std::string, std::optional<std::string>>& files)
{
  const fs::path assets = root / "Assets";
  fs::create_directories(assets);
  LinkExcept(fs::current_path() / "Assets", assets, files);
  return root;
}

void ExpectNoLeaks(const Finished& run)
{
  EXPECT_EQ(run.errors.find("Unhandled blocks leaked"), std::string::npos) << run.errors;
  EXPECT_EQ(run.output.find("Unhandled blocks leaked"), std::string::npos);
  EXPECT_EQ(run.errors.find("runtime error"), std::string::npos) << run.errors;
  EXPECT_EQ(run.errors.find("AddressSanitizer"), std::string::npos) << run.errors;
}
