#include "core/Log.h"

#include <iostream>
#include <unordered_set>

namespace
{
void WriteToStandardOutput(LogLevel, const std::string& line)
{
  std::cout << line << std::endl;
}

LogSink& InstalledSink()
{
  static LogSink sink = WriteToStandardOutput;
  return sink;
}

std::unordered_set<std::string>& SeenCauses()
{
  static std::unordered_set<std::string> seen;
  return seen;
}
}  // namespace

LogSink SetLogSink(LogSink sink)
{
  LogSink previous = std::move(InstalledSink());
  InstalledSink() = sink ? std::move(sink) : LogSink(WriteToStandardOutput);
  return previous;
}

void Log(LogLevel level, const std::string& line)
{
  // A sink that logs from inside itself would otherwise recurse without end.
  static bool writing = false;
  if (writing)
  {
    WriteToStandardOutput(level, line);
    return;
  }
  struct Writing
  {
    Writing() { writing = true; }
    ~Writing() { writing = false; }
  } scope;
  InstalledSink()(level, line);
}

const char* LogPrefix(LogLevel level)
{
  switch (level)
  {
    case LogLevel::Error: return "[ERROR] ";
    case LogLevel::Warning: return "[WARNING] ";
    case LogLevel::Plain: break;
  }
  return "";
}

bool FirstTimeFor(const std::string& key)
{
  return SeenCauses().insert(key).second;
}

void ForgetLoggedCauses()
{
  SeenCauses().clear();
}
