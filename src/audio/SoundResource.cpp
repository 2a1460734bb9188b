#include "audio/SoundResource.h"

#include "core/Log.h"
#include "platform/Assert.h"
#include "platform/Paths.h"

#include <fstream>

SoundResource::SoundResource(const std::string& path)
{
  std::ifstream file(NormalizePath(path));
  if (!file)
  {
    LogError("Missing Sound Resource File. (", NormalizePath(path), ")");
    Assert("Missing Sound Resource File.", __LINE__, __FILE__, "SoundResource::SoundResource");
    DebugBreakIfAttached();
    return;
  }
  found = true;
  std::string line;
  while (std::getline(file, line))
  {
    // A list saved on Windows would otherwise name no event at all.
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    lines.push_back(line);
  }
}
