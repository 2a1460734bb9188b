#include "core/Log.h"

#include "core/FileUtilities.h"
#include "core/JsonFields.h"
#include "support/CapturedLog.h"
#include "support/CapturedOutput.h"

#include <gtest/gtest.h>

#include <limits>

TEST(LogTest, LinesReachTheSinkWholeWithTheirLevelAndCausesAreReportedOnce)
{
  {
    // Without a sink of its own, a line goes to standard output, where the console captures it.
    CapturedOutput output;
    LogError("Sound bank ", "Master.bank", " has ", 2, " problems");
    EXPECT_EQ(output.Text(), "[ERROR] Sound bank Master.bank has 2 problems\n");
  }
  CapturedLog log;
  LogWarning("low");
  LogLine("plain ", 1.5);
  Log(LogLevel::Error, "[ERROR]Quoted as it stands");
  for (int frame = 0; frame < 100; ++frame)
  {
    LogOnce("too large", LogLevel::Error, "Collider too large, frame ", frame);
    LogOnce("unknown Bogus", LogLevel::Warning, "Bogus");
  }
  const std::vector<std::pair<LogLevel, std::string>> expected{
      {LogLevel::Warning, "[WARNING] low"},          {LogLevel::Plain, "plain 1.5"},
      {LogLevel::Error, "[ERROR]Quoted as it stands"}, {LogLevel::Error, "[ERROR] Collider too large, frame 0"},
      {LogLevel::Warning, "[WARNING] Bogus"}};
  EXPECT_EQ(log.Lines(), expected);

  // A sink that logs from inside itself does not recurse.
  CapturedOutput output;
  const LogSink outer = SetLogSink([](LogLevel, const std::string& line) { LogLine("again: ", line); });
  LogLine("once");
  SetLogSink(outer);
  EXPECT_EQ(output.Text(), "again: once\n");
}

TEST(JsonFieldsTest, AFieldOfTheWrongKindIsReportedAndLeavesTheValueAsItWas)
{
  Json::Value object;
  ASSERT_TRUE(ParseJson(object, R"({"name": 5, "count": 2.5, "whole": 3.0, "flag": "yes", "huge": 1e300, "text": "ok",
                                  "nothing": null})",
                        "the test"));
  CapturedLog log;
  std::string text = "default";
  int count = 7;
  bool flag = true;
  float huge = 1.0f;
  EXPECT_FALSE(ReadField(object, "name", text, "the test", "it stays"));
  EXPECT_FALSE(ReadField(object, "count", count, "the test"));
  EXPECT_FALSE(ReadField(object, "flag", flag, "the test"));
  EXPECT_FALSE(ReadField(object, "huge", huge, "the test"));
  EXPECT_EQ(text, "default");
  EXPECT_EQ(count, 7);
  EXPECT_TRUE(flag);
  EXPECT_EQ(huge, 1.0f);
  EXPECT_EQ(log.Lines().front().second, "[ERROR] In the test, \"name\": expected a string; it stays.");
  EXPECT_EQ(log.Errors(), 4u);

  // Absent and null keep the default without a word; only a required field must be there.
  EXPECT_TRUE(ReadField(object, "absent", text, "the test"));
  EXPECT_TRUE(ReadField(object, "nothing", text, "the test"));
  EXPECT_TRUE(ReadField(Json::Value(3), "text", text, "the test"));
  EXPECT_EQ(log.Errors(), 4u);
  EXPECT_FALSE(ReadRequiredField(object, "absent", text, "the test", "refused"));
  EXPECT_TRUE(log.Contains("\"absent\": missing; refused."));
  EXPECT_TRUE(ReadRequiredField(object, "text", text, "the test", "refused"));
  EXPECT_TRUE(ReadField(object, "whole", count, "the test"));
  EXPECT_EQ(text, "ok");
  EXPECT_EQ(count, 3);
}
