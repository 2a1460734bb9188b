#pragma once
// The real program, started as a child process on the test display, and a game folder for it to
// run in: the repository's Assets linked in, with some files replaced.
#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

// The game sits beside the test folder of the build.
std::filesystem::path ProgramPath();

struct Finished
{
  bool exited = false;   // ended by itself, not by a signal
  int exitCode = -1;
  int endingSignal = 0;  // the signal that ended it, if one did
  std::string output;    // standard output
  std::string errors;    // standard error
};

class ChildProgram
{
public:
  // Starts the game in `workingDirectory` with the given command-line words, its output written to
  // files in `logs`. An interactive child runs as on a person's desktop: a display and no CI variable.
  ChildProgram(const std::filesystem::path& workingDirectory, const std::vector<std::string>& words,
               const std::filesystem::path& logs, bool interactive = false);
  ~ChildProgram();
  ChildProgram(const ChildProgram&) = delete;
  ChildProgram& operator=(const ChildProgram&) = delete;

  void Signal(int signalNumber);
  // Waits until the child runs its frame loop: it answers a state request (SIGUSR1, sent only once
  // the child runs the game and its handler is in place) with a "State:" line only from there.
  // False if it ended or `limit` passed first.
  bool AwaitFrameLoop(std::chrono::seconds limit);
  // Waits for the child to end, however slowly a busy machine runs it: it is asked for its state
  // every few seconds (SIGUSR1, once it is the game with its handler), and only a child that shows
  // no new frame for `stall` (from its start, or from its last new frame) is killed and reported as
  // not exited.
  Finished Wait(std::chrono::seconds stall);

private:
  std::filesystem::path outputPath;
  std::filesystem::path errorPath;
  pid_t child = -1;
  bool reaped = false;
};

// Makes `root`/Assets from the repository's Assets (the working folder's): every entry linked
// except the `files` named (paths below Assets, at most one folder deep): a text replaces or adds
// the file, no text removes it. Returns `root`.
std::filesystem::path MakeGameFolder(const std::filesystem::path& root,
                                     const std::map<std::string, std::optional<std::string>>& files);

// Every pooled block given back, and (in a sanitizer build) no fault found on the way.
void ExpectNoLeaks(const Finished& run);
