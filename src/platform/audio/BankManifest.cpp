#include "platform/audio/BankManifest.h"

#include "core/FileUtilities.h"
#include "platform/Paths.h"

#include <cmath>
#include <iostream>
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

// Reads an optional member of the expected kind; a member of another kind is an error.
bool ReadBool(const Json::Value& entry, const char* key, bool& value)
{
  if (!entry.isMember(key))
    return true;
  if (!entry[key].isBool())
    return false;
  value = entry[key].asBool();
  return true;
}

bool ReadSeconds(const Json::Value& entry, const char* key, double& value)
{
  if (!entry.isMember(key))
    return true;
  if (!entry[key].isNumeric())
    return false;
  const double read = entry[key].asDouble();
  if (!std::isfinite(read) || read < 0.0)
    return false;
  value = read;
  return true;
}

bool ReadEvent(const Json::Value& entry, const std::string& folder, EventDefinition& event, std::string& problem)
{
  if (!entry.isObject())
  {
    problem = "is not an object";
    return false;
  }
  if (!entry["id"].isString() || entry["id"].asString().empty())
  {
    problem = "has no \"id\" text";
    return false;
  }
  event.id = entry["id"].asString();
  if (!entry["sample"].isString() || entry["sample"].asString().empty())
  {
    problem = "has no \"sample\" text";
    return false;
  }
  event.samplePath = folder + NormalizePath(entry["sample"].asString());
  double volume = event.volume;
  if (!ReadBool(entry, "loop", event.loop) || !ReadBool(entry, "stream", event.stream) ||
      !ReadSeconds(entry, "loopStart", event.loopStart) || !ReadSeconds(entry, "loopEnd", event.loopEnd) ||
      !ReadSeconds(entry, "fadeOut", event.fadeOut) || !ReadSeconds(entry, "volume", volume))
  {
    problem = "has a member of the wrong kind";
    return false;
  }
  event.volume = static_cast<float>(volume);
  if (entry.isMember("sustainStart") || entry.isMember("sustainEnd"))
  {
    if (!ReadSeconds(entry, "sustainStart", event.sustainStart) || !ReadSeconds(entry, "sustainEnd", event.sustainEnd) ||
        event.sustainEnd <= event.sustainStart)
    {
      problem = "has a sustain region that is not a pair of increasing seconds";
      return false;
    }
    event.hasSustain = true;
  }
  if (event.loopEnd != 0.0 && event.loopEnd <= event.loopStart)
  {
    problem = "has a loop region that ends before it starts";
    return false;
  }
  return true;
}
}  // namespace

bool BankManifest::Read(const std::string& path, BankManifest& out)
{
  Json::Value root;
  if (!ReadJsonFile(root, path))
    return false;
  if (!root.isObject() || !root["format"].isString() || root["format"].asString() != FormatName)
  {
    std::cout << "[ERROR] Sound bank " << path << " is not a " << FormatName << " file." << std::endl;
    return false;
  }
  if (!root["version"].isInt() || root["version"].asInt() != Version)
  {
    std::cout << "[ERROR] Sound bank " << path << " has an unknown version." << std::endl;
    return false;
  }
  const Json::Value& events = root["events"];
  const Json::Value& strings = root["strings"];
  if ((!events.isNull() && !events.isArray()) || (!strings.isNull() && !strings.isArray()))
  {
    std::cout << "[ERROR] Sound bank " << path << ": \"events\" and \"strings\" must be lists." << std::endl;
    return false;
  }
  BankManifest result;
  const std::string folder = FolderOf(NormalizePath(path));
  std::set<std::string> ids;
  for (Json::ArrayIndex index = 0; index < events.size(); ++index)
  {
    EventDefinition event;
    std::string problem;
    if (!ReadEvent(events[index], folder, event, problem))
    {
      std::cout << "[ERROR] Sound bank " << path << ": event " << index << " " << problem << "; skipped." << std::endl;
      continue;
    }
    if (!ids.insert(event.id).second)
    {
      std::cout << "[ERROR] Sound bank " << path << ": event id " << event.id << " appears twice; the first is kept." << std::endl;
      continue;
    }
    result.events.push_back(event);
  }
  for (Json::ArrayIndex index = 0; index < strings.size(); ++index)
  {
    const Json::Value& entry = strings[index];
    if (!entry.isObject() || !entry["path"].isString() || !entry["id"].isString())
    {
      std::cout << "[ERROR] Sound bank " << path << ": string " << index << " needs \"path\" and \"id\" texts; skipped." << std::endl;
      continue;
    }
    result.strings.emplace_back(entry["path"].asString(), entry["id"].asString());
  }
  out = std::move(result);
  return true;
}
}  // namespace Studio
