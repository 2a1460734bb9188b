#pragma once
// The floor a frame's drawing is measured against: what a hand-made program spends to draw the
// same quads through the same layered passes. It copies what the renderer was given for one frame
// (every visible space's records, in the renderer's order of spaces, layers and passes), then
// draws that copy each time with plain GL: per layer its quads with one upload and one instanced
// draw, its particles, its light polygons and its light mask into the layer's own texture; then
// the layers blended into one picture by rising depth, the picture put on screen, the window
// swapped and the layer textures cleared. It uses the game's own shaders, and nothing per object:
// no events, no matrices, no lookups by name, no sorting (the copy is taken in drawing order).
#include "render/InstanceData.h"
#include "render/LightInstance.h"
#include "render/Particle.h"

#include <GL/glew.h>
#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

struct SDL_Window;

namespace Graphics
{
class Graphics;
class Shader;
class RenderSpace;
struct Layer;
}

class FrameFloor
{
public:
  FrameFloor();
  ~FrameFloor();
  FrameFloor(const FrameFloor&) = delete;
  FrameFloor& operator=(const FrameFloor&) = delete;

  // Copies the records filed with `renderer` for the spaces of `spaces` that have a camera, and
  // builds the GL objects on first use. Call between the frame's draw events and its Render; the
  // renderer's buffers are left as they were. False when a shader is missing.
  bool Capture(Graphics::Graphics& renderer, const std::vector<Graphics::RenderSpace*>& spaces);
  // One frame of the copy, presented on `window` (whose context is current).
  void Draw(SDL_Window* window);
  // Deletes the GL objects; due while the context they were made in is still current.
  void Release();

  std::size_t Quads() const { return quadCount; }
  std::size_t Particles() const { return particleCount; }
  std::size_t Lights() const { return lightCount; }
  std::size_t LayersInUse() const { return layers.size(); }

private:
  struct ParticleBatch
  {
    std::vector<Particle> particles;  // the live ones, in pool order
    GLenum source = GL_SRC_ALPHA;
    GLenum destination = GL_ONE_MINUS_SRC_ALPHA;
    glm::vec2 worldPosition{0.0f, 0.0f};
    float textureRect[4] = {0, 0, 0, 0};
    glm::mat4 camera{1.0f};
  };
  struct LightPolygon
  {
    std::vector<glm::vec2> fan;
    glm::mat4 camera{1.0f};
    glm::vec2 centre{0.0f, 0.0f};
    float radius = 0.0f;
    float color[4] = {0, 0, 0, 0};
  };
  // One layer's work of one space, in the renderer's pass order.
  struct Step
  {
    std::size_t layer = 0;  // index into `layers`
    std::vector<Graphics::InstanceData> quads;
    std::vector<ParticleBatch> particles;
    bool lit = false;  // the layer has a light pass (which runs even with no lights)
    std::vector<Graphics::LightInstance> lights;
    std::vector<LightPolygon> polygons;
  };
  struct LayerTarget
  {
    const Graphics::Layer* layer = nullptr;
    GLuint texture = 0;
    GLuint framebuffer = 0;
  };

  bool Build(Graphics::Graphics& renderer);
  std::size_t LayerIndex(const Graphics::Layer* layer);
  void DrawStep(const Step& step);
  void BlendInto(GLuint sourceTexture, GLuint destinationFramebuffer);

  bool built = false;
  std::unique_ptr<Graphics::Shader> atlasShader;
  GLsizei width = 0;
  GLsizei height = 0;
  glm::mat4 projection{1.0f};
  GLuint atlas = 0;
  GLuint atlasProgram = 0, particleProgram = 0, maskProgram = 0, polygonProgram = 0, blendProgram = 0, screenProgram = 0;
  GLint atlasProjection = -1, atlasSampler = -1;
  GLint particleProjection = -1, particleAtlas = -1, particleUv = -1, particleCamera = -1, particleWorld = -1;
  GLint maskAmbience = -1, maskProjection = -1;
  GLint polygonProjection = -1, polygonCamera = -1, polygonCentre = -1, polygonRadius = -1, polygonColor = -1;
  GLint blendSource = -1, screenSampler = -1;
  GLuint quadArray = 0, quadCorners = 0, quadRecords = 0;
  GLuint particleArray = 0, particleCorners = 0, particleRecords = 0;
  GLuint lightArray = 0, lightCorners = 0, lightRecords = 0;
  GLuint polygonArray = 0, polygonVertices = 0;
  GLuint screenArray = 0, screenVertices = 0;
  GLuint lightTexture = 0, lightFramebuffer = 0;
  GLuint compositeTexture = 0, compositeFramebuffer = 0;
  std::vector<LayerTarget> layers;  // by rising depth
  std::vector<Step> steps;
  std::size_t quadCount = 0;
  std::size_t particleCount = 0;
  std::size_t lightCount = 0;
};
