#pragma once
// The console: the program's text window for diagnostics and debug commands.
//  - It captures standard output and shows it line by line; "[ERROR]" and "[WARNING]" lines are
//    coloured and bring the console into view.
//  - It runs commands typed into its input line and the words of the process command line.
//  - It keeps a log of entries, each of which draws itself (text, or a live graph).
// The session owns the one console; it is drawn as the ImGui window "Console".
#include "editor/ConsoleCommandOutput.h"
#include "editor/ConsoleCommandOutputFactory.h"
#include "editor/ConsoleHost.h"
#include "editor/ConsoleOutputCapture.h"

#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

class ConsoleGui
{
public:
  // Starts capturing standard output and registers the standard commands. Without a host the
  // commands see no spaces and no window.
  explicit ConsoleGui(ConsoleHost* host = nullptr);
  ~ConsoleGui();
  ConsoleGui(const ConsoleGui&) = delete;
  ConsoleGui& operator=(const ConsoleGui&) = delete;

  // Enters a command under its own name, replacing any command of that name.
  void RegisterCommand(std::unique_ptr<ConsoleCommandOutputFactory> command);

  // Runs one command line whose words are split at `separator`: a blank from the window, a comma
  // for a word of the process command line. An empty line does nothing.
  void ExecuteCommand(const std::string& line, char separator);
  // Runs the process command line: the arguments joined by blanks and split again at every blank,
  // each word run as a command line of its own with commas between its words.
  void ExecuteProcessCommandLine(int argumentCount, const char* const* arguments);
  // Every line written to standard output since the last poll becomes one entry, in order.
  void PollOutput();
  // Draws the "Console" window; `inputBuffer` is the caller's command line field.
  void Draw(char* inputBuffer, std::size_t bufferSize);

  void ClearLog();
  // Writes one line to standard output without it becoming an entry: for a program reading the
  // output (a script's state request), not for the person at the console.
  void WriteLinePastConsole(const std::string& line) { capture.WritePast(line + "\n"); }

  // Every separator splits: two in a row give an empty word; there is always at least one word.
  static std::vector<std::string> SplitCommandLine(const std::string& line, char separator);

  const std::vector<std::unique_ptr<ConsoleCommandOutput>>& GetLog() const { return log; }
  const std::map<std::string, std::unique_ptr<ConsoleCommandOutputFactory>>& GetCommands() const { return commands; }
  ConsoleHost& GetHost() { return *host; }
  const std::string& GetFilterText() const { return filterText; }
  bool HasNewOutput() const { return newOutput; }

  bool autoScroll = true;
  // Whether the profiler window is shown; the editor's "Profiler" menu item toggles it.
  bool showProfiler = false;

private:
  void Append(std::unique_ptr<ConsoleCommandOutput> entry);
  void RegisterStandardCommands();

  NullConsoleHost nullHost;
  ConsoleHost* host;
  std::string filterText;
  bool newOutput = false;
  char filterBuffer[256] = {};
  std::vector<std::unique_ptr<ConsoleCommandOutput>> log;
  std::map<std::string, std::unique_ptr<ConsoleCommandOutputFactory>> commands;
  ConsoleOutputCapture capture{std::cout};
};
