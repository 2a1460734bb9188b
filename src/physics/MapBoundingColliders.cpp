#include "physics/MapBoundingColliders.h"

#include "core/Log.h"
#include "core/Send.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/Members.h"
#include "object/ObjectEvents.h"
#include "object/Transform.h"
#include "physics/PhysicsEvents.h"
#include "physics/PhysicsModule.h"
#include "physics/RectangleCollider.h"
#include "platform/Assert.h"

MapBoundingColliders::MapBoundingColliders(float areaWidth, float areaHeight, float wallThickness)
    : Component(TypeId), width(areaWidth), height(areaHeight), thickness(wallThickness)
{
}

void MapBoundingColliders::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "width", &width, RenderFloat, 3000.0f);
  Members::AddMember(members, "height", &height, RenderFloat, 3000.0f);
  Members::AddMember(members, "thickness", &thickness, RenderFloat, 500.0f);
  Members::AddMember(members, "boundaryPrefab", &boundaryPrefab, RenderPrefabName, std::string());
}

void MapBoundingColliders::MembersChanged()
{
  if (boundaries.size() == 4)
    Resize(width, height, thickness);
}

void MapBoundingColliders::OnAwake()
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  SpawnBoundaries();
  SubscribeOnOwner<PositionUpdateEvent>(this);
  if (PhysicsModule::Of(object->GetSpace()) != nullptr)
    SubscribeOnSpace<ResizeBoundary>(this);
}

void MapBoundingColliders::SpawnBoundaries()
{
  if (!boundaries.empty())
  {
    // Woken twice (a level loaded into a space that holds it already): the walls it made stay.
    LogError("Someone is calling SpawnBoundaries twice, don't do this please.");
    return;
  }
  GameObject* object = GetGameObject();
  GameobjectFactory* factory = GameobjectFactory::Instance();
  if (object == nullptr || factory == nullptr)
    return;
  for (const char* name : {"Right Boundary", "Top Boundary", "Left Boundary", "Bottom Boundary"})
  {
    Handle<GameObject> wall;
    factory->CreateGameObject(wall, boundaryPrefab, object->GetSpace(), name);
    boundaries.push_back(wall);
  }
  Resize(width, height, thickness);
}

void MapBoundingColliders::Resize(float newWidth, float newHeight, float newThickness)
{
  width = newWidth;
  height = newHeight;
  thickness = newThickness;
  if (boundaries.size() != 4)
  {
    LogError("For some reason map boundary object doesn't have four bounding collidres.");
    return;
  }
  GameObject* object = GetGameObject();
  Transform* ownerTransform = object != nullptr ? object->GetTransform() : nullptr;
  const glm::vec2 centre = ownerTransform != nullptr ? ownerTransform->GetWorldPosition() : glm::vec2{0.0f, 0.0f};
  const float sideOffset = thickness / 2.0f + width / 2.0f;
  const float endOffset = height / 2.0f + thickness / 2.0f;
  const glm::vec2 sizes[4] = {{thickness, height}, {width, thickness}, {thickness, height}, {width, thickness}};
  const glm::vec2 centres[4] = {{centre.x + sideOffset, centre.y},
                                {centre.x, centre.y + endOffset},
                                {centre.x - sideOffset, centre.y},
                                {centre.x, centre.y - endOffset}};
  for (int index = 0; index < 4; ++index)
  {
    GameObject* wall = boundaries[index].Get();
    if (wall == nullptr)
      continue;
    auto* collider = wall->GetComponent<RectangleCollider>();
    Transform* wallTransform = wall->GetTransform();
    if (collider == nullptr || wallTransform == nullptr)
      continue;
    collider->SetSize(sizes[index].x, sizes[index].y);
    wallTransform->SetWorldPosition(centres[index].x, centres[index].y);
  }
}

void MapBoundingColliders::On(PositionUpdateEvent*)
{
  Resize(width, height, thickness);
}

void MapBoundingColliders::On(ResizeBoundary* event)
{
  Resize(event->width, event->height, 100.0f);
  GameObject* object = GetGameObject();
  if (Transform* ownerTransform = object != nullptr ? object->GetTransform() : nullptr)
    ownerTransform->SetWorldPosition(event->center.x, event->center.y);
}

void MapBoundingColliders::OnDestroy()
{
  for (const Handle<GameObject>& wall : boundaries)
  {
    if (!wall.IsValid())
      continue;
    Queue<GameObjectDestroyedEvent>(BRINDLE_SITE, wall->GetId(), wall);
  }
}
