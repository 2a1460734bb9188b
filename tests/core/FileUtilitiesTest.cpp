#include "core/FileUtilities.h"
#include "platform/TerminationSignal.h"

#include "support/CapturedLog.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>
#include <imgui.h>

#include <filesystem>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(ReadJsonFile, ReadsAValidDocument)
{
  TemporaryDirectory folder;
  folder.Write("level.json", "{ \"level\": { \"objects\": [1, 2] } }");
  Json::Value root;
  EXPECT_TRUE(ReadJsonFile(root, folder.File("level.json")));
  EXPECT_EQ(root["level"]["objects"].size(), 2u);
}

TEST(ReadJsonFile, BadInputPrintsOneErrorAndLeavesRootAsItWas)
{
  TemporaryDirectory folder;
  folder.Write("broken.json", "{ \"a\": [1, 2 }");
  folder.Write("deep.json", std::string(20000, '[') + std::string(20000, ']'));
  folder.Write("empty.json", "");
  Json::Value root("kept");

  for (const char* name : {"missing.json", "broken.json", "deep.json", "empty.json"})
  {
    CapturedLog output;
    EXPECT_FALSE(ReadJsonFile(root, folder.File(name))) << name;
    EXPECT_EQ(output.CountOf("[ERROR]"), 1u) << name << ": " << output.Text();
    EXPECT_EQ(root.asString(), "kept") << name;
  }
  CapturedLog output;
  ReadJsonFile(root, folder.File("broken.json"));
  EXPECT_TRUE(output.Contains("[ERROR] Error parsing json file: " + folder.File("broken.json") + "\nError: \n"));
  CapturedLog missing;
  ReadJsonFile(root, folder.File("missing.json"));
  EXPECT_EQ(missing.Text(), "[ERROR] Could not open json file: " + folder.File("missing.json") + "\n");
}

TEST(WriteJsonFile, WritesTheStyledLayoutAndReplacesTheWholeFile)
{
  TemporaryDirectory folder;
  folder.Write("out.json", std::string(5000, 'x'));
  Json::Value root;
  root["name"] = "crate";
  root["position"].append(1.5);
  root["position"].append(-2);
  CapturedLog output;
  EXPECT_TRUE(WriteJsonFile(root, folder.File("out.json")));
  EXPECT_EQ(folder.Read("out.json"), "{\n   \"name\" : \"crate\",\n   \"position\" : [ 1.5, -2 ]\n}\n");
  EXPECT_EQ(output.Text(), folder.File("out.json") + " saved.\n");
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), std::filesystem::directory_iterator()), 1);
}

TEST(WriteJsonFile, AFailedWriteIsReportedAndKeepsTheOldFile)
{
  TemporaryDirectory folder;
  Json::Value root;
  root["a"] = 1;
  CapturedLog output;
  EXPECT_FALSE(WriteJsonFile(root, folder.File("no/such/dir/out.json")));
  EXPECT_EQ(output.Text().rfind("[ERROR] Failed to open file " + folder.File("no/such/dir/out.json") +
                                    " for write. Its folder takes no new file: No such file or directory.",
                                0),
            0u)
      << output.Text();

  // Something that is not a regular file is never replaced, and the message says so.
  folder.Write("folder/inside.json", "{}");
  EXPECT_FALSE(WriteJsonFile(root, folder.File("folder")));
  EXPECT_EQ(folder.Read("folder/inside.json"), "{}");
  EXPECT_TRUE(output.Contains(" for write. It is a folder, not a file.\n"));
}

TEST(WriteJsonFile, AWriteThatFailsHalfwayKeepsTheOldFile)
{
  TemporaryDirectory folder;
  folder.Write("level.json", "old contents");
  // A file size limit makes the write fail partway, as a full disk would.
  const pid_t child = fork();
  if (child == 0)
  {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{1024, 1024};
    setrlimit(RLIMIT_FSIZE, &limit);
    std::cout.setstate(std::ios::badbit);
    _exit(WriteFileAtomically(std::string(100000, 'x'), folder.File("level.json")) ? 1 : 0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed write was reported as saved";
  EXPECT_EQ(folder.Read("level.json"), "old contents");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), std::filesystem::directory_iterator()), 1);
}

// Saves killed before their rename, names planted where the temporary file goes, permissions,
// links: the target ends with the old content or the new, and nothing else changes or stays.
TEST(WriteJsonFile, ASaveNeverWritesThroughAPlantedNameLeavesNoStaleFileAndKeepsModeAndLinks)
{
  TemporaryDirectory folder;
  folder.Write("victim.txt", "victim");
  folder.Write("real/GameSettings", "old");
  chmod(folder.File("real/GameSettings").c_str(), 0600);
  namespace fs = std::filesystem;
  fs::create_symlink(folder.File("real/GameSettings"), folder.File("GameSettings"));
  // A link at the name the temporary file once had, and what a killed save left: its writer is gone.
  fs::create_symlink(folder.File("victim.txt"), folder.File("real/GameSettings.tmp" + std::to_string(getpid())));
  const pid_t gone = fork();
  if (gone == 0)
    _exit(0);
  waitpid(gone, nullptr, 0);
  folder.Write("real/GameSettings.tmp" + std::to_string(gone) + "-Ab12Cd", std::string(100000, 'x'));
  // A person's files that only look like a killed save's: none is of the exact form a save makes.
  const std::string dead = std::to_string(gone);
  const std::vector<std::string> persons = {
      "GameSettings.tmp" + dead + "-my-notes", "GameSettings.tmp" + dead + "-Ab12C",
      "GameSettings.tmp" + dead + "-Ab12Cd7",  "GameSettings.tmp0" + dead + "-Ab12Cd",
      "GameSettings.tmp" + dead + "-Ab.2Cd",   "GameSettings.tmp99999999999999999999-Ab12Cd",
      "GameSettings.tmp" + dead + "-Zz99Yy"};
  for (std::size_t index = 0; index + 1 < persons.size(); ++index)
    folder.Write("real/" + persons[index], "mine");
  fs::create_symlink(folder.File("victim.txt"), folder.File("real/" + persons.back()));

  Json::Value root;
  root["volume"] = 0.45;
  CapturedLog output;
  ASSERT_TRUE(WriteJsonFile(root, folder.File("GameSettings"))) << output.Text();
  EXPECT_TRUE(fs::is_symlink(folder.File("GameSettings"))) << "saved through the link";
  EXPECT_EQ(folder.Read("real/GameSettings"), "{\n   \"volume\" : 0.45\n}\n");
  EXPECT_EQ(fs::status(folder.File("real/GameSettings")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(folder.Read("victim.txt"), "victim");
  EXPECT_FALSE(fs::exists(folder.File("real/GameSettings.tmp" + std::to_string(gone) + "-Ab12Cd")));
  for (const std::string& person : persons)
    EXPECT_TRUE(fs::exists(fs::symlink_status(folder.File("real/" + person)))) << person;
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.File("real")), fs::directory_iterator()),
            static_cast<std::ptrdiff_t>(2 + persons.size()))
      << "the target, the planted link and the person's files, nothing of this save";

  // A new file gets the mode any new file of the process gets, not the temporary file's 0600.
  const mode_t mask = umask(022);
  ASSERT_TRUE(WriteJsonFile(root, folder.File("fresh.json")));
  umask(mask);
  EXPECT_EQ(fs::status(folder.File("fresh.json")).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
}

// Whatever a save would change is refused on reading; what it writes, it writes as it was read,
// and always as a file the reader accepts. The refused texts are those of JSONTestSuite's
// must-reject files that jsoncpp parses, even in its strict mode, and a few more of their kind.
TEST(ReadJsonFile, WhatASaveWouldChangeIsRefusedAndWhatItKeepsKeepsItsText)
{
  const char* const refused[] = {
      "{ \"name\" : \"Caf\xE9 l\" }",             // not UTF-8
      "{ \"a\" : 1 } }",                           // text after the value
      "\xEF\xBB\xBF{}",                             // a byte order mark
      "{ \"a\" : 1 } // note",                      // comments
      "{ \"a\" : /* note */ 1 }",
      "{ \"a\" : 1 /",
      "[1,]", "[1,,]", "{ \"a\" : 1, }",             // trailing commas
      "[-]", "[-01]", "[01]", "[2.]", "[-2.]", "[2.e3]", "[0.e1]", "[.5]", "[-.5]", "[+1]", "[1e]",
      "[\"a\tb\"]", "[\"a\nb\"]", "[\"a\x01\"]",      // raw control characters
      "{ \"\\uDFAA\" : 0 }", "[\"\\uDADA\"]", "[\"\\uD888\\u1234\"]",  // lone surrogates
      "{ \"firstLevel\" : \"a\", \"firstLevel\" : \"b\" }",  // a member named twice
      "[1 2]", "[\"\\x\"]", "[NaN]", "[tru]", "",
  };
  TemporaryDirectory folder;
  Json::Value root("kept");
  for (const char* text : refused)
  {
    folder.Write("refused.json", text);
    CapturedLog output;
    EXPECT_FALSE(ReadJsonFile(root, folder.File("refused.json"))) << text;
    EXPECT_EQ(output.CountOf("[ERROR]"), 1u) << text;
    EXPECT_TRUE(output.Contains("[ERROR] Error parsing json file: ")) << text << output.Text();
    EXPECT_EQ(root.asString(), "kept");
  }
  CapturedLog where;
  folder.Write("comment.json", "{\n  \"a\" : 1, // why\n  \"b\" : 2\n}");
  ReadJsonFile(root, folder.File("comment.json"));
  EXPECT_TRUE(where.Contains("* Line 2, Column 12\n  comments are not part of JSON")) << where.Text();

  // Surrogate pairs, escaped controls and deep but allowed nesting are read, and written back
  // as they were read.
  folder.Write("pairs.json", "[ \"\\ud83d\\ude00\", \"\\u0001\\/\", -0, 0.5e-3, 1E+2 ]");
  ASSERT_TRUE(ReadJsonFile(root, folder.File("pairs.json")));
  EXPECT_EQ(root[0].asString(), "\xF0\x9F\x98\x80");
  folder.Write("deep.json", std::string(MaximumJsonDepth, '[') + std::string(MaximumJsonDepth, ']'));
  EXPECT_TRUE(ReadJsonFile(root, folder.File("deep.json")));
  // One more is the first depth refused.
  folder.Write("deeper.json", std::string(MaximumJsonDepth + 1, '[') + std::string(MaximumJsonDepth + 1, ']'));
  {
    CapturedLog output;
    EXPECT_FALSE(ReadJsonFile(root, folder.File("deeper.json")));
    EXPECT_TRUE(output.Contains("Column " + std::to_string(MaximumJsonDepth + 1) +
                                "\n  arrays and objects are nested more than " + std::to_string(MaximumJsonDepth) +
                                " deep"))
        << output.Text();
  }

  // Text that is not UTF-8 can still come from inside the program (a typed name): it is written
  // as the replacement character, never as bytes the reader then refuses.
  Json::Value made;
  made["name"] = std::string("bad \xED\xBE\xAA end");
  {
    CapturedLog output;
    ASSERT_TRUE(WriteJsonFile(made, folder.File("made.json")));
  }
  ASSERT_TRUE(ReadJsonFile(root, folder.File("made.json")));
  EXPECT_EQ(root["name"].asString(), "bad \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD end");

  const std::string saved = "{\n   \"ambient\" : [ 0.45, 1.0, 1e-05, 0.0001, 123456.75, -3 ],\n"
                            "   \"name\" : \"Caf\\u00e9 l\\n\",\n   \"scale\" : 0.3\n}\n";
  folder.Write("settings.json", saved);
  ASSERT_TRUE(ReadJsonFile(root, folder.File("settings.json")));
  CapturedLog output;
  ASSERT_TRUE(WriteJsonFile(root, folder.File("settings.json")));
  EXPECT_EQ(folder.Read("settings.json"), saved);
}

// Only regular files are read, up to a size (the reader's own, when it gives one): a pipe must not
// block the load for good, nor a link to a device be read until memory runs out. A request to end
// the program is not a bad file.
TEST(ReadJsonFile, ReadsOnlyRegularFilesOfBoundedSizeAlsoWhileTheProgramEnds)
{
  TemporaryDirectory folder;
  ASSERT_EQ(mkfifo(folder.File("pipe.json").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", folder.File("zero.json"));
  folder.Write("large.json", "[");
  std::filesystem::resize_file(folder.File("large.json"), MaximumDataFileSize + 1);
  folder.Write("small.json", "{}");
  const pid_t child = fork();
  if (child == 0)
  {
    alarm(20);  // a read that blocks ends the child, and the test fails instead of hanging
    std::cout.setstate(std::ios::badbit);
    Json::Value root;
    bool anyRead = false;
    for (const char* name : {"pipe.json", "zero.json", "large.json", "folder"})
      anyRead = ReadJsonFile(root, folder.File(name)) || anyRead;
    _exit(anyRead || !ReadWholeFile(folder.File("pipe.json")).empty() ? 1 : 0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status)) << "the read blocked or crashed";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "something that is not a small regular file was read";

  Json::Value root;
  CapturedLog output;
  EXPECT_FALSE(ReadJsonFile(root, folder.File("pipe.json")));
  EXPECT_FALSE(ReadJsonFile(root, folder.File("zero.json")));
  EXPECT_FALSE(ReadJsonFile(root, folder.File("large.json")));
  EXPECT_EQ(output.CountOf("[ERROR]"), 3u);
  EXPECT_TRUE(output.Contains("pipe.json. It is not a regular file (a pipe, a device or a socket).")) << output.Text();
  EXPECT_TRUE(output.Contains("large.json. It is larger than the")) << output.Text();
  std::string text;
  std::string problem;
  EXPECT_FALSE(ReadDataFile(folder.File("small.json"), text, problem, nullptr, 1));
  EXPECT_EQ(problem, "It is larger than the 1 bytes a data file may have.");

  TerminationSignal::Request();
  const bool readWhileEnding = ReadJsonFile(root, folder.File("small.json"));
  TerminationSignal::Clear();
  EXPECT_TRUE(readWhileEnding);
  EXPECT_EQ(output.CountOf("[ERROR]"), 3u) << output.Text();
}

// A save keeps what the file's owner set on it: a file made read-only stays as it is (also for
// root, whom the system lets write anything), its owner, group and extended attributes are kept,
// and a file with several names is not split into two.
TEST(WriteJsonFile, ASaveRespectsReadOnlyFilesOwnersAttributesAndHardLinks)
{
  namespace fs = std::filesystem;
  TemporaryDirectory folder;
  Json::Value root;
  root["firstLevel"] = "harbour";
  CapturedLog output;

  folder.Write("GameSettings", "{ \"firstLevel\" : \"splash\" }");
  chmod(folder.File("GameSettings").c_str(), 0444);
  EXPECT_FALSE(WriteJsonFile(root, folder.File("GameSettings")));
  EXPECT_TRUE(output.Contains("[ERROR] Failed to open file " + folder.File("GameSettings") +
                              " for write. It is read-only: its permissions allow no writing, so it was left as it is."))
      << output.Text();
  EXPECT_EQ(folder.Read("GameSettings"), "{ \"firstLevel\" : \"splash\" }");

  folder.Write("linked.json", "old");
  ASSERT_EQ(link(folder.File("linked.json").c_str(), folder.File("other-name.json").c_str()), 0);
  EXPECT_FALSE(WriteJsonFile(root, folder.File("linked.json")));
  EXPECT_TRUE(output.Contains("It has 2 names (hard links); saving would split them")) << output.Text();
  EXPECT_EQ(folder.Read("linked.json"), "old");
  EXPECT_EQ(fs::hard_link_count(folder.File("linked.json")), 2u);

  folder.Write("owned.json", "old");
  chmod(folder.File("owned.json").c_str(), 0664);
  const bool attributes = setxattr(folder.File("owned.json").c_str(), "user.note", "mine", 4, 0) == 0;
  const bool asRoot = geteuid() == 0;
  if (asRoot)
  {
    ASSERT_EQ(chown(folder.File("owned.json").c_str(), 4321, 8765), 0);
  }
  ASSERT_TRUE(WriteJsonFile(root, folder.File("owned.json"))) << output.Text();
  struct stat saved = {};
  ASSERT_EQ(stat(folder.File("owned.json").c_str(), &saved), 0);
  EXPECT_EQ(saved.st_mode & 07777, 0664u);
  if (asRoot)
  {
    EXPECT_EQ(saved.st_uid, 4321u);
    EXPECT_EQ(saved.st_gid, 8765u);
  }
  if (attributes)
  {
    char value[16] = {};
    EXPECT_EQ(getxattr(folder.File("owned.json").c_str(), "user.note", value, sizeof(value)), 4);
    EXPECT_STREQ(value, "mine");
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 4)
      << "no temporary file stays";
}

TEST(GetFilesInDirectory, JoinsTheDirectoryAsPassedWithSortedNames)
{
  TemporaryDirectory folder;
  folder.Write("z.prefab", "{}");
  folder.Write("a.prefab", "{}");
  folder.Write("only/sub.prefab", "{}");
  EXPECT_EQ(GetFilesInDirectory(folder.Prefix(), "*.prefab"),
            (std::vector<std::string>{folder.Prefix() + "a.prefab", folder.Prefix() + "z.prefab"}));
  EXPECT_TRUE(GetFilesInDirectory(folder.Prefix() + "only/../only/", "*.json").empty());
  EXPECT_TRUE(GetFilesInDirectory(folder.Prefix() + "missing/", "*.*").empty());
}

TEST(SplitString, KeepsNonEmptyPiecesWithTheirBlanks)
{
  using Pieces = std::vector<std::string>;
  EXPECT_EQ(SplitString("", ' '), Pieces{});
  EXPECT_EQ(SplitString("   ", ' '), Pieces{});
  EXPECT_EQ(SplitString("word", ' '), Pieces{"word"});
  EXPECT_EQ(SplitString(" a  b ", ' '), (Pieces{"a", "b"}));
  EXPECT_EQ(SplitString("player_idle = 0 0 32 32", '='), (Pieces{"player_idle ", " 0 0 32 32"}));
}

TEST(LerpColors, HitsTheStopsAndBlendsBetweenThem)
{
  const fColor red(1, 0, 0, 1), green(0, 1, 0, 0.5f), blue(0, 0, 1, 0);
  fColor out;
  LerpColors(red, green, blue, out, 1.0f);
  EXPECT_EQ(out, red);
  LerpColors(red, green, blue, out, 0.5f);
  EXPECT_EQ(out, green);
  LerpColors(red, green, blue, out, 0.0f);
  EXPECT_EQ(out, blue);
  LerpColors(red, green, blue, out, 0.75f);
  EXPECT_EQ(out, fColor(0.5f, 0.5f, 0, 0.75f));
}

TEST(LerpColors, HueIsBlendedAsAPlainNumber)
{
  // Two reds at the two ends of the hue circle: halfway between, the blend passes through cyan.
  fColor nearZero, nearOne;
  ImGui::ColorConvertHSVtoRGB(0.01f, 1, 1, nearZero.r, nearZero.g, nearZero.b);
  ImGui::ColorConvertHSVtoRGB(0.99f, 1, 1, nearOne.r, nearOne.g, nearOne.b);
  fColor out;
  LerpColorsInHSV(nearZero, nearZero, nearOne, out, 0.25f);
  EXPECT_LT(out.r, 0.1f);
  EXPECT_GT(out.g, 0.9f);
  EXPECT_GT(out.b, 0.9f);
}
