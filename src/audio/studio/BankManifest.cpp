#include "audio/studio/BankManifest.h"

#include "core/FileUtilities.h"
#include "core/JsonFields.h"
#include "core/Log.h"
#include "platform/Paths.h"

#include <set>

namespace Studio
{
namespace
{
std::string FolderOf(const std::string& path)
{
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

const char* const EventSkipped = "the event is skipped";

// Seconds into a sample: an optional number, never negative.
bool ReadSeconds(const Json::Value& entry, const char* key, double& value, const std::string& where)
{
  double read = value;
  if (!ReadField(entry, key, read, where, EventSkipped))
    return false;
  if (read < 0.0)
  {
    ReportFieldProblem(where, key, "expected seconds, not a negative number", EventSkipped);
    return false;
  }
  value = read;
  return true;
}

// Fills `event` from one entry of "events"; false, after the error line, when the entry is unusable.
bool ReadEvent(const Json::Value& entry, const std::string& folder, const std::string& where, EventDefinition& event)
{
  if (!entry.isObject())
  {
    LogError("In ", where, ", the entry is not an object; ", EventSkipped, ".");
    return false;
  }
  std::string sample;
  if (!ReadRequiredField(entry, "id", event.id, where, EventSkipped) ||
      !ReadRequiredField(entry, "sample", sample, where, EventSkipped))
    return false;
  if (event.id.empty() || sample.empty())
  {
    LogError("In ", where, ", \"id\" and \"sample\" must not be empty; ", EventSkipped, ".");
    return false;
  }
  event.samplePath = folder + NormalizePath(sample);
  double volume = event.volume;
  if (!ReadField(entry, "loop", event.loop, where, EventSkipped) ||
      !ReadField(entry, "stream", event.stream, where, EventSkipped) ||
      !ReadSeconds(entry, "loopStart", event.loopStart, where) ||
      !ReadSeconds(entry, "loopEnd", event.loopEnd, where) || !ReadSeconds(entry, "fadeOut", event.fadeOut, where) ||
      !ReadSeconds(entry, "volume", volume, where))
    return false;
  event.volume = static_cast<float>(volume);
  if (entry.isMember("sustainStart") || entry.isMember("sustainEnd"))
  {
    if (!ReadSeconds(entry, "sustainStart", event.sustainStart, where) ||
        !ReadSeconds(entry, "sustainEnd", event.sustainEnd, where))
      return false;
    if (event.sustainEnd <= event.sustainStart)
    {
      LogError("In ", where, ", the sustain region is not a pair of increasing seconds; ", EventSkipped, ".");
      return false;
    }
    event.hasSustain = true;
  }
  if (event.loopEnd != 0.0 && event.loopEnd <= event.loopStart)
  {
    LogError("In ", where, ", the loop region ends before it starts; ", EventSkipped, ".");
    return false;
  }
  return true;
}
}  // namespace

bool BankManifest::Read(const std::string& path, BankManifest& out, bool* missing)
{
  Json::Value root;
  if (!ReadJsonFile(root, path, missing))
    return false;
  if (FieldOf(root, "format") != FormatName)
  {
    LogError("Sound bank ", path, " is not a ", FormatName, " file.");
    return false;
  }
  const Json::Value& version = FieldOf(root, "version");
  if (!version.isInt() || version.asInt() != Version)
  {
    LogError("Sound bank ", path, " has an unknown version.");
    return false;
  }
  const Json::Value& events = FieldOf(root, "events");
  const Json::Value& strings = FieldOf(root, "strings");
  if ((!events.isNull() && !events.isArray()) || (!strings.isNull() && !strings.isArray()))
  {
    LogError("Sound bank ", path, ": \"events\" and \"strings\" must be lists.");
    return false;
  }
  BankManifest result;
  const std::string folder = FolderOf(NormalizePath(path));
  std::set<std::string> ids;
  for (Json::ArrayIndex index = 0; index < events.size(); ++index)
  {
    EventDefinition event;
    if (!ReadEvent(events[index], folder, "sound bank " + path + " event " + std::to_string(index), event))
      continue;
    if (!ids.insert(event.id).second)
    {
      LogError("Sound bank ", path, ": event id ", event.id, " appears twice; the first is kept.");
      continue;
    }
    result.events.push_back(event);
  }
  for (Json::ArrayIndex index = 0; index < strings.size(); ++index)
  {
    const std::string where = "sound bank " + path + " string " + std::to_string(index);
    std::string eventPath;
    std::string id;
    if (!ReadRequiredField(strings[index], "path", eventPath, where, "the string is skipped") ||
        !ReadRequiredField(strings[index], "id", id, where, "the string is skipped"))
      continue;
    result.strings.emplace_back(eventPath, id);
  }
  out = std::move(result);
  return true;
}
}  // namespace Studio
