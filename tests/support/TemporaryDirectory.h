#pragma once
// A fresh directory under the system's temporary folder, removed with everything in it.
#include <filesystem>
#include <string>
#include <vector>

class TemporaryDirectory
{
public:
  TemporaryDirectory();
  ~TemporaryDirectory();
  TemporaryDirectory(const TemporaryDirectory&) = delete;
  TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

  const std::filesystem::path& Path() const { return path; }
  // The directory with a trailing separator, as the file helpers expect it.
  std::string Prefix() const { return path.string() + "/"; }
  std::string File(const std::string& name) const { return (path / name).string(); }
  void Write(const std::string& name, const std::string& text) const;
  std::string Read(const std::string& name) const;
  // The names in the directory or a folder of it, sorted.
  std::vector<std::string> FileNames(const std::string& folder = "") const;

private:
  std::filesystem::path path;
};
