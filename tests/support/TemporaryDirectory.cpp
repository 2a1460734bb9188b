#include "support/TemporaryDirectory.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

TemporaryDirectory::TemporaryDirectory()
{
  std::random_device device;
  path = std::filesystem::temp_directory_path() / ("brindle-test-" + std::to_string(device()));
  std::filesystem::create_directories(path);
}

TemporaryDirectory::~TemporaryDirectory()
{
  std::error_code ignored;
  std::filesystem::remove_all(path, ignored);
}

void TemporaryDirectory::Write(const std::string& name, const std::string& text) const
{
  std::filesystem::create_directories((path / name).parent_path());
  std::ofstream(path / name, std::ios::binary) << text;
}

std::string TemporaryDirectory::Read(const std::string& name) const
{
  std::ifstream file(path / name, std::ios::binary);
  std::stringstream contents;
  contents << file.rdbuf();
  return contents.str();
}

std::vector<std::string> TemporaryDirectory::FileNames(const std::string& folder) const
{
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path / folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}
