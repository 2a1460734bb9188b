#include "platform/Paths.h"

#include <algorithm>

std::string NormalizePath(std::string path)
{
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}
