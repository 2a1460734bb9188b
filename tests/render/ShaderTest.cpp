#include "render/Shader.h"

#include "support/CapturedLog.h"
#include "support/HeadlessGl.h"
#include "support/RecordingAssertHandler.h"
#include "core/FileUtilities.h"
#include "render/GlResourceFixture.h"
#include "render/ResourceManagerTwo.h"

#include <gtest/gtest.h>

namespace
{
const char* const PlainVertex = "#version 410 core\nlayout(location = 0) in vec2 p;\nvoid main() { gl_Position = vec4(p, 0.0, 1.0); }\n";
const char* const PlainFragment = "#version 410 core\nout vec4 c;\nvoid main() { c = vec4(1.0); }\n";

class ShaderTest : public GlResourceFixture
{
};
}  // namespace

TEST_F(ShaderTest, EveryShaderOfTheGameCompilesAndLinks)
{
  const char* const names[] = {"newScreen", "TexBlend", "debug", "lineDebug", "atlass", "LightMask", "Light", "particleShader"};
  CapturedLog output;
  RecordingAssertHandler checks;
  for (const char* name : names)
  {
    const std::string base = std::string("Assets/Shaders/") + name;
    const std::string vertex = ReadWholeFile(base + ".vs");
    const std::string fragment = ReadWholeFile(base + ".frag");
    ASSERT_FALSE(vertex.empty()) << base;
    ASSERT_FALSE(fragment.empty()) << base;
    Graphics::Shader shader(vertex.c_str(), fragment.c_str());
    EXPECT_NE(shader.GetId(), 0u) << name;
  }
  EXPECT_FALSE(output.Contains("ERROR")) << output.Text();
  EXPECT_EQ(checks.Count(), 0u);
}

TEST_F(ShaderTest, ProgramsFindTheUniformsTheirPassesSet)
{
  Graphics::Shader atlas(ReadWholeFile("Assets/Shaders/atlass.vs").c_str(), ReadWholeFile("Assets/Shaders/atlass.frag").c_str());
  EXPECT_GE(atlas.GetUniformLocation("atlass"), 0);
  EXPECT_GE(atlas.GetUniformLocation("projection"), 0);
  EXPECT_EQ(atlas.GetUniformLocation("no such uniform"), -1);
  Graphics::Shader particles(ReadWholeFile("Assets/Shaders/particleShader.vs").c_str(),
                             ReadWholeFile("Assets/Shaders/particleShader.frag").c_str());
  for (const char* name : {"projection", "atlas", "uv_coords", "camera", "world_pos"})
    EXPECT_GE(particles.GetUniformLocation(name), 0) << name;
  Graphics::Shader mask(ReadWholeFile("Assets/Shaders/LightMask.vs").c_str(), ReadWholeFile("Assets/Shaders/LightMask.frag").c_str());
  EXPECT_GE(mask.GetUniformLocation("projection"), 0);
  EXPECT_GE(mask.GetUniformLocation("ambience"), 0);
}

TEST_F(ShaderTest, AVertexSyntaxErrorIsPrintedOnceAndLeavesTheProgramUnlinked)
{
  CapturedLog output;
  RecordingAssertHandler checks;
  const unsigned failures = Graphics::Shader::GetLinkFailures();
  Graphics::Shader shader("#version 410 core\nvoid main() { gl_Position = vec4(1.0) }\n", PlainFragment);
  EXPECT_FALSE(shader.IsLinked());
  EXPECT_EQ(output.CountOf("| ERROR::SHADER: Compile-time error: Type: VERTEX\n"), 1u) << output.Text();
  EXPECT_EQ(output.CountOf("Type: FRAGMENT"), 0u);
  EXPECT_TRUE(output.Contains("| ERROR::Shader: Link-time error: Type: PROGRAM"));
  EXPECT_EQ(Graphics::Shader::GetLinkFailures(), failures + 1);
  EXPECT_EQ(checks.Count(), 0u) << "bad content, not a programming error";
}

TEST_F(ShaderTest, StagesThatCompileButDoNotLinkAreReportedByTheLinkCheck)
{
  CapturedLog output;
  RecordingAssertHandler checks;
  const unsigned failures = Graphics::Shader::GetLinkFailures();
  // A stage without main compiles; only the link finds it missing.
  const char* const vertexWithoutMain = "#version 410 core\nvoid helper() {}\n";
  Graphics::Shader shader(vertexWithoutMain, PlainFragment);
  EXPECT_FALSE(shader.IsLinked());
  EXPECT_FALSE(output.Contains("Compile-time error"));
  EXPECT_TRUE(output.Contains("| ERROR::Shader: Link-time error: Type: PROGRAM"));
  EXPECT_EQ(Graphics::Shader::GetLinkFailures(), failures + 1);
  EXPECT_EQ(checks.Count(), 0u);
  EXPECT_TRUE(Graphics::Shader(PlainVertex, PlainFragment).IsLinked());
}

TEST_F(ShaderTest, SetIntegerReachesTheProgramItMadeCurrent)
{
  Graphics::Shader shader(PlainVertex,
                          "#version 410 core\nuniform int level;\nout vec4 c;\nvoid main() { c = vec4(float(level)); }\n");
  shader.SetInteger("level", 7, true);
  GLint value = 0;
  glGetUniformiv(shader.GetId(), shader.GetUniformLocation("level"), &value);
  EXPECT_EQ(value, 7);
}
