#pragma once
// One linked GL program of a vertex and a fragment shader. Compile errors are printed and
// construction goes on to the link; a failed link is printed too and leaves a program that is not
// linked. Shaders are content, so that is bad input, not a programming error: whoever needs the
// program asks IsLinked (or the count of failed links) and stops in order.
#include <GL/glew.h>

#include <string>

namespace Graphics
{
class Shader
{
public:
  Shader(const char* vertexSource, const char* fragmentSource);
  Shader(const Shader&) = delete;
  Shader& operator=(const Shader&) = delete;

  Shader& Use();
  GLint GetUniformLocation(const char* name) const;
  void SetInteger(const char* name, int value, bool useShader);
  GLuint GetId() const { return program; }
  bool IsLinked() const { return linked; }

  // Prints a failed compile of a shader object ("VERTEX", "FRAGMENT") or a failed link of a
  // "PROGRAM". Returns whether the object compiled or linked.
  static bool CheckConstructionCompilation(GLuint object, const std::string& type);
  // How many programs have failed to link in this process; the renderer's set-up compares it
  // before and after to learn whether any of its programs, wherever made, is unusable.
  static unsigned GetLinkFailures();

private:
  GLuint program = 0;
  bool linked = false;
};
}  // namespace Graphics
