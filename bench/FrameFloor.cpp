#include "FrameFloor.h"

#include "core/FileUtilities.h"
#include "object/Space.h"
#include "render/Graphics.h"
#include "render/Layer.h"
#include "render/Light.h"
#include "render/ParticleSystem.h"
#include "render/ParticleSystemRenderer.h"
#include "render/ResourceManagerTwo.h"
#include "render/Shader.h"
#include "render/Texture.h"

#include <SDL.h>
#include <glm/gtc/type_ptr.hpp>  // Required for: glm::value_ptr

#include <algorithm>

namespace
{
const float UnitQuad[] = {0.5f, 0.5f, 0.5f, -0.5f, -0.5f, -0.5f, 0.5f, 0.5f, -0.5f, -0.5f, -0.5f, 0.5f};
const float LightQuad[] = {0.5f, -0.5f, 0.5f, 0.5f, -0.5f, -0.5f, 0.5f, 0.5f, -0.5f, 0.5f, -0.5f, -0.5f};
const float ScreenQuad[] = {-1, -1, 0, 0, -1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, -1, 1, 0, -1, -1, 0, 0};

void Attribute(GLuint index, GLint components, GLsizei stride, std::size_t offset, GLuint divisor)
{
  glEnableVertexAttribArray(index);
  glVertexAttribPointer(index, components, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<const void*>(offset));
  glVertexAttribDivisor(index, divisor);
}

// A vertex array with a static buffer of corners at attribute `cornerIndex`, and an empty
// buffer bound for the per-instance attributes that follow.
void MakeArray(GLuint& array, GLuint& corners, GLuint& records, const float* data, std::size_t bytes,
               GLuint cornerIndex, GLint cornerComponents)
{
  glGenVertexArrays(1, &array);
  glBindVertexArray(array);
  glGenBuffers(1, &corners);
  glBindBuffer(GL_ARRAY_BUFFER, corners);
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(bytes), data, GL_STATIC_DRAW);
  Attribute(cornerIndex, cornerComponents, cornerComponents * static_cast<GLsizei>(sizeof(float)), 0, 0);
  glGenBuffers(1, &records);
  glBindBuffer(GL_ARRAY_BUFFER, records);
}

void MakeTarget(GLuint& texture, GLuint& framebuffer, GLsizei width, GLsizei height)
{
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  glGenFramebuffers(1, &framebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

// The renderer's own program of that name (its passes load every one the floor uses).
GLuint Program(const char* vertexPath, const char* fragmentPath, const char* name)
{
  const Graphics::Shader* shader = ResourceManagerTwo::ResourceExists(name)
                                       ? ResourceManagerTwo::GetResource(name).AsShader()
                                       : ResourceManagerTwo::LoadShader(vertexPath, fragmentPath, name);
  return shader != nullptr && shader->IsLinked() ? shader->GetId() : 0;
}

template <typename Record>
void Upload(const std::vector<Record>& records)
{
  glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(records.size() * sizeof(Record)), records.data(), GL_STREAM_DRAW);
}
}  // namespace

FrameFloor::FrameFloor() = default;

FrameFloor::~FrameFloor() = default;

void FrameFloor::Release()
{
  if (!built)
    return;
  built = false;
  atlasShader.reset();
  const GLuint arrays[] = {quadArray, particleArray, lightArray, polygonArray, screenArray};
  glDeleteVertexArrays(5, arrays);
  const GLuint buffers[] = {quadCorners,    quadRecords,  particleCorners, particleRecords, lightCorners,
                            lightRecords,   polygonVertices, screenVertices};
  glDeleteBuffers(8, buffers);
  for (LayerTarget& target : layers)
  {
    glDeleteFramebuffers(1, &target.framebuffer);
    glDeleteTextures(1, &target.texture);
  }
  glDeleteFramebuffers(1, &lightFramebuffer);
  glDeleteTextures(1, &lightTexture);
  glDeleteFramebuffers(1, &compositeFramebuffer);
  glDeleteTextures(1, &compositeTexture);
  layers.clear();
}

bool FrameFloor::Build(Graphics::Graphics& renderer)
{
  width = static_cast<GLsizei>(renderer.GetWindowWidth());
  height = static_cast<GLsizei>(renderer.GetWindowHeight());
  projection = renderer.projection;
  if (const Graphics::Texture* texture = ResourceManagerTwo::GetTexture("THE_ATLAS"))
    atlas = texture->GetId();

  const std::string vertex = ReadWholeFile("Assets/Shaders/atlass.vs");
  const std::string fragment = ReadWholeFile("Assets/Shaders/atlass.frag");
  atlasShader = std::make_unique<Graphics::Shader>(vertex.c_str(), fragment.c_str());
  atlasProgram = atlasShader->IsLinked() ? atlasShader->GetId() : 0;
  particleProgram = Program("Assets\\Shaders\\particleShader.vs", "Assets\\Shaders\\particleShader.frag", "particleShader");
  maskProgram = Program("Assets\\Shaders\\LightMask.vs", "Assets\\Shaders\\LightMask.frag", "LightMaskShader");
  polygonProgram = Program("Assets\\Shaders\\Light.vs", "Assets\\Shaders\\Light.frag", "LightShader");
  blendProgram = Program("Assets\\Shaders\\TexBlend.vs", "Assets\\Shaders\\TexBlend.frag", "TexBlend");
  screenProgram = Program("Assets\\Shaders\\newScreen.vs", "Assets\\Shaders\\newScreen.frag", "newScreen");
  if (atlasProgram == 0 || particleProgram == 0 || maskProgram == 0 || polygonProgram == 0 || blendProgram == 0 ||
      screenProgram == 0 || atlas == 0)
    return false;

  atlasProjection = glGetUniformLocation(atlasProgram, "projection");
  atlasSampler = glGetUniformLocation(atlasProgram, "atlass");
  particleProjection = glGetUniformLocation(particleProgram, "projection");
  particleAtlas = glGetUniformLocation(particleProgram, "atlas");
  particleUv = glGetUniformLocation(particleProgram, "uv_coords");
  particleCamera = glGetUniformLocation(particleProgram, "camera");
  particleWorld = glGetUniformLocation(particleProgram, "world_pos");
  maskAmbience = glGetUniformLocation(maskProgram, "ambience");
  maskProjection = glGetUniformLocation(maskProgram, "projection");
  polygonProjection = glGetUniformLocation(polygonProgram, "projection");
  polygonCamera = glGetUniformLocation(polygonProgram, "camera");
  polygonCentre = glGetUniformLocation(polygonProgram, "centre");
  polygonRadius = glGetUniformLocation(polygonProgram, "radius");
  polygonColor = glGetUniformLocation(polygonProgram, "color");
  blendSource = glGetUniformLocation(blendProgram, "source");
  screenSampler = glGetUniformLocation(screenProgram, "screen");

  using Graphics::InstanceData;
  MakeArray(quadArray, quadCorners, quadRecords, UnitQuad, sizeof(UnitQuad), 6, 2);
  constexpr auto quadStride = static_cast<GLsizei>(sizeof(InstanceData));
  Attribute(0, 4, quadStride, offsetof(InstanceData, uvRect), 1);
  for (GLuint row = 0; row < 4; ++row)
    Attribute(1 + row, 4, quadStride, offsetof(InstanceData, model) + row * 4 * sizeof(float), 1);
  Attribute(5, 4, quadStride, offsetof(InstanceData, color), 1);
  Attribute(7, 1, quadStride, offsetof(InstanceData, sortY), 1);

  MakeArray(particleArray, particleCorners, particleRecords, UnitQuad, sizeof(UnitQuad), 0, 2);
  constexpr auto particleStride = static_cast<GLsizei>(sizeof(Particle));
  Attribute(1, 4, particleStride, offsetof(Particle, life), 1);
  Attribute(2, 4, particleStride, offsetof(Particle, color), 1);
  Attribute(3, 4, particleStride, offsetof(Particle, position), 1);

  using Graphics::LightInstance;
  MakeArray(lightArray, lightCorners, lightRecords, LightQuad, sizeof(LightQuad), 0, 2);
  constexpr auto lightStride = static_cast<GLsizei>(sizeof(LightInstance));
  for (GLuint row = 0; row < 4; ++row)
    Attribute(1 + row, 4, lightStride, offsetof(LightInstance, model) + row * 4 * sizeof(float), 1);
  Attribute(5, 4, lightStride, offsetof(LightInstance, color), 1);
  Attribute(6, 4, lightStride, offsetof(LightInstance, c), 1);
  Attribute(7, 4, lightStride, offsetof(LightInstance, spare), 1);
  glEnableVertexAttribArray(8);
  glVertexAttribIPointer(8, 1, GL_UNSIGNED_INT, lightStride, reinterpret_cast<const void*>(offsetof(LightInstance, type)));
  glVertexAttribDivisor(8, 1);

  glGenVertexArrays(1, &polygonArray);
  glBindVertexArray(polygonArray);
  glGenBuffers(1, &polygonVertices);
  glBindBuffer(GL_ARRAY_BUFFER, polygonVertices);
  Attribute(0, 2, 2 * sizeof(float), 0, 0);

  glGenVertexArrays(1, &screenArray);
  glBindVertexArray(screenArray);
  glGenBuffers(1, &screenVertices);
  glBindBuffer(GL_ARRAY_BUFFER, screenVertices);
  glBufferData(GL_ARRAY_BUFFER, sizeof(ScreenQuad), ScreenQuad, GL_STATIC_DRAW);
  Attribute(0, 4, 4 * sizeof(float), 0, 0);
  glBindVertexArray(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);

  MakeTarget(lightTexture, lightFramebuffer, width, height);
  MakeTarget(compositeTexture, compositeFramebuffer, width, height);
  built = true;
  return true;
}

std::size_t FrameFloor::LayerIndex(const Graphics::Layer* layer)
{
  for (std::size_t index = 0; index < layers.size(); ++index)
    if (layers[index].layer == layer)
      return index;
  LayerTarget target;
  target.layer = layer;
  MakeTarget(target.texture, target.framebuffer, width, height);
  layers.push_back(target);
  return layers.size() - 1;
}

bool FrameFloor::Capture(Graphics::Graphics& renderer, const std::vector<Graphics::RenderSpace*>& spaces)
{
  if (!built && !Build(renderer))
    return false;
  steps.clear();
  quadCount = particleCount = lightCount = 0;
  const auto& submissions = renderer.GetSubmissions();
  const Graphics::Pass* instanced = renderer.GetPass("InstancedRender");
  const Graphics::Pass* particlePass = renderer.GetPass("ParticleSystemPass");
  const Graphics::Pass* lightPass = renderer.GetPass("LightPass");
  const Graphics::Pass* polygonPass = renderer.GetPass("LightPolygonPass");
  const auto visible = [&](const std::string& name) {
    const auto space = std::find_if(spaces.begin(), spaces.end(), [&name](const Graphics::RenderSpace* candidate) {
      return candidate->GetSpaceName() == name;
    });
    return space != spaces.end() && renderer.GetSpaceCamera(*space) != nullptr;
  };
  // As the renderer does: a layer is drawn, for every space, when any visible space filed on it.
  std::vector<const Graphics::Layer*> inUse;
  for (const auto& [name, layerBuffers] : submissions)
    if (visible(name))
      for (const auto& [layer, passBuffers] : layerBuffers)
        for (const auto& [pass, buffer] : passBuffers)
          if (buffer->Count() > 0 && std::find(inUse.begin(), inUse.end(), layer) == inUse.end())
            inUse.push_back(layer);
  std::sort(inUse.begin(), inUse.end(), [](const Graphics::Layer* a, const Graphics::Layer* b) { return a->depth < b->depth; });
  for (const Graphics::Layer* layer : inUse)
    LayerIndex(layer);

  for (const auto& [name, layerBuffers] : submissions)
  {
    if (!visible(name))
      continue;
    for (const auto& [layer, passBuffers] : layerBuffers)
    {
      if (std::find(inUse.begin(), inUse.end(), layer) == inUse.end())
        continue;
      Step step;
      step.layer = LayerIndex(layer);
      for (const auto& [pass, buffer] : passBuffers)
      {
        const std::uint32_t count = buffer->Count();
        if (pass == instanced)
        {
          const auto* records = static_cast<const Graphics::InstanceData*>(buffer->Data());
          step.quads.assign(records, records + count);
          if (layer->sortByY)
            std::stable_sort(step.quads.begin(), step.quads.end(),
                             [](const Graphics::InstanceData& a, const Graphics::InstanceData& b) { return a.sortY > b.sortY; });
          quadCount += count;
        }
        else if (pass == particlePass)
        {
          auto* const* systems = static_cast<ParticleSystem* const*>(buffer->Data());
          for (std::uint32_t index = 0; index < count; ++index)
          {
            const ParticleSystem& system = *systems[index];
            ParticleBatch batch;
            std::vector<const Particle*> live(system.GetActive().begin(), system.GetActive().end());
            std::sort(live.begin(), live.end());
            for (const Particle* particle : live)
              batch.particles.push_back(*particle);
            Graphics::ParticleSystemRenderer::BlendFactors(system.blendMode, batch.source, batch.destination);
            batch.worldPosition = system.inWorldSpace ? glm::vec2(0.0f, 0.0f) : system.GetEmitterPosition();
            std::copy(system.GetTextureRect(), system.GetTextureRect() + 4, batch.textureRect);
            const Graphics::CameraView* camera = renderer.GetSpaceCamera(system.GetDrawnSpace());
            batch.camera = Graphics::Graphics::ToMat4(camera != nullptr ? camera->ToCameraSpace() : glm::mat3(1.0f));
            particleCount += batch.particles.size();
            step.particles.push_back(std::move(batch));
          }
        }
        else if (pass == lightPass)
        {
          step.lit = true;
          const auto* records = static_cast<const Graphics::LightInstance*>(buffer->Data());
          step.lights.assign(records, records + count);
          lightCount += count;
        }
        else if (pass == polygonPass)
        {
          auto* const* lights = static_cast<Light* const*>(buffer->Data());
          for (std::uint32_t index = 0; index < count; ++index)
          {
            const Light& light = *lights[index];
            if (light.GetVertices().size() < 3 || light.radius <= 0.0f)
              continue;
            LightPolygon polygon;
            polygon.fan = light.GetVertices();
            const Graphics::CameraView* camera = renderer.GetSpaceCamera(light.GetDrawnSpace());
            polygon.camera = Graphics::Graphics::ToMat4(camera != nullptr ? camera->ToCameraSpace() : glm::mat3(1.0f));
            polygon.centre = light.GetCentre();
            polygon.radius = light.radius;
            polygon.color[0] = light.color.r;
            polygon.color[1] = light.color.g;
            polygon.color[2] = light.color.b;
            polygon.color[3] = light.color.a;
            step.polygons.push_back(std::move(polygon));
          }
        }
      }
      steps.push_back(std::move(step));
    }
  }
  return true;
}

void FrameFloor::DrawStep(const Step& step)
{
  const LayerTarget& target = layers[step.layer];
  glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
  glViewport(0, 0, width, height);
  glEnable(GL_BLEND);
  if (!step.quads.empty())
  {
    glUseProgram(atlasProgram);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, atlas);
    glUniform1i(atlasSampler, 0);
    glUniformMatrix4fv(atlasProjection, 1, GL_FALSE, glm::value_ptr(projection));
    glBindVertexArray(quadArray);
    glBindBuffer(GL_ARRAY_BUFFER, quadRecords);
    Upload(step.quads);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDrawArraysInstanced(GL_TRIANGLES, 0, 6, static_cast<GLsizei>(step.quads.size()));
  }
  if (!step.particles.empty())
  {
    glUseProgram(particleProgram);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, atlas);
    glUniformMatrix4fv(particleProjection, 1, GL_FALSE, glm::value_ptr(projection));
    glUniform1i(particleAtlas, 0);
    glBindVertexArray(particleArray);
    glBindBuffer(GL_ARRAY_BUFFER, particleRecords);
    for (const ParticleBatch& batch : step.particles)
    {
      if (batch.particles.empty())
        continue;
      glBlendFunc(batch.source, batch.destination);
      glUniform2f(particleWorld, batch.worldPosition.x, batch.worldPosition.y);
      glUniform4fv(particleUv, 1, batch.textureRect);
      glUniformMatrix4fv(particleCamera, 1, GL_FALSE, glm::value_ptr(batch.camera));
      Upload(batch.particles);
      glDrawArraysInstanced(GL_TRIANGLES, 0, 6, static_cast<GLsizei>(batch.particles.size()));
    }
  }
  if (step.lit)
  {
    glBindFramebuffer(GL_FRAMEBUFFER, lightFramebuffer);
    glClearColor(target.layer->ambient, target.layer->ambient, target.layer->ambient, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    if (!step.lights.empty())
    {
      glUseProgram(maskProgram);
      glUniform1f(maskAmbience, target.layer->ambient);
      glUniformMatrix4fv(maskProjection, 1, GL_TRUE, glm::value_ptr(projection));
      glBindVertexArray(lightArray);
      glBindBuffer(GL_ARRAY_BUFFER, lightRecords);
      Upload(step.lights);
      glBlendFunc(GL_ONE, GL_ONE);
      glDrawArraysInstanced(GL_TRIANGLES, 0, 6, static_cast<GLsizei>(step.lights.size()));
    }
    glBlendFunc(GL_DST_COLOR, GL_ZERO);
    BlendInto(lightTexture, target.framebuffer);
  }
  if (!step.polygons.empty())
  {
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glUseProgram(polygonProgram);
    glUniformMatrix4fv(polygonProjection, 1, GL_FALSE, glm::value_ptr(projection));
    glBlendFunc(GL_ONE, GL_ONE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
    glBindVertexArray(polygonArray);
    glBindBuffer(GL_ARRAY_BUFFER, polygonVertices);
    for (const LightPolygon& polygon : step.polygons)
    {
      glUniformMatrix4fv(polygonCamera, 1, GL_FALSE, glm::value_ptr(polygon.camera));
      glUniform2f(polygonCentre, polygon.centre.x, polygon.centre.y);
      glUniform1f(polygonRadius, polygon.radius);
      glUniform4fv(polygonColor, 1, polygon.color);
      Upload(polygon.fan);
      glDrawArrays(GL_TRIANGLE_FAN, 0, static_cast<GLsizei>(polygon.fan.size()));
    }
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  }
}

void FrameFloor::BlendInto(GLuint sourceTexture, GLuint destinationFramebuffer)
{
  glBindFramebuffer(GL_FRAMEBUFFER, destinationFramebuffer);
  glUseProgram(blendProgram);
  glUniform1i(blendSource, 0);
  glActiveTexture(GL_TEXTURE0);
  glBindTexture(GL_TEXTURE_2D, sourceTexture);
  glBindVertexArray(screenArray);
  glViewport(0, 0, width, height);
  glDrawArrays(GL_TRIANGLES, 0, 6);
}

void FrameFloor::Draw(SDL_Window* window)
{
  glBindFramebuffer(GL_FRAMEBUFFER, compositeFramebuffer);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glDisable(GL_DEPTH_TEST);
  for (const Step& step : steps)
    DrawStep(step);

  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  for (const LayerTarget& target : layers)
    BlendInto(target.texture, compositeFramebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glUseProgram(screenProgram);
  glUniform1i(screenSampler, 0);
  glBindTexture(GL_TEXTURE_2D, compositeTexture);
  glBindVertexArray(screenArray);
  int windowWidth = 0;
  int windowHeight = 0;
  SDL_GL_GetDrawableSize(window, &windowWidth, &windowHeight);
  glViewport(0, 0, windowWidth, windowHeight);
  glDrawArrays(GL_TRIANGLES, 0, 6);
  glDisable(GL_BLEND);
  SDL_GL_SwapWindow(window);

  glClearColor(0, 0, 0, 0);
  for (const LayerTarget& target : layers)
  {
    glBindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    glClear(GL_COLOR_BUFFER_BIT);
  }
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glBindVertexArray(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glUseProgram(0);
}
