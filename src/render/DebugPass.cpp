#include "render/DebugPass.h"

#include "render/DebugInstance.h"
#include "render/Graphics.h"
#include "render/InstanceBuffer.h"
#include "render/ResourceManagerTwo.h"
#include "render/Shader.h"
#include "render/Texture.h"

#include <glm/gtc/type_ptr.hpp>  // Required for: glm::value_ptr

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace Graphics
{
namespace
{
constexpr float Pi = 3.14159265358979f;

void SetInstanceAttributes(std::size_t byteOffset)
{
  for (GLuint row = 0; row < 4; ++row)
  {
    glEnableVertexAttribArray(1 + row);
    glVertexAttribPointer(1 + row, 4, GL_FLOAT, GL_FALSE, sizeof(DebugInstance),
                          reinterpret_cast<const void*>(byteOffset + offsetof(DebugInstance, model) + row * 4 * sizeof(float)));
    glVertexAttribDivisor(1 + row, 1);
  }
  glEnableVertexAttribArray(5);
  glVertexAttribPointer(5, 4, GL_FLOAT, GL_FALSE, sizeof(DebugInstance),
                        reinterpret_cast<const void*>(byteOffset + offsetof(DebugInstance, color)));
  glVertexAttribDivisor(5, 1);
}
}  // namespace

DebugPass::DebugPass() : Pass(Order)
{
  glGenBuffers(1, &instanceBuffer);
  const float box[BoxVertices * 2] = {-0.5f, -0.5f, -0.5f, 0.5f, 0.5f, 0.5f, 0.5f, -0.5f, -0.5f, -0.5f, 0.5f, 0.5f};
  float circle[CircleVertices * 2];
  for (int i = 0; i < CircleVertices; ++i)
  {
    circle[i * 2] = 0.5f * std::cos(static_cast<float>(i) * Pi / 16.0f);
    circle[i * 2 + 1] = 0.5f * std::sin(static_cast<float>(i) * Pi / 16.0f);
  }
  const float line[LineVertices * 2] = {0, 0, 1, 0};
  boxArray = MakeShapeArray(box, BoxVertices, boxBuffer);
  circleArray = MakeShapeArray(circle, CircleVertices, circleBuffer);
  lineArray = MakeShapeArray(line, LineVertices, lineBuffer);

  debugShader = ResourceManagerTwo::LoadShader("Assets\\Shaders\\debug.vs", "Assets\\Shaders\\debug.frag", "debugShader");
  lineShader = ResourceManagerTwo::LoadShader("Assets\\Shaders\\lineDebug.vs", "Assets\\Shaders\\lineDebug.frag", "lineDebug");
  if (debugShader != nullptr)
    debugProjectionLocation = debugShader->Use().GetUniformLocation("projection");
  if (lineShader != nullptr)
    lineProjectionLocation = lineShader->Use().GetUniformLocation("projection");
  glUseProgram(0);
  hasBaseInstance = GLEW_VERSION_4_2 || GLEW_ARB_base_instance;
}

DebugPass::~DebugPass()
{
  glDeleteVertexArrays(1, &lineArray);
  glDeleteVertexArrays(1, &boxArray);
  glDeleteVertexArrays(1, &circleArray);
  glDeleteBuffers(1, &instanceBuffer);
  glDeleteBuffers(1, &lineBuffer);
  glDeleteBuffers(1, &boxBuffer);
  glDeleteBuffers(1, &circleBuffer);
}

GLuint DebugPass::MakeShapeArray(const float* vertices, int vertexCount, GLuint& shapeBuffer)
{
  GLuint shapeArray = 0;
  glGenVertexArrays(1, &shapeArray);
  glBindVertexArray(shapeArray);
  glGenBuffers(1, &shapeBuffer);
  glBindBuffer(GL_ARRAY_BUFFER, shapeBuffer);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertexCount * 2 * sizeof(float)), vertices, GL_STATIC_DRAW);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 2 * sizeof(float), nullptr);
  glVertexAttribDivisor(0, 0);
  glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer);
  SetInstanceAttributes(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glBindVertexArray(0);
  return shapeArray;
}

void DebugPass::PointInstances(GLuint shapeArray, std::uint32_t firstInstance) const
{
  glBindVertexArray(shapeArray);
  glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer);
  SetInstanceAttributes(static_cast<std::size_t>(firstInstance) * sizeof(DebugInstance));
}

void DebugPass::DrawShape(GLuint shapeArray, GLenum mode, int vertexCount, std::uint32_t count, std::uint32_t first) const
{
  if (hasBaseInstance)
  {
    glBindVertexArray(shapeArray);
    glDrawArraysInstancedBaseInstance(mode, 0, vertexCount, static_cast<GLsizei>(count), first);
    return;
  }
  PointInstances(shapeArray, first);
  glDrawArraysInstanced(mode, 0, vertexCount, static_cast<GLsizei>(count));
  PointInstances(shapeArray, 0);
}

void DebugPass::Render(Texture*, Texture* target, Layer*, InstanceBuffer* buffer)
{
  target->BindAsTarget();

  const std::uint32_t count = buffer->Count();
  auto* records = static_cast<DebugInstance*>(buffer->Data());
  std::uint32_t counts[3] = {0, 0, 0};
  if (count > 0)
  {
    std::sort(records, records + count, [](const DebugInstance& a, const DebugInstance& b) { return a.kind < b.kind; });
    for (std::uint32_t i = 0; i < count; ++i)
      if (records[i].kind >= DebugLine && records[i].kind <= DebugBox)
        ++counts[records[i].kind];
  }
  glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(count) * static_cast<GLsizeiptr>(sizeof(DebugInstance)), records,
               GL_STREAM_DRAW);

  // The light passes before this one leave their own blending behind, which would multiply the
  // shapes away on a transparent layer.
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  const float* projection = glm::value_ptr(renderer->projection);
  debugShader->Use();
  glUniformMatrix4fv(debugProjectionLocation, 1, GL_FALSE, projection);
  DrawShape(lineArray, GL_LINES, LineVertices, counts[DebugLine], 0);
  debugShader->Use();
  glUniformMatrix4fv(debugProjectionLocation, 1, GL_FALSE, projection);
  DrawShape(circleArray, GL_LINE_STRIP, CircleVertices, counts[DebugCircle], counts[DebugLine]);
  DrawShape(boxArray, GL_LINE_STRIP, BoxVertices, counts[DebugBox], counts[DebugLine] + counts[DebugCircle]);

  buffer->Clear();
  glBindVertexArray(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glUseProgram(0);
}
}  // namespace Graphics
