#pragma once
// A console command: registered under its word, it turns a split command line into a log entry.
#include "editor/ConsoleCommandOutput.h"

#include <memory>
#include <string>
#include <vector>

class ConsoleCommandOutputFactory
{
public:
  explicit ConsoleCommandOutputFactory(std::string name) : name(std::move(name)) {}
  // Commands are destroyed through this base by the console that owns them.
  virtual ~ConsoleCommandOutputFactory() = default;

  // `words` is the split line; the first word is the command's own.
  virtual std::unique_ptr<ConsoleCommandOutput> Execute(const std::vector<std::string>& words) = 0;
  virtual std::string GetHelpText() const { return ""; }

  std::string GetName() const { return name; }

private:
  std::string name;
};
