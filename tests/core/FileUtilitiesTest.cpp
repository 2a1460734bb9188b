#include "core/FileUtilities.h"

#include "support/CapturedOutput.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>
#include <imgui.h>

#include <filesystem>
#include <csignal>
#include <sys/resource.h>
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
    CapturedOutput output;
    EXPECT_FALSE(ReadJsonFile(root, folder.File(name))) << name;
    EXPECT_EQ(output.CountOf("[ERROR]"), 1u) << name << ": " << output.Text();
    EXPECT_EQ(root.asString(), "kept") << name;
  }
  CapturedOutput output;
  ReadJsonFile(root, folder.File("broken.json"));
  EXPECT_TRUE(output.Contains("[ERROR] Error parsing json file: " + folder.File("broken.json") + "\nError: \n"));
  CapturedOutput missing;
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
  CapturedOutput output;
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
  CapturedOutput output;
  EXPECT_FALSE(WriteJsonFile(root, folder.File("no/such/dir/out.json")));
  EXPECT_EQ(output.Text(), "[ERROR] Failed to open file " + folder.File("no/such/dir/out.json") + " for write.\n");

  // Something that is not a regular file is never replaced.
  folder.Write("folder/inside.json", "{}");
  EXPECT_FALSE(WriteJsonFile(root, folder.File("folder")));
  EXPECT_EQ(folder.Read("folder/inside.json"), "{}");
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
