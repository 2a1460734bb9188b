#pragma once
// Every test program works in a folder of its own under the system's temporary folder, holding
// the game's Assets (copies of what the game may save, links to what it only reads), so that
// nothing a test writes (settings, imgui.ini, crash.dmp, saved levels) can reach the checkout. Set up once per program before the first test; the folder goes
// when the program ends.
#include <gtest/gtest.h>

#include <filesystem>

class TestWorkingFolder : public ::testing::Environment
{
public:
  void SetUp() override;
  void TearDown() override;

  // The checkout's own Assets, for the rare test that compares against them.
  static std::filesystem::path SourceAssets();

private:
  std::filesystem::path previous;
  std::filesystem::path folder;  // empty when the folder is a parent's
};
