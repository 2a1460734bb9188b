#include "audio/SoundResource.h"

#include "core/FileUtilities.h"
#include "core/Log.h"
#include "platform/Assert.h"
#include "platform/Paths.h"

#include <sstream>

SoundResource::SoundResource(const std::string& path)
{
  std::string text;
  std::string problem;
  bool missing = false;
  if (!ReadDataFile(path, text, problem, &missing))
  {
    if (!missing)
    {
      // There, but a pipe, a device or far too large: bad data, not a failed check.
      LogError("Could not read the sound list ", NormalizePath(path), ". ", problem);
      return;
    }
    LogError("Missing Sound Resource File. (", NormalizePath(path), ")");
    Assert("Missing Sound Resource File.", __LINE__, __FILE__, "SoundResource::SoundResource");
    DebugBreakIfAttached();
    return;
  }
  found = true;
  std::istringstream file(text);
  std::string line;
  while (std::getline(file, line))
  {
    // A list saved on Windows would otherwise name no event at all.
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    lines.push_back(line);
  }
}
