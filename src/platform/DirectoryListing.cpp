#include "platform/DirectoryListing.h"

#include "platform/Paths.h"

#include <algorithm>
#include <filesystem>
#include <fnmatch.h>  // Required for: fnmatch()

std::vector<std::string> ListFilesMatching(const std::string& directory, const std::string& pattern)
{
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code error;
  const fs::path folder = NormalizePath(directory.empty() ? std::string(".") : directory);
  fs::directory_iterator entry(folder, error);
  if (error)
    return names;
  for (; entry != fs::directory_iterator(); entry.increment(error))
  {
    if (error)
      break;
    std::error_code kindError;
    if (entry->is_directory(kindError))
      continue;
    const std::string name = entry->path().filename().string();
    if (fnmatch(pattern.c_str(), name.c_str(), 0) == 0)
      names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}
