#include "render/LightPolygonPass.h"

#include "render/Graphics.h"
#include "render/InstanceBuffer.h"
#include "object/Space.h"  // Required for: Space as the RenderSpace the camera is kept under
#include "render/Light.h"
#include "render/ResourceManagerTwo.h"
#include "render/Shader.h"
#include "render/Texture.h"

#include <glm/gtc/type_ptr.hpp>  // Required for: glm::value_ptr

namespace Graphics
{
LightPolygonPass::LightPolygonPass() : Pass(Order)
{
  glGenVertexArrays(1, &vertexArray);
  glBindVertexArray(vertexArray);
  glGenBuffers(1, &vertexBuffer);
  glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 2 * sizeof(float), nullptr);
  glBindVertexArray(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);

  shader = ResourceManagerTwo::ResourceExists("LightShader")
               ? ResourceManagerTwo::GetResource("LightShader").AsShader()
               : ResourceManagerTwo::LoadShader("Assets\\Shaders\\Light.vs", "Assets\\Shaders\\Light.frag", "LightShader");
  if (shader != nullptr)
  {
    projectionLocation = shader->GetUniformLocation("projection");
    cameraLocation = shader->GetUniformLocation("camera");
    centreLocation = shader->GetUniformLocation("centre");
    radiusLocation = shader->GetUniformLocation("radius");
    colorLocation = shader->GetUniformLocation("color");
  }
}

LightPolygonPass::~LightPolygonPass()
{
  glDeleteVertexArrays(1, &vertexArray);
  glDeleteBuffers(1, &vertexBuffer);
}

bool LightPolygonPass::AppendContent(const InstanceBuffer& buffer, const Layer&, std::vector<unsigned char>& content)
{
  auto* const* lights = static_cast<Light* const*>(buffer.Data());
  for (std::uint32_t i = 0; i < buffer.Count(); ++i)
  {
    const Light& light = *lights[i];
    const std::vector<glm::vec2>& fan = light.GetVertices();
    if (fan.size() < 3 || light.radius <= 0.0f)
      continue;
    const CameraView* camera = renderer->GetSpaceCamera(light.GetDrawnSpace());
    const glm::mat3 view = camera != nullptr ? camera->ToCameraSpace() : glm::mat3(1.0f);
    const glm::vec2 centre = light.GetCentre();
    const auto count = static_cast<std::uint32_t>(fan.size());
    Append(content, &view, sizeof(view));
    Append(content, &centre, sizeof(centre));
    Append(content, &light.radius, sizeof(light.radius));
    Append(content, &light.color, sizeof(light.color));
    Append(content, &count, sizeof(count));
    Append(content, fan.data(), fan.size() * sizeof(glm::vec2));
  }
  return true;
}

void LightPolygonPass::Render(Texture*, Texture* target, Layer*, InstanceBuffer* buffer)
{
  const std::uint32_t count = buffer->Count();
  if (count == 0 || shader == nullptr)
  {
    buffer->Clear();
    return;
  }
  shader->Use();
  glUniformMatrix4fv(projectionLocation, 1, GL_FALSE, glm::value_ptr(renderer->projection));
  target->BindAsTarget();
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ONE);
  // A glow brightens what the layer shows; it must not make its empty parts opaque.
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
  glBindVertexArray(vertexArray);
  glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);

  auto* const* lights = static_cast<Light* const*>(buffer->Data());
  for (std::uint32_t i = 0; i < count; ++i)
  {
    const Light& light = *lights[i];
    const std::vector<glm::vec2>& fan = light.GetVertices();
    if (fan.size() < 3 || light.radius <= 0.0f)
      continue;
    const CameraView* camera = renderer->GetSpaceCamera(light.GetDrawnSpace());
    const glm::mat4 view = Graphics::ToMat4(camera != nullptr ? camera->ToCameraSpace() : glm::mat3(1.0f));
    glUniformMatrix4fv(cameraLocation, 1, GL_FALSE, glm::value_ptr(view));
    glUniform2f(centreLocation, light.GetCentre().x, light.GetCentre().y);
    glUniform1f(radiusLocation, light.radius);
    glUniform4f(colorLocation, light.color.r, light.color.g, light.color.b, light.color.a);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(fan.size() * sizeof(glm::vec2)), fan.data(), GL_STREAM_DRAW);
    glDrawArrays(GL_TRIANGLE_FAN, 0, static_cast<GLsizei>(fan.size()));
  }

  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glBindVertexArray(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  buffer->Clear();
}
}  // namespace Graphics
