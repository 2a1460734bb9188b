#pragma once
// The renderer. During a frame, drawing components never touch OpenGL: they file small fixed-size
// records under {space, layer, pass}. Once per frame Render lets each pass draw each layer's
// records into the layer's own texture, blends the layer textures by rising depth into one
// picture and puts it on screen. A layer whose records, passes and view are those it was last
// drawn with keeps its texture, and the picture is composed again only when a layer changed
// (LayerCache). The session derives from it, so there is exactly one.
//
// Sections: window; set-up and layers; filing records; the frame; cameras; drawing steps;
// matrices; debug drawing.
#include "core/fColor.h"
#include "object/RenderSpace.h"
#include "render/CameraView.h"
#include "render/InstanceBuffer.h"
#include "render/Layer.h"
#include "render/LayerCache.h"
#include "render/Pass.h"

#include <GL/glew.h>
#include <glm/mat3x3.hpp>
#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class Window;
struct SDL_Window;

namespace Graphics
{
class Framebuffer;
class Renderbuffer;
class Shader;
class Texture;

// One record filed for drawing: which layer, which pass, which space, and the record itself.
template <typename Record>
struct InstanceSubmission
{
  Layer* layer = nullptr;
  Pass* pass = nullptr;
  RenderSpace* space = nullptr;
  Record record;
};

struct CameraEntry
{
  CameraView* camera;
  RenderSpace* space;
  std::string spaceName;  // kept so a frame never has to ask a space that may be gone
};

class Graphics
{
public:
  using PassBuffers = std::map<Pass*, std::unique_ptr<InstanceBuffer>, PassOrderCompare>;
  using LayerBuffers = std::map<Layer*, PassBuffers, LayerDepthCompare>;

  Graphics();
  virtual ~Graphics();
  Graphics(const Graphics&) = delete;
  Graphics& operator=(const Graphics&) = delete;

  // The renderer published by the session (the session is one), for components that register
  // cameras or read the window; null outside its life.
  static Graphics* Current();
  static void SetCurrent(Graphics* renderer);

  // --- Window --------------------------------------------------------------------------------
  // Opens the window and its GL context; a failure is reported and ends the program. The
  // session sets the interface binding up for the window afterwards.
  void CreateWindow(bool fullscreen = true);
  // The same with a hidden window of this size, which counts as full screen: everything is drawn,
  // into a picture nobody sees, at the cost of its few pixels.
  void CreateHiddenWindow(unsigned width, unsigned height);
  // Draws into a window opened elsewhere (tests and benchmarks use a small hidden one).
  void AttachWindow(Window* existing);
  void SetFullscreen();
  void SetWindowed();
  bool IsFullscreen() const;
  SDL_Window* GetWindow() const;
  unsigned GetWindowWidth() const;
  unsigned GetWindowHeight() const;

  // --- Set-up and layers ---------------------------------------------------------------------
  // Builds the projection, the passes, the fourteen layers, the screen targets and the two
  // screen shaders. The resource list must be loaded: the passes take "THE_ATLAS" from it.
  // False when a shader it needs was missing or did not link (reported): nothing may be drawn then.
  bool Initialize();
  Layer* AddLayer(const std::string& name, float depth);
  Layer* GetLayer(const std::string& name);
  Pass* GetPass(const std::string& name);
  // Enters a pass under `name`; its order must differ from every other pass's.
  Pass* AddPass(const std::string& name, std::unique_ptr<Pass> pass);

  // --- Filing records ------------------------------------------------------------------------
  template <typename Record>
  void AddInstance(const InstanceSubmission<Record>& submission)
  {
    if (InstanceBuffer* buffer = GetBuffer(submission.layer, submission.pass, submission.space))
      File(*buffer, submission.record);
  }
  // Appends a record to a buffer of the renderer, which gets its record size with its first one.
  template <typename Record>
  static void File(InstanceBuffer& buffer, const Record& record)
  {
    if (buffer.Get() == nullptr)
      MakeInstanceBuffer<sizeof(Record)>(buffer);
    buffer.PushBack(record);
  }
  // The buffer of {space, layer, pass}, made on first use; null (reported once) when one of them
  // is missing. It stays where it is until the buffer epoch changes, so a component that files
  // every frame looks it up once (InstanceTarget).
  InstanceBuffer* GetBuffer(Layer* layer, Pass* pass, RenderSpace* space);
  // Changes whenever buffers or layers are dropped or replaced; never the same for two renderers.
  std::uint64_t GetBufferEpoch() const { return bufferEpoch; }
  // Drops every record buffer filed under the space's name.
  void RemoveSpace(RenderSpace* space);

  // --- The frame -----------------------------------------------------------------------------
  void Render();
  // On by default: layers that received no record this frame are neither drawn, composed nor
  // cleared. Off, every layer goes through every step, which shows the same picture more slowly;
  // it is there to compare against.
  void SetSkipEmptyLayers(bool skip);

  // --- Cameras -------------------------------------------------------------------------------
  void RegisterCamera(CameraView* camera, RenderSpace* space);
  // Removes every entry of the camera.
  void UnregisterCamera(CameraView* camera);
  // The cameras of a space in registration order, or every camera when `space` is null.
  std::vector<CameraView*> GetCameras(RenderSpace* space) const;
  // The camera a space is seen through: the last one registered for it, or null.
  CameraView* GetSpaceCamera(RenderSpace* space) const;
  void ClearCameras() { cameras.clear(); }

  // --- Drawing steps -------------------------------------------------------------------------
  // Draws `source` over `destination` with whatever blend function is in force.
  void BlendTexture(Texture* source, Texture* destination);
  void PresentTexture(Texture* texture);
  // Clears to the current clear colour.
  static void ClearTexture(Texture* texture);
  // Clears to the current depth clear value, through `framebuffer` with `depth` attached.
  static void ClearDepth(Renderbuffer* depth, Framebuffer* framebuffer);

  // --- Matrices ------------------------------------------------------------------------------
  // A 2D affine matrix (glm, acting on column vectors (x, y, 1), translation in m[2]) written
  // as 16 floats whose four rows the shaders read as per-instance attributes: row 0 is
  // (m[0][0], m[1][0], 0, m[2][0]), row 1 (m[0][1], m[1][1], 0, m[2][1]), then (0, 0, 1, 0)
  // and (0, 0, 0, 1).
  static glm::mat4 ToMat4(const glm::mat3& m);
  // Back from a column-major 4 x 4 as the editor keeps it: the rows of the result are
  // (floats 0, 1, 12) and (floats 4, 5, 13); floats 12 and 13 are its translation.
  static glm::mat3 ToMat3(const glm::mat4& m);

  // --- Debug drawing -------------------------------------------------------------------------
  // Each request is ignored while debugDrawing is off, and in a space that has no camera.
  void DebugDrawLine(const glm::vec2& start, const glm::vec2& direction, float length, RenderSpace* space, fColor color);
  void DebugDrawCircle(const glm::mat3& transform, float diameter, RenderSpace* space, fColor color);
  void DebugDrawRect(const glm::mat3& transform, const glm::vec2& size, RenderSpace* space, fColor color);
  void DebugDrawCircleIfEnabled(const glm::vec2& position, float diameter, RenderSpace* space, fColor color);

  // Read by the passes; the session and the editor also write them.
  glm::mat4 projection{1.0f};
  bool debugDrawing = false;

  // What the frame composed last, and how many layers and spaces are filed; for tests and tools.
  Texture* GetCompositeTexture() const { return compositeTexture.get(); }
  const std::map<std::string, LayerBuffers>& GetSubmissions() const { return submissions; }
  const std::set<Layer*, LayerDepthCompare>& GetLayerOrder() const { return layerOrder; }

private:
  // A new buffer epoch, unique in the process.
  void DropBuffers();
  void BuildProjection();
  void CreateScreenQuad();
  void DebugDraw(const glm::mat3& shape, RenderSpace* space, fColor color, std::int32_t kind);
  bool SpaceHasCamera(const std::string& spaceName) const;
  static bool HasRecords(const PassBuffers& buffers);
  // Tells the layer cache what every layer in use draws this frame.
  void DescribeLayers();

  std::map<std::string, std::unique_ptr<Pass>> passes;
  std::map<std::string, std::unique_ptr<Layer>> layers;
  std::set<Layer*, LayerDepthCompare> layerOrder;
  std::map<std::string, LayerBuffers> submissions;
  std::uint64_t bufferEpoch = 0;
  std::vector<CameraEntry> cameras;
  std::set<Layer*, LayerDepthCompare> layersInUse;  // the layers this frame draws and composes
  std::set<Layer*, LayerDepthCompare> layersDrawn;  // of those, the ones cleared or kept this frame
  std::set<Layer*, LayerDepthCompare> layersHolding;  // the layers whose target holds a drawing
  LayerCache layerCache;
  bool skipEmptyLayers = true;
  GLuint screenQuadArray = 0;
  GLuint screenQuadBuffer = 0;
  Shader* presentShader = nullptr;
  Shader* blendShader = nullptr;
  GLint blendSourceLocation = 0;
  std::unique_ptr<Texture> sceneTexture;
  std::unique_ptr<Texture> spareTexture;
  std::unique_ptr<Texture> compositeTexture;
  std::unique_ptr<Window> ownWindow;
  Window* window = nullptr;
};
}  // namespace Graphics
