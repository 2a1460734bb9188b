// The committed content is what the scripts in tools/ write. tools/make_content.py --check runs
// every one of them into a temporary folder and compares the result with the checkout, naming each
// file that differs, is missing or that no script writes, and the script that writes it. A hand
// edit of a generated file fails here until it is made in its script.
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
  const auto script = TestWorkingFolder::SourceAssets().parent_path() / "tools" / "make_content.py";
  const CommandResult check = RunCommand("python3 '" + script.string() + "' --check");
  EXPECT_EQ(check.exitCode, 0) << check.output;
}
