#include "platform/Assert.h"
#include "platform/DirectoryListing.h"
#include "platform/Random.h"
#include "platform/TerminationSignal.h"

#include "support/CapturedOutput.h"
#include "support/RecordingAssertHandler.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(Assert, TextNamesLineFunctionAndBareFileThenTheMessage)
{
  EXPECT_EQ(FormatAssertText("Bad thing", 12, "C:\\work\\source\\Pool.cpp", "Pool::Allocate"),
            "Assertion failed at line 12 in function: Pool::Allocate\nIn file: Pool.cpp.\n\nBad thing");
  EXPECT_EQ(FormatAssertText("", 3, "src/core/Pool.cpp", "f"), "Assertion failed at line 3 in function: f\nIn file: Pool.cpp.\n\n");
  EXPECT_EQ(FormatAssertText("m", 1, "Pool.cpp", "f"), "Assertion failed at line 1 in function: f\nIn file: Pool.cpp.\n\nm");
}

TEST(Assert, CompilerSignaturesReduceToQualifiedNames)
{
  EXPECT_EQ(QualifiedFunctionName("void BearController::OnAwake()"), "BearController::OnAwake");
  EXPECT_EQ(QualifiedFunctionName("static T* MemoryManager::New(SiteTag, Args&& ...) [with T = Foo; Args = {int}]"),
            "MemoryManager::New");
  EXPECT_EQ(QualifiedFunctionName("std::uint32_t BlockHeader::RemoveHandle(const HandleSite&)"), "BlockHeader::RemoveHandle");
  EXPECT_EQ(QualifiedFunctionName("Listener::Listener(uint32_t)"), "Listener::Listener");
  EXPECT_EQ(QualifiedFunctionName("bool Foo<std::map<int, int> >::operator()(int) const"),
            "Foo<std::map<int, int> >::operator()");
  EXPECT_EQ(QualifiedFunctionName("main"), "main");
}

TEST(Assert, ChecksGoThroughTheInstalledHandlerAndWriteNothingToStandardOutput)
{
  CapturedOutput output;
  RecordingAssertHandler checks;
  BRINDLE_CHECK(1 + 1 == 3, "arithmetic is broken");
  BRINDLE_CHECK(true, "never shown");
  ASSERT_EQ(checks.Count(), 1u);
  EXPECT_EQ(checks.Reports()[0].message, "arithmetic is broken");
  EXPECT_EQ(checks.Reports()[0].file, "AssertTest.cpp");
  EXPECT_EQ(checks.Reports()[0].function, "Assert_ChecksGoThroughTheInstalledHandlerAndWriteNothingToStandardOutput_Test::TestBody");
  EXPECT_EQ(output.Text(), "");
}

TEST(Assert, FatalChecksCanBeCaughtInTests)
{
  RecordingAssertHandler checks;
  SetFatalChecksThrow(true);
  EXPECT_THROW(BRINDLE_FATAL_CHECK(false, "cannot go on"), FatalCheckException);
  SetFatalChecksThrow(false);
  EXPECT_TRUE(checks.Saw("cannot go on"));
}

TEST(Random, FollowsTheFifteenBitSequenceAndResets)
{
  ResetRandom();
  // The first values of the classic generator from state 1.
  EXPECT_EQ(Random(), 41);
  EXPECT_EQ(Random(), 18467);
  EXPECT_EQ(Random(), 6334);
  ResetRandom();
  EXPECT_EQ(Random(), 41);
  for (int i = 0; i < 10000; ++i)
  {
    const int value = Random();
    ASSERT_GE(value, 0);
    ASSERT_LE(value, RandomMaximum);
  }
}

TEST(DirectoryListing, ListsMatchingFilesByNameAndSkipsFolders)
{
  TemporaryDirectory folder;
  folder.Write("b.prefab", "{}");
  folder.Write("a.prefab", "{}");
  folder.Write("notes.txt", "x");
  folder.Write("sub.prefab/inner.prefab", "{}");
  EXPECT_EQ(ListFilesMatching(folder.Prefix(), "*.prefab"), (std::vector<std::string>{"a.prefab", "b.prefab"}));
  EXPECT_EQ(ListFilesMatching(folder.Prefix(), "*.*").size(), 3u);
  EXPECT_TRUE(ListFilesMatching(folder.File("missing"), "*.*").empty());
}

// On a person's desktop: a check the program goes on after never opens a box, and while the box
// of a fatal check is up, a terminate signal still ends the program.
TEST(Assert, OnADesktopOnlyAFatalCheckShowsABoxAndATerminateSignalStillEndsIt)
{
  if (std::getenv("DISPLAY") == nullptr)
    GTEST_SKIP() << "no display for the box";
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  const pid_t child = fork();
  if (child == 0)
  {
    close(pipeEnds[0]);
    unsetenv("CI");
    TerminationSignal::Install();
    SetAssertHandler({});
    BRINDLE_CHECK(false, "bad data, and the game goes on");
    const char went = 'x';
    if (write(pipeEnds[1], &went, 1) != 1)
      _exit(3);
    BRINDLE_FATAL_CHECK(false, "the game cannot go on");
    _exit(4);
  }
  close(pipeEnds[1]);
  pollfd ready{pipeEnds[0], POLLIN, 0};
  char went = 0;
  const bool wentOn = poll(&ready, 1, 10000) == 1 && read(pipeEnds[0], &went, 1) == 1;
  close(pipeEnds[0]);
  int status = 0;
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  const bool boxUp = waitpid(child, &status, WNOHANG) == 0;
  kill(child, SIGTERM);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  pid_t ended = 0;
  while ((ended = waitpid(child, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  if (ended == 0)
  {
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
  }
  EXPECT_TRUE(wentOn) << "the check the program goes on after did not block";
  EXPECT_TRUE(boxUp) << "the fatal check waits in its box";
  EXPECT_NE(ended, 0) << "the terminate signal ended the program";
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
}
