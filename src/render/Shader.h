#pragma once
// One linked GL program of a vertex and a fragment shader. Compile errors are printed and
// construction goes on to the link; a failed link is fatal, since nothing can draw without it.
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

  // Prints a failed compile of a shader object ("VERTEX", "FRAGMENT") or, for "PROGRAM", stops
  // on a failed link. Returns whether the object compiled or linked.
  static bool CheckConstructionCompilation(GLuint object, const std::string& type);

private:
  GLuint program = 0;
};
}  // namespace Graphics
