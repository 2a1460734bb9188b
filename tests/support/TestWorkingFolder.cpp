#include "support/TestWorkingFolder.h"

#include <cstdlib>  // Required for: getenv(), setenv()
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace
{
::testing::Environment* const workingFolder = ::testing::AddGlobalTestEnvironment(new TestWorkingFolder);

// Handed down to a death test's child, which runs this program afresh and exits without tearing
// down: it works in its parent's folder and leaves the removal to the parent.
const char* const InheritedFolder = "BRINDLE_TEST_FOLDER";
}

fs::path TestWorkingFolder::SourceAssets()
{
  return fs::path(BRINDLE_SOURCE_DIR) / "Assets";
}

void TestWorkingFolder::SetUp()
{
  previous = fs::current_path();
  const char* inherited = std::getenv(InheritedFolder);
  if (inherited != nullptr && fs::is_directory(inherited))
  {
    fs::current_path(inherited);
    return;
  }
  std::random_device device;
  folder = fs::temp_directory_path() / ("brindle-tests-" + std::to_string(device()));
  fs::create_directories(folder);
  // Copies, not links, of whatever the game may save (settings, levels, prefabs, lists), so that a
  // test saving over one cannot write through to the committed file. Pictures, sounds and shaders
  // are only read, and make up most of the megabytes every test program would otherwise copy.
  const fs::path assets = folder / "Assets";
  fs::create_directories(assets);
  for (const fs::directory_entry& entry : fs::directory_iterator(SourceAssets()))
  {
    const std::string name = entry.path().filename().string();
    if (name == "Atlas" || name == "Images" || name == "Shaders" || name == "Sounds")
      fs::create_directory_symlink(entry.path(), assets / name);
    else
      fs::copy(entry.path(), assets / name, fs::copy_options::recursive);
  }
  setenv(InheritedFolder, folder.c_str(), 1);
  fs::current_path(folder);
}

void TestWorkingFolder::TearDown()
{
  std::error_code ignored;
  fs::current_path(previous, ignored);
  if (!folder.empty())
    fs::remove_all(folder, ignored);
}
