#pragma once
// Draws the debug outlines of a layer (lines, circles, boxes) with one upload and three instanced
// draws, one per shape.
#include "render/Pass.h"

#include <GL/glew.h>

#include <memory>

namespace Graphics
{
class Shader;

class DebugPass : public Pass
{
public:
  static constexpr float Order = 0.0f;
  static constexpr int LineVertices = 2;
  static constexpr int BoxVertices = 6;
  static constexpr int CircleVertices = 33;

  DebugPass();
  ~DebugPass() override;

  void Render(Texture* screen, Texture* target, Layer* layer, InstanceBuffer* buffer) override;
  bool AppendContent(const InstanceBuffer& buffer, const Layer&, std::vector<unsigned char>& content) override
  {
    AppendRecords(content, buffer);
    return true;
  }

  // Base-instance draws need OpenGL 4.2 or its extension; without them the pass points the
  // instance attributes at each shape's first record instead. Tests turn them off to cover that.
  bool UsesBaseInstance() const { return hasBaseInstance; }
  void SetUseBaseInstance(bool use) { hasBaseInstance = use && (GLEW_VERSION_4_2 || GLEW_ARB_base_instance); }

private:
  GLuint MakeShapeArray(const float* vertices, int vertexCount, GLuint& shapeBuffer);
  // Points the per-instance attributes of a shape's array at the record `firstInstance`, for
  // drivers without base-instance draws.
  void PointInstances(GLuint shapeArray, std::uint32_t firstInstance) const;
  void DrawShape(GLuint shapeArray, GLenum mode, int vertexCount, std::uint32_t count, std::uint32_t first) const;

  GLuint instanceBuffer = 0;
  GLuint lineBuffer = 0;
  GLuint boxBuffer = 0;
  GLuint circleBuffer = 0;
  GLuint lineArray = 0;
  GLuint boxArray = 0;
  GLuint circleArray = 0;
  Shader* debugShader = nullptr;
  Shader* lineShader = nullptr;
  GLint debugProjectionLocation = -1;
  GLint lineProjectionLocation = -1;
  bool hasBaseInstance = false;
};
}  // namespace Graphics
