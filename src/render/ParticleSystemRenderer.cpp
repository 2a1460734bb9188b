#include "render/ParticleSystemRenderer.h"

#include "object/Space.h"
#include "render/Graphics.h"
#include "render/InstanceBuffer.h"
#include "render/ParticleSystem.h"
#include "render/ResourceManagerTwo.h"
#include "render/Shader.h"
#include "render/Texture.h"
#include "render/UnitQuad.h"

#include <glm/gtc/type_ptr.hpp>  // Required for: glm::value_ptr

#include <cstddef>

namespace Graphics
{
namespace
{
void ParticleAttribute(GLuint index, std::size_t offset)
{
  glEnableVertexAttribArray(index);
  glVertexAttribPointer(index, 4, GL_FLOAT, GL_FALSE, sizeof(Particle), reinterpret_cast<const void*>(offset));
  glVertexAttribDivisor(index, 1);
}
}  // namespace

ParticleSystemRenderer::ParticleSystemRenderer(Texture* atlasTexture) : Pass(Order), atlas(atlasTexture)
{
  CreateUnitQuad(vertexArray, quadBuffer);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 2 * sizeof(float), nullptr);
  glVertexAttribDivisor(0, 0);

  glGenBuffers(1, &instanceBuffer);
  glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer);
  ParticleAttribute(1, offsetof(Particle, life));
  ParticleAttribute(2, offsetof(Particle, color));
  ParticleAttribute(3, offsetof(Particle, position));
  glBindVertexArray(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);

  shader = ResourceManagerTwo::LoadShader("Assets\\Shaders\\particleShader.vs", "Assets\\Shaders\\particleShader.frag",
                                          "particleShader");
  if (shader != nullptr)
  {
    projectionLocation = shader->GetUniformLocation("projection");
    atlasLocation = shader->GetUniformLocation("atlas");
    uvCoordinatesLocation = shader->GetUniformLocation("uv_coords");
    cameraLocation = shader->GetUniformLocation("camera");
    worldPositionLocation = shader->GetUniformLocation("world_pos");
  }
}

ParticleSystemRenderer::~ParticleSystemRenderer()
{
  // The program and the atlas belong to the resource manager.
  glDeleteVertexArrays(1, &vertexArray);
  glDeleteBuffers(1, &quadBuffer);
  glDeleteBuffers(1, &instanceBuffer);
}

void ParticleSystemRenderer::BlendFactors(int blendMode, GLenum& source, GLenum& destination)
{
  switch (blendMode)
  {
    case 1:
      source = GL_DST_COLOR;
      destination = GL_ZERO;
      break;
    case 2:
      source = GL_ONE;
      destination = GL_ONE;
      break;
    default:
      source = GL_SRC_ALPHA;
      destination = GL_ONE_MINUS_SRC_ALPHA;
      break;
  }
}

bool ParticleSystemRenderer::AppendContent(const InstanceBuffer& buffer, const Layer&, std::vector<unsigned char>& content)
{
  const std::uint32_t version = atlas != nullptr ? atlas->GetVersion() : 0;
  Append(content, &version, sizeof(version));
  auto* const* systems = static_cast<ParticleSystem* const*>(buffer.Data());
  for (std::uint32_t i = 0; i < buffer.Count(); ++i)
  {
    const ParticleSystem& system = *systems[i];
    system.CopyLive(live);
    if (live.empty())
      continue;
    const glm::vec2 worldPosition = system.inWorldSpace ? glm::vec2(0.0f, 0.0f) : system.GetEmitterPosition();
    const CameraView* camera = renderer->GetSpaceCamera(system.GetDrawnSpace());
    const glm::mat3 view = camera != nullptr ? camera->ToCameraSpace() : glm::mat3(1.0f);
    Append(content, &system.blendMode, sizeof(system.blendMode));
    Append(content, &worldPosition, sizeof(worldPosition));
    Append(content, system.GetTextureRect(), 4 * sizeof(float));
    Append(content, &view, sizeof(view));
    const auto count = static_cast<std::uint32_t>(live.size());
    Append(content, &count, sizeof(count));
    Append(content, live.data(), live.size() * sizeof(Particle));
  }
  return true;
}

void ParticleSystemRenderer::Render(Texture*, Texture* target, Layer*, InstanceBuffer* buffer)
{
  const std::uint32_t count = buffer->Count();
  if (count == 0 || shader == nullptr)
    return;
  shader->Use();
  Texture::Activate(GL_TEXTURE0);
  if (atlas != nullptr)
    atlas->Bind();
  glUniformMatrix4fv(projectionLocation, 1, GL_FALSE, glm::value_ptr(renderer->projection));
  glUniform1i(atlasLocation, 0);

  target->BindAsTarget();
  glDisable(GL_DEPTH_TEST);
  // The renderer switches blending off once the layers are combined, so a layer whose first pass
  // this is would otherwise draw its particles unblended.
  glEnable(GL_BLEND);

  auto* const* systems = static_cast<ParticleSystem* const*>(buffer->Data());
  for (std::uint32_t i = 0; i < count; ++i)
  {
    const ParticleSystem& system = *systems[i];
    GLenum source = GL_SRC_ALPHA;
    GLenum destination = GL_ONE_MINUS_SRC_ALPHA;
    BlendFactors(system.blendMode, source, destination);
    glBlendFunc(source, destination);

    const glm::vec2 worldPosition = system.inWorldSpace ? glm::vec2(0.0f, 0.0f) : system.GetEmitterPosition();
    glUniform2f(worldPositionLocation, worldPosition.x, worldPosition.y);
    glUniform4fv(uvCoordinatesLocation, 1, system.GetTextureRect());
    const CameraView* camera = renderer->GetSpaceCamera(system.GetDrawnSpace());
    const glm::mat4 view = Graphics::ToMat4(camera != nullptr ? camera->ToCameraSpace() : glm::mat3(1.0f));
    glUniformMatrix4fv(cameraLocation, 1, GL_FALSE, glm::value_ptr(view));

    // Only the live particles: a free slot would be shaded and blended for nothing, and under the
    // multiplying blend its zero colour would blacken what lies beneath.
    system.CopyLive(live);
    if (live.empty())
      continue;
    glBindVertexArray(vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, instanceBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(live.size() * sizeof(Particle)), live.data(), GL_STREAM_DRAW);
    glDrawArraysInstanced(GL_TRIANGLES, 0, 6, static_cast<GLsizei>(live.size()));
  }
  glBindVertexArray(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  buffer->Clear();
}
}  // namespace Graphics
