#include "render/LightPass.h"

#include "render/Graphics.h"
#include "render/InstanceBuffer.h"
#include "render/Layer.h"
#include "render/LightInstance.h"
#include "render/ResourceManagerTwo.h"
#include "render/Shader.h"
#include "render/Texture.h"

#include <glm/gtc/type_ptr.hpp>  // Required for: glm::value_ptr

#include <cstddef>

namespace Graphics
{
namespace
{
void InstanceAttribute(GLuint index, std::size_t offset)
{
  glEnableVertexAttribArray(index);
  glVertexAttribPointer(index, 4, GL_FLOAT, GL_FALSE, sizeof(LightInstance), reinterpret_cast<const void*>(offset));
  glVertexAttribDivisor(index, 1);
}
}  // namespace

LightPass::LightPass() : Pass(Order)
{
  maskShader = ResourceManagerTwo::LoadShader("Assets\\Shaders\\LightMask.vs", "Assets\\Shaders\\LightMask.frag",
                                              "LightMaskShader");
  lightShader = ResourceManagerTwo::LoadShader("Assets\\Shaders\\Light.vs", "Assets\\Shaders\\Light.frag", "LightShader");
  lightTexture = std::make_unique<Texture>();

  const float corners[] = {0.5f, -0.5f, 0.5f, 0.5f, -0.5f, -0.5f, 0.5f, 0.5f, -0.5f, 0.5f, -0.5f, -0.5f};
  glGenVertexArrays(1, &vertexArray);
  glBindVertexArray(vertexArray);
  glGenBuffers(1, &quadBuffer);
  glGenBuffers(1, &instanceBuffer);
  glBindBuffer(GL_ARRAY_BUFFER, quadBuffer);
  glBufferData(GL_ARRAY_BUFFER, sizeof(corners), corners, GL_STATIC_DRAW);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 2 * sizeof(float), nullptr);
  glVertexAttribDivisor(0, 0);

  glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer);
  for (GLuint row = 0; row < 4; ++row)
    InstanceAttribute(1 + row, offsetof(LightInstance, model) + row * 4 * sizeof(float));
  InstanceAttribute(5, offsetof(LightInstance, color));
  InstanceAttribute(6, offsetof(LightInstance, c));
  InstanceAttribute(7, offsetof(LightInstance, spare));
  // The type stays an integer all the way into the shader.
  glEnableVertexAttribArray(8);
  glVertexAttribIPointer(8, 1, GL_UNSIGNED_INT, sizeof(LightInstance),
                         reinterpret_cast<const void*>(offsetof(LightInstance, type)));
  glVertexAttribDivisor(8, 1);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glBindVertexArray(0);

  if (maskShader != nullptr)
  {
    maskShader->Use();
    ambienceLocation = maskShader->GetUniformLocation("ambience");
    projectionLocation = maskShader->GetUniformLocation("projection");
    glUseProgram(0);
  }
}

LightPass::~LightPass()
{
  // The two programs belong to the resource manager.
  glDeleteVertexArrays(1, &vertexArray);
  glDeleteBuffers(1, &quadBuffer);
  glDeleteBuffers(1, &instanceBuffer);
  lightTexture.reset();
}

void LightPass::Prepare(Layer* layer, InstanceBuffer* buffer)
{
  maskReady = true;
  const float ambient = layer->ambient;
  glClearColor(ambient, ambient, ambient, 1.0f);
  Graphics::ClearTexture(lightTexture.get());

  glBindVertexArray(vertexArray);
  glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer);
  const std::uint32_t count = buffer->Count();
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(buffer->ElementSize()) * count, buffer->Data(), GL_STREAM_DRAW);

  maskShader->Use();
  glUniform1f(ambienceLocation, ambient);
  // The mask shader multiplies the point from the left, so it takes the projection transposed.
  glUniformMatrix4fv(projectionLocation, 1, GL_TRUE, glm::value_ptr(renderer->projection));

  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ONE);
  glDisable(GL_DEPTH_TEST);
  if (count > 0)
    glDrawArraysInstanced(GL_TRIANGLES, 0, 6, static_cast<GLsizei>(count));
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glBindVertexArray(0);
}

void LightPass::Render(Texture*, Texture* target, Layer* layer, InstanceBuffer* buffer)
{
  if (!maskReady)
    Prepare(layer, buffer);
  maskReady = false;
  // Multiplies the layer by the light texture.
  glEnable(GL_BLEND);
  glBlendFunc(GL_DST_COLOR, GL_ZERO);
  renderer->BlendTexture(lightTexture.get(), target);
  buffer->Clear();
}
}  // namespace Graphics
