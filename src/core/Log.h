#pragma once
// The program's one way to write a diagnostic line.
//
//   LogError("Sound bank ", path, " has an unknown version.")   -> "[ERROR] Sound bank ... version."
//   LogWarning(...)                                              -> "[WARNING] ..."
//   LogLine(...)                                                 -> the text alone
//   LogOnce(key, LogLevel::Error, ...)                           -> as LogError, the first time only
//
// Each call is one line, handed whole to the sink. The default sink writes it to standard output
// and flushes, which the console captures line by line; tests install a sink that records. Bad
// data that would be met again every frame or by every object reports through LogOnce, keyed by
// its cause, so it says so once.
//
// Converting a direct write: `std::cout << "[ERROR] X " << a << std::endl;` becomes
// `LogError("X ", a);`. A line whose prefix differs from ours (a quoted text such as
// "[ERROR]Couldn't open file: ") goes through Log(LogLevel::Error, wholeLine).
#include <functional>
#include <sstream>
#include <string>

enum class LogLevel
{
  Plain,
  Warning,
  Error,
};

// Receives every line, without its line end.
using LogSink = std::function<void(LogLevel level, const std::string& line)>;

// Installs a sink and returns the one it replaces; an empty sink restores standard output.
LogSink SetLogSink(LogSink sink);

// Writes one line exactly as given.
void Log(LogLevel level, const std::string& line);

// "[ERROR] ", "[WARNING] " or nothing.
const char* LogPrefix(LogLevel level);

// Whether `key` is new: remembers it and answers true once, false ever after.
bool FirstTimeFor(const std::string& key);
// Forgets every key seen, so each test starts with nothing reported.
void ForgetLoggedCauses();

template <typename... Parts>
std::string JoinLogParts(const Parts&... parts)
{
  std::ostringstream text;
  (text << ... << parts);
  return text.str();
}

template <typename... Parts>
void LogLine(const Parts&... parts)
{
  Log(LogLevel::Plain, JoinLogParts(parts...));
}

template <typename... Parts>
void LogWarning(const Parts&... parts)
{
  Log(LogLevel::Warning, JoinLogParts(LogPrefix(LogLevel::Warning), parts...));
}

template <typename... Parts>
void LogError(const Parts&... parts)
{
  Log(LogLevel::Error, JoinLogParts(LogPrefix(LogLevel::Error), parts...));
}

// Logs with the level's prefix the first time `key` is met; returns whether it logged.
template <typename... Parts>
bool LogOnce(const std::string& key, LogLevel level, const Parts&... parts)
{
  if (!FirstTimeFor(key))
    return false;
  Log(level, JoinLogParts(LogPrefix(level), parts...));
  return true;
}
