// The committed content is what the scripts in tools/ write. tools/make_content.py --check runs
// every one of them into a temporary folder and compares the result with the checkout, naming each
// file that differs, is missing or is left over, and the script that writes it. A file changed
// after the scripts wrote it (the editor's File > Save) is the designer's: the scripts keep it and
// the check names it without failing.
#include "support/TemporaryDirectory.h"
#include "support/TestWorkingFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include <sys/wait.h>

namespace
{
struct CommandResult
{
  int exitCode = -1;  // -1 when the command did not end by itself
  std::string output;  // standard output and standard error together
};

const std::string Script = (TestWorkingFolder::SourceAssets().parent_path() / "tools" / "make_content.py").string();

CommandResult RunCommand(const std::string& command)
{
  CommandResult result;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr)
    return result;
  std::array<char, 4096> buffer;
  for (std::size_t count; (count = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
    result.output.append(buffer.data(), count);
  const int status = pclose(pipe);
  if (status != -1 && WIFEXITED(status))
    result.exitCode = WEXITSTATUS(status);
  return result;
}
}  // namespace

TEST(GeneratedContentTest, EveryGeneratedFileIsWhatItsScriptWrites)
{
  const CommandResult check = RunCommand("python3 '" + Script + "' --check");
  EXPECT_EQ(check.exitCode, 0) << check.output;
}

TEST(GeneratedContentTest, ADesignersSaveIsKeptByTheScriptsUntilGivenBack)
{
  const TemporaryDirectory copy;
  const std::string run = "python3 '" + Script + "' ";
  const std::string level = "Assets/LevelFiles/skirmish.json";
  const std::string encounters = " --only make_encounter_levels.py";
  ASSERT_EQ(RunCommand(run + "--out '" + copy.Path().string() + "'").exitCode, 0);
  const std::string generated = copy.Read(level);

  // The editor saves the level with a crate moved, and a prefab under a new name.
  std::string saved = generated;
  const std::size_t number = saved.find_first_of("123456789", saved.find("\"position\""));
  ASSERT_NE(number, std::string::npos);
  saved.insert(number, "1");
  copy.Write(level, saved);
  copy.Write("Assets/Prefabs/LitCrate.prefab", "{\n   \"LitCrate\" : {}\n}\n");

  // The script that writes the level keeps it and says so; the check names both and passes.
  const CommandResult rerun = RunCommand(run + "--out '" + copy.Path().string() + "'" + encounters);
  EXPECT_EQ(rerun.exitCode, 1) << rerun.output;
  EXPECT_NE(rerun.output.find("[ERROR] " + level + " was changed after tools/make_encounter_levels.py"),
            std::string::npos) << rerun.output;
  EXPECT_EQ(copy.Read(level), saved);
  const CommandResult check = RunCommand(run + "--check '" + copy.Path().string() + "'");
  EXPECT_EQ(check.exitCode, 0) << check.output;
  EXPECT_NE(check.output.find("Kept: " + level), std::string::npos) << check.output;
  EXPECT_NE(check.output.find("Kept: Assets/Prefabs/LitCrate.prefab"), std::string::npos) << check.output;

  // --overwrite gives the level back to its script, which owns it from then on.
  EXPECT_EQ(RunCommand(run + "--out '" + copy.Path().string() + "'" + encounters + " --overwrite " + level).exitCode, 0);
  EXPECT_EQ(copy.Read(level), generated);
  const CommandResult after = RunCommand(run + "--check '" + copy.Path().string() + "'" + encounters);
  EXPECT_EQ(after.exitCode, 0) << after.output;
  EXPECT_EQ(after.output.find("Kept:"), std::string::npos) << after.output;
}
