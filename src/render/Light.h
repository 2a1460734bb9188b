#pragma once
// The region a light at its object's position can see within its radius. Every drawn frame it
// casts a fan of 51 rays into the physics world of its space with the collision group "LIGHT";
// each ray stops at the first obstacle. The result is a closed triangle fan, the centre then 51
// rim points, kept relative to the centre and drawn as a soft glow on the floor.
#include "core/fColor.h"
#include "object/Component.h"
#include "render/InstanceTarget.h"

#include <glm/vec2.hpp>

#include <vector>

class DrawEvent;
class PhysicsModule;
class Space;
class Transform;
class UpdateEvent;
namespace Graphics
{
struct Layer;
}

class Light : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Light;
  static constexpr int RayCount = 51;
  static constexpr const char* DrawLayer = "DL_FLOOR";

  Light();
  Light& operator=(const Light&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void On(UpdateEvent* event);
  void On(DrawEvent* event);

  // Recomputes the fan around the transform's world position; rays go into `physics` when
  // there is one, else every ray reaches the full radius.
  void ComputePolygon(PhysicsModule* physics);

  // The centre (0, 0) first, then the rim points, all relative to GetCentre().
  const std::vector<glm::vec2>& GetVertices() const { return vertices; }
  glm::vec2 GetCentre() const { return centre; }
  Space* GetDrawnSpace() const { return drawnSpace; }

  float radius = 0.0f;
  fColor color;

private:
  Transient<Transform*> transform = nullptr;
  Transient<Graphics::Layer*> layer = nullptr;  // DrawLayer, found with the renderer of the target's buffer
  Transient<Graphics::InstanceTarget> target;
  glm::vec2 centre{0.0f, 0.0f};
  Transient<std::vector<glm::vec2>> vertices;
  Transient<Space*> drawnSpace = nullptr;
};
