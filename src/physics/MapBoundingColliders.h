#pragma once
// Fences a play area with four rectangular walls around its owner: separate objects made from a
// prefab with a RectangleCollider, sized and placed here, kept in place when the owner moves or
// the level flow announces a new area size, and destroyed with the owner. The corner squares
// stay open: each wall is as long as the area.
#include "core/Handle.h"
#include "object/Component.h"

#include <string>
#include <vector>

class GameObject;
class PositionUpdateEvent;
class ResizeBoundary;

class MapBoundingColliders : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_MapBoundingColliders;

  MapBoundingColliders() : MapBoundingColliders(3000.0f, 3000.0f, 500.0f) {}
  MapBoundingColliders(float areaWidth, float areaHeight, float wallThickness);
  MapBoundingColliders& operator=(const MapBoundingColliders&) = default;

  void OnAwake() override;
  void OnDestroy() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  // The walls, once spawned, take the new sizes.
  void MembersChanged() override;

  void SpawnBoundaries();
  void Resize(float newWidth, float newHeight, float newThickness);
  void On(PositionUpdateEvent* event);
  void On(ResizeBoundary* event);

  const std::vector<Handle<GameObject>>& GetBoundaries() const { return boundaries; }

  float width;
  float height;
  float thickness;
  std::string boundaryPrefab;

private:
  Transient<std::vector<Handle<GameObject>>> boundaries;  // Right, Top, Left, Bottom
};
