#pragma once
// The sound list: one event path per line of a text file, in file order. The sound system loads
// a description for each line at start-up; the editor's sound chooser reads the list anew each
// time it is drawn.
#include <string>
#include <vector>

class SoundResource
{
public:
  static constexpr const char* DefaultPath = "Assets/SoundResources.txt";

  // Reads the whole file (ReadDataFile). A missing file is reported ("Missing Sound Resource
  // File.") and gives an empty list, as does one that cannot be read (a pipe, a device, one too
  // large), reported with why. Line ends may be "\n" or "\r\n".
  explicit SoundResource(const std::string& path = DefaultPath);

  const std::vector<std::string>& GetLines() const { return lines; }
  bool Found() const { return found; }

private:
  std::vector<std::string> lines;
  bool found = false;
};
