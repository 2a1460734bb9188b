#include "render/Shader.h"

#include "core/Log.h"

namespace Graphics
{
namespace
{
constexpr GLsizei InfoLogLength = 2048;
unsigned linkFailures = 0;
const char* const LogFooter = "\n -- --------------------------------------------------- -- ";

GLuint CompileStage(GLenum stage, const char* source, const std::string& type)
{
  const GLuint object = glCreateShader(stage);
  glShaderSource(object, 1, &source, nullptr);
  glCompileShader(object);
  Shader::CheckConstructionCompilation(object, type);
  return object;
}
}  // namespace

Shader::Shader(const char* vertexSource, const char* fragmentSource)
{
  const GLuint vertex = CompileStage(GL_VERTEX_SHADER, vertexSource, "VERTEX");
  const GLuint fragment = CompileStage(GL_FRAGMENT_SHADER, fragmentSource, "FRAGMENT");
  program = glCreateProgram();
  glAttachShader(program, vertex);
  glAttachShader(program, fragment);
  glLinkProgram(program);
  // The program keeps what it needs of its stages.
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  linked = CheckConstructionCompilation(program, "PROGRAM");
}

Shader& Shader::Use()
{
  glUseProgram(program);
  return *this;
}

GLint Shader::GetUniformLocation(const char* name) const
{
  return glGetUniformLocation(program, name);
}

void Shader::SetInteger(const char* name, int value, bool useShader)
{
  if (useShader)
    Use();
  glUniform1i(glGetUniformLocation(program, name), value);
}

bool Shader::CheckConstructionCompilation(GLuint object, const std::string& type)
{
  GLint success = GL_FALSE;
  GLchar log[InfoLogLength] = {};
  if (type != "PROGRAM")
  {
    glGetShaderiv(object, GL_COMPILE_STATUS, &success);
    if (success != GL_TRUE)
    {
      glGetShaderInfoLog(object, InfoLogLength, nullptr, log);
      Log(LogLevel::Error, JoinLogParts("| ERROR::SHADER: Compile-time error: Type: ", type, "\n", log, LogFooter));
    }
    return success == GL_TRUE;
  }
  glGetProgramiv(object, GL_LINK_STATUS, &success);
  if (success != GL_TRUE)
  {
    glGetProgramInfoLog(object, InfoLogLength, nullptr, log);
    Log(LogLevel::Error, JoinLogParts("| ERROR::Shader: Link-time error: Type: ", type, "\n", log, LogFooter));
    ++linkFailures;
  }
  return success == GL_TRUE;
}

unsigned Shader::GetLinkFailures()
{
  return linkFailures;
}
}  // namespace Graphics
