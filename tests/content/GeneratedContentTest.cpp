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
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

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

// Also what a run killed hard leaves (its scratch folder, a temporary file beside a level): nobody's
// work, removed by a later run once its process is gone, while a live run's stays.
TEST(GeneratedContentTest, ADesignersSaveIsKeptByTheScriptsUntilGivenBack)
{
  const TemporaryDirectory copy;
  const TemporaryDirectory scratch;  // the system's temporary folder for the runs
  const std::string run = "TMPDIR='" + scratch.Path().string() + "' python3 '" + Script + "' ";
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
  const pid_t gone = fork();
  if (gone == 0)
    _exit(0);
  waitpid(gone, nullptr, 0);
  const std::string killed = ".tmp" + std::to_string(gone) + "-Ab12Cd";
  const std::string live = "content.tmp" + std::to_string(getpid()) + "-Ab12Cd";
  scratch.Write("content" + killed + "/" + level, generated);
  scratch.Write(live + "/" + level, generated);

  // The script that writes the level keeps it and says so; the check names both and passes.
  const CommandResult rerun = RunCommand(run + "--out '" + copy.Path().string() + "'" + encounters);
  EXPECT_EQ(rerun.exitCode, 1) << rerun.output;
  EXPECT_NE(rerun.output.find("[ERROR] " + level + " was changed after tools/make_encounter_levels.py"),
            std::string::npos) << rerun.output;
  EXPECT_EQ(copy.Read(level), saved);
  EXPECT_EQ(scratch.FileNames(), std::vector<std::string>{live});
  copy.Write(level + killed, generated.substr(0, 100));
  const CommandResult check = RunCommand(run + "--check '" + copy.Path().string() + "'");
  EXPECT_EQ(check.exitCode, 0) << check.output;
  EXPECT_NE(check.output.find("Kept: " + level), std::string::npos) << check.output;
  EXPECT_NE(check.output.find("Kept: Assets/Prefabs/LitCrate.prefab"), std::string::npos) << check.output;
  EXPECT_EQ(check.output.find(killed), std::string::npos) << check.output;

  // --overwrite gives the level back to its script, which owns it from then on.
  EXPECT_EQ(RunCommand(run + "--out '" + copy.Path().string() + "'" + encounters + " --overwrite " + level).exitCode, 0);
  EXPECT_EQ(copy.Read(level), generated);
  EXPECT_FALSE(std::filesystem::exists(copy.Path() / (level + killed)));
  const CommandResult after = RunCommand(run + "--check '" + copy.Path().string() + "'" + encounters);
  EXPECT_EQ(after.exitCode, 0) << after.output;
  EXPECT_EQ(after.output.find("Kept:"), std::string::npos) << after.output;
}

// Files a person or an attacker left in the checkout: a link planted at the name the scripts once
// wrote through, a designer's own "<file>.tmp", a pipe in place of a generated level, records that
// are no record, --overwrite of paths no script writes. None blocks the run (a time limit stands
// in for a hang), none is written through or taken, and each is named in an "[ERROR]" line.
TEST(GeneratedContentTest, HostileFilesAreNamedAndNothingAPersonMadeIsWritten)
{
  namespace fs = std::filesystem;
  const TemporaryDirectory copy;
  const TemporaryDirectory outside;
  fs::copy(TestWorkingFolder::SourceAssets(), copy.Path() / "Assets", fs::copy_options::recursive);
  const std::string record = "tools/generated-files.json";
  fs::create_directory(copy.Path() / "tools");
  fs::copy_file(TestWorkingFolder::SourceAssets().parent_path() / record, copy.Path() / record);
  // A file recorded once and gone since: the record is rewritten.
  copy.Write(record, "{\n \"Assets/LevelFiles/gone.json\": \"0\",\n" + copy.Read(record).substr(2));
  const std::string run = "timeout 120 python3 '" + Script + "' --out '" + copy.Path().string() +
                          "' --only make_interface_levels.py";
  const std::string hud = "Assets/LevelFiles/HUD.json";
  const fs::path pipe = copy.Path() / "Assets/LevelFiles/OW_HUD.json";
  outside.Write("target", "outside");
  fs::remove(copy.Path() / hud);
  fs::create_symlink(outside.Path() / "target", copy.Path() / (hud + ".tmp"));
  copy.Write(record + ".tmp", "my notes");
  fs::remove(pipe);
  ASSERT_EQ(0, mkfifo(pipe.c_str(), 0644));

  CommandResult result = RunCommand(run);
  EXPECT_EQ(1, result.exitCode) << result.output;
  EXPECT_NE(result.output.find("[ERROR] " + pipe.string() + " is not a regular file"), std::string::npos)
      << result.output;
  EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
  EXPECT_EQ("outside", outside.Read("target"));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(copy.Path() / (hud + ".tmp"))));
  EXPECT_EQ("my notes", copy.Read(record + ".tmp"));
  EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(copy.Path() / hud)));
  EXPECT_EQ(copy.Read(record).find("gone.json"), std::string::npos);
  fs::remove(pipe);

  // From here on nothing may be written: the level removed stays missing.
  fs::remove(copy.Path() / hud);
  result = RunCommand(run + " --overwrite Assets/LevelFiles/HUD.jsn ./" + hud + " /etc/hostname");
  EXPECT_EQ(1, result.exitCode) << result.output;
  for (const std::string& path : {std::string("Assets/LevelFiles/HUD.jsn"), "./" + hud, std::string("/etc/hostname")})
    EXPECT_NE(result.output.find("[ERROR] --overwrite " + path + ": no script"), std::string::npos) << result.output;

  const fs::path recordPath = copy.Path() / record;
  for (const std::string broken : {"not JSON", "[]", "folder", "/dev/zero"})
  {
    fs::remove_all(recordPath);
    if (broken == "folder")
      fs::create_directory(recordPath);
    else if (broken == "/dev/zero")
      fs::create_symlink(broken, recordPath);
    else
      copy.Write(record, broken);
    result = RunCommand(run);
    EXPECT_EQ(1, result.exitCode) << broken << result.output;
    EXPECT_NE(result.output.find("[ERROR] " + recordPath.string()), std::string::npos) << broken << result.output;
    EXPECT_EQ(result.output.find("Traceback"), std::string::npos) << broken << result.output;
  }
  EXPECT_FALSE(fs::exists(copy.Path() / hud));
}

// As careful as the game's saves: a read-only file, and one whose folder takes no file, are named
// and kept as they are while the rest is written; a file replaced keeps its mode, owner, group and
// extended attributes.
TEST(GeneratedContentTest, AFileTheScriptsMayNotWriteIsNamedAndKeptAndAReplacedOneKeepsItsOwnerAndMode)
{
  namespace fs = std::filesystem;
  const TemporaryDirectory copy;
  const std::string run = "python3 '" + Script + "' --out '" + copy.Path().string() +
                          "' --only make_ship_layouts.py make_interface_levels.py";
  ASSERT_EQ(RunCommand(run).exitCode, 0);
  const std::string readOnly = "Assets/LevelFiles/HUD.json", owned = "Assets/LevelFiles/OW_HUD.json",
                    linked = "Assets/LevelFiles/emptylevel.json";
  const std::string generated = copy.Read(owned);
  copy.Write(readOnly, "mine");
  chmod(copy.File(readOnly).c_str(), 0444);
  copy.Write(owned, "{}");
  chmod(copy.File(owned).c_str(), 0640);
  const bool attributes = setxattr(copy.File(owned).c_str(), "user.note", "mine", 4, 0) == 0;
  // Only root may hand a file to another user; anyone else's own file keeps its owner all the same.
  const bool asRoot = geteuid() == 0;
  if (asRoot)
  {
    ASSERT_EQ(chown(copy.File(owned).c_str(), 4321, 8765), 0);
  }
  copy.Write(linked, "mine");
  ASSERT_EQ(link(copy.File(linked).c_str(), (copy.Path() / "second name").c_str()), 0);
  // A file where the ship layouts' folder should be: no folder there takes a file, even for root.
  fs::remove_all(copy.Path() / "Assets/Ship");
  copy.Write("Assets/Ship", "in the way");

  const CommandResult result = RunCommand(run + " --overwrite " + readOnly + " " + owned + " " + linked);
  EXPECT_EQ(1, result.exitCode) << result.output;
  EXPECT_NE(result.output.find("[ERROR] " + copy.File(readOnly) + " is read-only"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("[ERROR] " + copy.File("Assets/Ship/skirmish.txt") + " could not be written"),
            std::string::npos) << result.output;
  EXPECT_EQ(result.output.find("Traceback"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("[ERROR] " + copy.File(linked) + " has several names"), std::string::npos) << result.output;
  EXPECT_EQ(copy.Read(readOnly), "mine");
  EXPECT_EQ(copy.Read(linked), "mine");
  EXPECT_EQ(copy.Read("Assets/Ship"), "in the way");
  EXPECT_EQ(copy.Read(owned), generated);
  struct stat replaced = {};
  ASSERT_EQ(stat(copy.File(owned).c_str(), &replaced), 0);
  EXPECT_EQ(replaced.st_mode & 07777, 0640u);
  if (asRoot)
  {
    EXPECT_EQ(replaced.st_uid, 4321u);
    EXPECT_EQ(replaced.st_gid, 8765u);
  }
  if (attributes)
  {
    char value[16] = {};
    EXPECT_EQ(getxattr(copy.File(owned).c_str(), "user.note", value, sizeof(value)), 4);
  }
  EXPECT_EQ(copy.FileNames("Assets/LevelFiles"), (std::vector<std::string>{"HUD.json", "OW_HUD.json", "emptylevel.json"}))
      << "no temporary file stays";
}
