#pragma once
// The console's standard commands, one class per word:
//   help [command]               HelpOutputFactory
//   show_fps                     FPSCommand
//   cls                          ClearCommand
//   load_level space level       LevelCommandFactory
//   mem_stats                    MemoryCommand
//   display_editor               ShowEditorCommand
//   god_mode on|off              GodCommandFactory
//   pause [space]                PauseCommandFactory
//   windowed                     WindowCommad
//   winmode big|small            SetFullscreenCommand
//   score points                 ScoreCommand
// Arguments are compared exactly; a bad or missing argument is answered with a usage entry and
// changes nothing.
#include "editor/ConsoleCommandOutputFactory.h"
#include "editor/ConsoleHost.h"

class ConsoleGui;

class HelpOutputFactory : public ConsoleCommandOutputFactory
{
public:
  explicit HelpOutputFactory(const ConsoleGui& console) : ConsoleCommandOutputFactory("help"), console(console) {}
  std::unique_ptr<ConsoleCommandOutput> Execute(const std::vector<std::string>& words) override;

private:
  const ConsoleGui& console;
};

class FPSCommand : public ConsoleCommandOutputFactory
{
public:
  explicit FPSCommand(ConsoleHost& host) : ConsoleCommandOutputFactory("show_fps"), host(host) {}
  std::unique_ptr<ConsoleCommandOutput> Execute(const std::vector<std::string>& words) override;

private:
  ConsoleHost& host;
};

class ClearCommand : public ConsoleCommandOutputFactory
{
public:
  explicit ClearCommand(ConsoleGui& console) : ConsoleCommandOutputFactory("cls"), console(console) {}
  std::unique_ptr<ConsoleCommandOutput> Execute(const std::vector<std::string>& words) override;

private:
  ConsoleGui& console;
};

class LevelCommandFactory : public ConsoleCommandOutputFactory
{
public:
  // `levelDirectory` holds the level files, with a trailing separator.
  explicit LevelCommandFactory(ConsoleHost& host, std::string levelDirectory = "Assets/LevelFiles/")
      : ConsoleCommandOutputFactory("load_level"), host(host), levelDirectory(std::move(levelDirectory))
  {
  }
  std::unique_ptr<ConsoleCommandOutput> Execute(const std::vector<std::string>& words) override;

private:
  ConsoleHost& host;
  std::string levelDirectory;
};

class MemoryCommand : public ConsoleCommandOutputFactory
{
public:
  explicit MemoryCommand(ConsoleHost& host) : ConsoleCommandOutputFactory("mem_stats"), host(host) {}
  std::unique_ptr<ConsoleCommandOutput> Execute(const std::vector<std::string>& words) override;

private:
  ConsoleHost& host;
};

class ShowEditorCommand : public ConsoleCommandOutputFactory
{
public:
  explicit ShowEditorCommand(ConsoleHost& host) : ConsoleCommandOutputFactory("display_editor"), host(host) {}
  std::unique_ptr<ConsoleCommandOutput> Execute(const std::vector<std::string>& words) override;

private:
  ConsoleHost& host;
};

class GodCommandFactory : public ConsoleCommandOutputFactory
{
public:
  GodCommandFactory() : ConsoleCommandOutputFactory("god_mode") {}
  std::unique_ptr<ConsoleCommandOutput> Execute(const std::vector<std::string>& words) override;
  std::string GetHelpText() const override;
};

class PauseCommandFactory : public ConsoleCommandOutputFactory
{
public:
  explicit PauseCommandFactory(ConsoleHost& host) : ConsoleCommandOutputFactory("pause"), host(host) {}
  std::unique_ptr<ConsoleCommandOutput> Execute(const std::vector<std::string>& words) override;
  std::string GetHelpText() const override;

private:
  ConsoleHost& host;
};

class WindowCommad : public ConsoleCommandOutputFactory
{
public:
  explicit WindowCommad(ConsoleHost& host) : ConsoleCommandOutputFactory("windowed"), host(host) {}
  std::unique_ptr<ConsoleCommandOutput> Execute(const std::vector<std::string>& words) override;
  std::string GetHelpText() const override;

private:
  ConsoleHost& host;
};

class SetFullscreenCommand : public ConsoleCommandOutputFactory
{
public:
  explicit SetFullscreenCommand(ConsoleHost& host) : ConsoleCommandOutputFactory("winmode"), host(host) {}
  std::unique_ptr<ConsoleCommandOutput> Execute(const std::vector<std::string>& words) override;
  std::string GetHelpText() const override;

private:
  ConsoleHost& host;
};

// The run's score becomes the points given: the score board the level flow reads (at 3000 the
// boss's galleon comes on the way back to the overworld) and the running reputation of a fight.
class ScoreCommand : public ConsoleCommandOutputFactory
{
public:
  explicit ScoreCommand(ConsoleHost& host) : ConsoleCommandOutputFactory("score"), host(host) {}
  std::unique_ptr<ConsoleCommandOutput> Execute(const std::vector<std::string>& words) override;
  std::string GetHelpText() const override;

private:
  ConsoleHost& host;
};
