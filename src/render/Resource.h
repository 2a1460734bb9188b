#pragma once
// A small value naming one loaded texture, shader or vertex array of the resource manager and
// pointing at it. It never owns what it points at: after the manager reloads or unloads, the
// pointer may be stale until Refresh compares generations and reads the entry again by name.
#include <cstdint>
#include <string>

namespace Graphics
{
class Shader;
class Texture;
}  // namespace Graphics

enum ResourceType : std::uint32_t
{
  TEXTURE = 0,
  SHADER = 1,
  VERTEX_ARRAY = 2,
  NONE = 3,  // no type yet: accepts a resource of any type
};

// The two GL names behind a vertex-array resource.
struct VertexArrayResource
{
  unsigned vertexArray = 0;
  unsigned buffer = 0;
};

class Resource
{
public:
  Resource() = default;
  Resource(Graphics::Texture* texture, std::string resourceName);
  Resource(Graphics::Shader* shader, std::string resourceName);
  Resource(const Resource& other) = default;
  // Takes all four fields when this handle is untyped or of the other's type; any other
  // assignment is a fatal check ("Assigning resources of different types").
  Resource& operator=(const Resource& other);

  // Re-reads the manager's entry of this name when the manager's generation has moved on.
  void Refresh();
  // Makes the handle untyped again; the other fields stay.
  void Clear() { type = NONE; }
  // Draws a preview into the current ImGui window (defined in editor/ResourceChooser.cpp).
  void DrawPreview() const;

  Graphics::Texture* AsTexture() const { return type == TEXTURE ? static_cast<Graphics::Texture*>(data) : nullptr; }
  Graphics::Shader* AsShader() const { return type == SHADER ? static_cast<Graphics::Shader*>(data) : nullptr; }

  void* data = nullptr;
  ResourceType type = NONE;
  std::string name;
  std::uint32_t generation = 0;
};
