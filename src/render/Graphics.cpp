#include "render/Graphics.h"

#include "core/Log.h"
#include "core/Profiler.h"
#include "render/DebugInstance.h"
#include "render/DebugPass.h"
#include "render/Framebuffer.h"
#include "render/InstancedRenderPass.h"
#include "render/LightPass.h"
#include "render/LightPolygonPass.h"
#include "render/ParticleSystemRenderer.h"
#include "render/Renderbuffer.h"
#include "render/ResourceManagerTwo.h"
#include "render/RowsMatrix.h"
#include "render/Shader.h"
#include "render/Texture.h"
#include "render/Window.h"

#include <glm/gtc/matrix_transform.hpp>  // Required for: glm::ortho
#include <glm/gtc/type_ptr.hpp>          // Required for: glm::value_ptr

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>

namespace Graphics
{
namespace
{
struct LayerDefinition
{
  const char* name;
  float depth;
  float ambient;
  bool sortByY;
};

// There is no layer of depth 3.
const LayerDefinition LayerTable[] = {
    {"DL_BACKGROUND", 1, 1.0f, false},
    {"DL_SHIPFRAME", 2, 0.45f, false},
    {"DL_FLOOR", 4, 0.45f, false},
    {"DL_MAIN", 5, 0.95f, true},
    {"DL_PARTICLES", 6, 1.0f, false},
    {"DL_HEALTH_INDICATOR", 7, 1.0f, false},
    {"DL_HUD", 8, 1.0f, true},
    {"DL_GUI_FRAME", 9, 1.0f, false},
    {"DL_GUI_BUTTON", 10, 1.0f, true},
    {"DL_GUI_PAUSE_FRAME", 11, 1.0f, false},
    {"DL_GUI_PAUSE_BUTTON", 12, 1.0f, true},
    {"DL_GUI_CONFIRMATION_FRAME", 13, 1.0f, false},
    {"DL_GUI_CONFIRMATION_BUTTON", 14, 1.0f, true},
    {"Debug", 99, 1.0f, false},
};

void ResetDrawState()
{
  Framebuffer::BindDefault();
  glUseProgram(0);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glBindVertexArray(0);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
  glDisable(GL_DEPTH_TEST);
}

void FailWindow(const std::string& error)
{
  LogError(error);
  // The program ends here: standard error is where whoever started it looks for why.
  std::cerr << LogPrefix(LogLevel::Error) << error << std::endl;
  std::exit(EXIT_FAILURE);
}
}  // namespace

namespace
{
Graphics* currentRenderer = nullptr;
}  // namespace

Graphics::Graphics()
{
  DropBuffers();
}

void Graphics::DropBuffers()
{
  static std::uint64_t lastEpoch = 0;
  bufferEpoch = ++lastEpoch;
}

Graphics* Graphics::Current()
{
  return currentRenderer;
}

void Graphics::SetCurrent(Graphics* renderer)
{
  currentRenderer = renderer;
}

Graphics::~Graphics()
{
  if (currentRenderer == this)
    currentRenderer = nullptr;
  // GL objects go while the context still exists; a renderer that never had a window made none.
  submissions.clear();
  passes.clear();
  layerOrder.clear();
  layers.clear();
  sceneTexture.reset();
  spareTexture.reset();
  compositeTexture.reset();
  if (screenQuadArray != 0)
    glDeleteVertexArrays(1, &screenQuadArray);
  if (screenQuadBuffer != 0)
    glDeleteBuffers(1, &screenQuadBuffer);
  ownWindow.reset();
}

// --- Window ------------------------------------------------------------------------------------

void Graphics::CreateWindow(bool fullscreen)
{
  auto created = std::make_unique<Window>();
  std::string error;
  if (!created->Open(fullscreen, error))
    FailWindow(error);
  ownWindow = std::move(created);
  window = ownWindow.get();
}

void Graphics::CreateHiddenWindow(unsigned width, unsigned height)
{
  auto created = std::make_unique<Window>();
  std::string error;
  if (!created->OpenHidden(width, height, error))
    FailWindow(error);
  ownWindow = std::move(created);
  window = ownWindow.get();
}

void Graphics::AttachWindow(Window* existing)
{
  window = existing;
}

void Graphics::SetFullscreen()
{
  if (window != nullptr)
    window->SetFullscreen();
}

void Graphics::SetWindowed()
{
  if (window != nullptr)
    window->SetWindowed();
}

bool Graphics::IsFullscreen() const
{
  return window != nullptr && window->IsFullscreen();
}

SDL_Window* Graphics::GetWindow() const
{
  return window != nullptr ? window->GetWindow() : nullptr;
}

unsigned Graphics::GetWindowWidth() const
{
  return window != nullptr ? window->GetWidth() : 0;
}

unsigned Graphics::GetWindowHeight() const
{
  return window != nullptr ? window->GetHeight() : 0;
}

// --- Set-up and layers -------------------------------------------------------------------------

bool Graphics::Initialize()
{
  // Failures are counted wherever a program is made, also inside the passes.
  const unsigned linkFailuresBefore = Shader::GetLinkFailures();
  const unsigned loadFailuresBefore = ResourceManagerTwo::GetLoadFailures();
  BuildProjection();
  glEnable(GL_BLEND);
  AddPass("DebugPass", std::make_unique<DebugPass>());
  AddPass("InstancedRender", std::make_unique<InstancedRenderPass>(ResourceManagerTwo::GetTexture("THE_ATLAS")));
  AddPass("ParticleSystemPass", std::make_unique<ParticleSystemRenderer>(ResourceManagerTwo::GetTexture("THE_ATLAS")));
  AddPass("LightPass", std::make_unique<LightPass>());
  AddPass("LightPolygonPass", std::make_unique<LightPolygonPass>());
  for (const LayerDefinition& definition : LayerTable)
  {
    Layer* layer = AddLayer(definition.name, definition.depth);
    layer->ambient = definition.ambient;
    layer->sortByY = definition.sortByY;
  }
  CreateScreenQuad();
  sceneTexture = std::make_unique<Texture>();
  spareTexture = std::make_unique<Texture>();
  compositeTexture = std::make_unique<Texture>();
  presentShader = ResourceManagerTwo::LoadShader("Assets\\Shaders\\newScreen.vs", "Assets\\Shaders\\newScreen.frag", "newScreen");
  blendShader = ResourceManagerTwo::LoadShader("Assets\\Shaders\\TexBlend.vs", "Assets\\Shaders\\TexBlend.frag", "TexBlend");
  // The blend program's one sampler; looked up rather than assumed to sit at location 0.
  if (blendShader != nullptr)
    blendSourceLocation = blendShader->GetUniformLocation("source");
  return Shader::GetLinkFailures() == linkFailuresBefore && ResourceManagerTwo::GetLoadFailures() == loadFailuresBefore;
}

void Graphics::BuildProjection()
{
  const float width = static_cast<float>(GetWindowWidth());
  const float height = static_cast<float>(GetWindowHeight());
  const float halfHeight = width > 0 ? 960.0f * height / width : 960.0f;
  projection = glm::ortho(-960.0f, 960.0f, -halfHeight, halfHeight, 1.0f, -5.0f);
}

void Graphics::CreateScreenQuad()
{
  const float vertices[] = {-1, -1, 0, 0, -1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, -1, 1, 0, -1, -1, 0, 0};
  glGenVertexArrays(1, &screenQuadArray);
  glBindVertexArray(screenQuadArray);
  glGenBuffers(1, &screenQuadBuffer);
  glBindBuffer(GL_ARRAY_BUFFER, screenQuadBuffer);
  glBufferData(GL_ARRAY_BUFFER, sizeof(vertices), vertices, GL_STATIC_DRAW);
  glEnableVertexAttribArray(0);
  glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, 4 * sizeof(float), nullptr);
  glBindBuffer(GL_ARRAY_BUFFER, 0);
  glBindVertexArray(0);
}

Layer* Graphics::AddLayer(const std::string& name, float depth)
{
  auto layer = std::make_unique<Layer>(name, depth, std::make_unique<Texture>());
  Layer* result = layer.get();
  auto old = layers.find(name);
  if (old != layers.end())
  {
    layerOrder.erase(old->second.get());
    DropBuffers();
  }
  layers[name] = std::move(layer);
  layerOrder.insert(result);
  return result;
}

Layer* Graphics::GetLayer(const std::string& name)
{
  auto layer = layers.find(name);
  if (layer != layers.end())
    return layer->second.get();
  Log(LogLevel::Error, "[ERROR]Tried to get layer that does not exist: " + name);
  return nullptr;
}

Pass* Graphics::GetPass(const std::string& name)
{
  auto pass = passes.find(name);
  return pass != passes.end() ? pass->second.get() : nullptr;
}

Pass* Graphics::AddPass(const std::string& name, std::unique_ptr<Pass> pass)
{
  Pass* result = pass.get();
  result->SetRenderer(this);
  if (passes.count(name) != 0)
    DropBuffers();
  passes[name] = std::move(pass);
  return result;
}

// --- Filing records ----------------------------------------------------------------------------

InstanceBuffer* Graphics::GetBuffer(Layer* layer, Pass* pass, RenderSpace* space)
{
  if (layer == nullptr || pass == nullptr || space == nullptr)
  {
    // A layer or pass name that did not resolve; the records are dropped, the frame goes on.
    LogOnce("A drawing record without a layer, pass or space", LogLevel::Error,
            "A drawing record without a layer, pass or space was dropped");
    return nullptr;
  }
  std::unique_ptr<InstanceBuffer>& buffer = submissions[space->GetSpaceName()][layer][pass];
  if (buffer == nullptr)
    buffer = std::make_unique<InstanceBuffer>();
  return buffer.get();
}

void Graphics::RemoveSpace(RenderSpace* space)
{
  if (space == nullptr)
    return;
  submissions.erase(space->GetSpaceName());
  DropBuffers();
  // Cameras that outlive their space must not be reached through it.
  for (auto entry = cameras.begin(); entry != cameras.end();)
    entry = entry->space == space ? cameras.erase(entry) : entry + 1;
}

// --- The frame ---------------------------------------------------------------------------------

bool Graphics::SpaceHasCamera(const std::string& spaceName) const
{
  for (const CameraEntry& entry : cameras)
    if (entry.spaceName == spaceName)
      return true;
  return false;
}

bool Graphics::HasRecords(const PassBuffers& buffers)
{
  for (const auto& pass : buffers)
    if (pass.second->Count() > 0)
      return true;
  return false;
}

void Graphics::Render()
{
  if (compositeTexture == nullptr)
    return;

  // A layer nothing was filed on stays fully transparent through every pass (the light pass only
  // multiplies it) and adds nothing to the picture; leaving it alone saves two window-sized
  // draws per layer, most of an empty frame's cost on a software renderer.
  layersInUse.clear();
  if (!skipEmptyLayers)
    layersInUse.insert(layerOrder.begin(), layerOrder.end());
  for (auto& space : submissions)
  {
    if (!SpaceHasCamera(space.first))
      continue;
    for (auto& layer : space.second)
      if (HasRecords(layer.second))
        layersInUse.insert(layer.first);
  }

  // A target drawn in an earlier frame but not in this one is cleared: a layer out of use shows
  // nothing.
  layerCache.BeginFrame(bufferEpoch);
  glClearColor(0, 0, 0, 0);
  for (Layer* layer : layersHolding)
    if (layersInUse.count(layer) == 0)
    {
      ClearTexture(layer->target.get());
      layerCache.Forget(layer);
    }
  layersHolding = layersInUse;
  DescribeLayers();
  // Each target is cleared just before it is first drawn into, so that its clear and its drawing
  // make one batch for the driver; a layer whose target holds this frame's content already is
  // neither cleared nor drawn, only its records are dropped.
  layersDrawn.clear();
  for (Layer* layer : layersInUse)
    if (layerCache.Holds(layer))
      layersDrawn.insert(layer);
  std::vector<Layer*> kept(layersDrawn.begin(), layersDrawn.end());

  for (auto& space : submissions)
  {
    // A space without a camera has nothing to be seen through: its records are dropped.
    const bool visible = SpaceHasCamera(space.first);
    Profiler::BeginScope(space.first, "");
    for (auto& layer : space.second)
    {
      if (visible && layersInUse.count(layer.first) == 0)
        continue;
      const bool drawn = visible && !std::binary_search(kept.begin(), kept.end(), layer.first, LayerDepthCompare());
      if (drawn)
        for (auto& pass : layer.second)
          pass.first->Prepare(layer.first, pass.second.get());
      if (drawn && layersDrawn.insert(layer.first).second)
      {
        glClearColor(0, 0, 0, 0);
        ClearTexture(layer.first->target.get());
      }
      Profiler::BeginScope(layer.first->name, "");
      for (auto& pass : layer.second)
      {
        Profiler::BeginScope("PassNameHere", "");
        if (drawn)
          pass.first->Render(sceneTexture.get(), layer.first->target.get(), layer.first, pass.second.get());
        else
          pass.second->Clear();
        Profiler::EndScope();
      }
      Profiler::EndScope();
    }
    Profiler::EndScope();
  }
  // In use but reached through no space (every layer, when empty ones are not skipped).
  glClearColor(0, 0, 0, 0);
  for (Layer* layer : layersInUse)
    if (layersDrawn.count(layer) == 0)
      ClearTexture(layer->target.get());

  for (Layer* layer : layersInUse)
    if (!std::binary_search(kept.begin(), kept.end(), layer, LayerDepthCompare()))
      layerCache.Drawn(layer);

  Profiler::BeginScope("Combine", "");
  const std::vector<Layer*> composed(layersInUse.begin(), layersInUse.end());
  if (layerCache.ComposeNeeded(composed))
  {
    glClearColor(0, 0, 0, 1);
    ClearTexture(compositeTexture.get());
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (Layer* layer : layersInUse)
      BlendTexture(layer->target.get(), compositeTexture.get());
    glDisable(GL_BLEND);
    layerCache.Composed(composed);
  }
  Framebuffer::BindDefault();
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  PresentTexture(compositeTexture.get());
  Profiler::EndScope();

  Profiler::BeginScope("Cleanup", "");
  for (auto& pass : passes)
    pass.second->EndFrame();
  Profiler::EndScope();
}

void Graphics::DescribeLayers()
{
  for (auto& space : submissions)
  {
    if (!SpaceHasCamera(space.first))
      continue;
    for (auto& [layer, passBuffers] : space.second)
    {
      if (layersInUse.count(layer) == 0)
        continue;
      std::vector<unsigned char>& content = layerCache.Describe(layer, &projection, sizeof(projection));
      for (auto& [pass, buffer] : passBuffers)
      {
        const std::uint32_t count = buffer->Count();
        const auto* order = reinterpret_cast<const unsigned char*>(&pass->order);
        const auto* counted = reinterpret_cast<const unsigned char*>(&count);
        content.insert(content.end(), order, order + sizeof(pass->order));
        content.insert(content.end(), counted, counted + sizeof(count));
        if (!pass->AppendContent(*buffer, *layer, content))
          layerCache.MarkUndescribed(layer);
      }
    }
  }
  // A layer in use that no space reached (all of them, when empty ones are not skipped).
  for (Layer* layer : layersInUse)
    layerCache.Describe(layer, &projection, sizeof(projection));
}

void Graphics::SetSkipEmptyLayers(bool skip)
{
  skipEmptyLayers = skip;
}

// --- Cameras -----------------------------------------------------------------------------------

void Graphics::RegisterCamera(CameraView* camera, RenderSpace* space)
{
  cameras.push_back({camera, space, space != nullptr ? space->GetSpaceName() : std::string()});
}

void Graphics::UnregisterCamera(CameraView* camera)
{
  for (auto entry = cameras.begin(); entry != cameras.end();)
    entry = entry->camera == camera ? cameras.erase(entry) : entry + 1;
}

std::vector<CameraView*> Graphics::GetCameras(RenderSpace* space) const
{
  std::vector<CameraView*> result;
  for (const CameraEntry& entry : cameras)
    if (space == nullptr || entry.space == space)
      result.push_back(entry.camera);
  return result;
}

CameraView* Graphics::GetSpaceCamera(RenderSpace* space) const
{
  for (auto entry = cameras.rbegin(); entry != cameras.rend(); ++entry)
    if (entry->space == space)
      return entry->camera;
  return nullptr;
}

// --- Drawing steps -----------------------------------------------------------------------------

void Graphics::BlendTexture(Texture* source, Texture* destination)
{
  ResetDrawState();
  destination->BindAsTarget();
  blendShader->Use();
  glUniform1i(blendSourceLocation, 0);
  glBindVertexArray(screenQuadArray);
  Texture::Activate(GL_TEXTURE0);
  source->Bind();
  glDrawArrays(GL_TRIANGLES, 0, 6);
  glBindVertexArray(0);
}

void Graphics::PresentTexture(Texture* texture)
{
  ResetDrawState();
  presentShader->Use();
  glBindVertexArray(screenQuadArray);
  Texture::Activate(GL_TEXTURE0);
  texture->Bind();
  presentShader->SetInteger("screen", 0, false);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glViewport(0, 0, static_cast<GLsizei>(GetWindowWidth()), static_cast<GLsizei>(GetWindowHeight()));
  glDrawArrays(GL_TRIANGLES, 0, 6);
  glBindVertexArray(0);
}

void Graphics::ClearTexture(Texture* texture)
{
  texture->BindAsTarget();
  glClear(GL_COLOR_BUFFER_BIT);
}

void Graphics::ClearDepth(Renderbuffer* depth, Framebuffer* framebuffer)
{
  framebuffer->Bind();
  framebuffer->attachments.clear();
  framebuffer->AttachRenderbuffer(depth, GL_DEPTH_ATTACHMENT);
  framebuffer->SetDrawBuffers();
  glClear(GL_DEPTH_BUFFER_BIT);
  framebuffer->attachments.clear();
  Framebuffer::BindDefault();
}

// --- Matrices ----------------------------------------------------------------------------------

glm::mat4 Graphics::ToMat4(const glm::mat3& m)
{
  // The two affine rows, each widened with a 0 for z, then the rows of z and w.
  const float values[16] = {m[0][0], m[1][0], 0, m[2][0], m[0][1], m[1][1], 0, m[2][1], 0, 0, 1, 0, 0, 0, 0, 1};
  glm::mat4 result;
  float* out = glm::value_ptr(result);
  for (int i = 0; i < 16; ++i)
    out[i] = values[i];
  return result;
}

glm::mat3 Graphics::ToMat3(const glm::mat4& m)
{
  const float* in = glm::value_ptr(m);
  return RowsMatrix(in[0], in[1], in[12], in[4], in[5], in[13]);
}

// --- Debug drawing -----------------------------------------------------------------------------

void Graphics::DebugDraw(const glm::mat3& shape, RenderSpace* space, fColor color, std::int32_t kind)
{
  if (space == nullptr)
    return;
  CameraView* camera = GetSpaceCamera(space);
  if (camera == nullptr)
  {
    const std::string name = space->GetSpaceName();
    LogOnce("Debug shapes of a space without a camera " + name, LogLevel::Warning, "Space ", name,
            " has no camera; its debug shapes are not drawn");
    return;
  }
  InstanceSubmission<DebugInstance> submission;
  submission.layer = GetLayer("Debug");
  submission.pass = GetPass("DebugPass");
  submission.space = space;
  const glm::mat4 model = ToMat4(camera->ToCameraSpace() * shape);
  const float* values = glm::value_ptr(model);
  for (int i = 0; i < 16; ++i)
    submission.record.model[i] = values[i];
  submission.record.color = color;
  submission.record.kind = kind;
  AddInstance(submission);
}

void Graphics::DebugDrawLine(const glm::vec2& start, const glm::vec2& direction, float length, RenderSpace* space,
                             fColor color)
{
  if (!debugDrawing)
    return;
  const float angle = std::atan2(direction.y, direction.x);
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  // Scale by the length, turn to the direction, move to the start.
  const glm::mat3 shape = RowsMatrix(c * length, -s * length, start.x, s * length, c * length, start.y);
  DebugDraw(shape, space, color, DebugLine);
}

void Graphics::DebugDrawCircle(const glm::mat3& transform, float diameter, RenderSpace* space, fColor color)
{
  if (!debugDrawing)
    return;
  DebugDraw(transform * RowsMatrix(diameter, 0, 0, 0, diameter, 0), space, color, DebugCircle);
}

void Graphics::DebugDrawRect(const glm::mat3& transform, const glm::vec2& size, RenderSpace* space, fColor color)
{
  if (!debugDrawing)
    return;
  DebugDraw(transform * RowsMatrix(size.x, 0, 0, 0, size.y, 0), space, color, DebugBox);
}

void Graphics::DebugDrawCircleIfEnabled(const glm::vec2& position, float diameter, RenderSpace* space, fColor color)
{
  if (!debugDrawing)
    return;
  DebugDrawCircle(RowsMatrix(diameter, 0, position.x, 0, diameter, position.y), 1.0f, space, color);
}
}  // namespace Graphics
