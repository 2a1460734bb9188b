#pragma once
// The physics of one space. It keeps a record (PhysicsObject) per game object that has a
// Transform, Rigidbody or collider and, once per frame, advances them in fixed sub-steps: forces
// into velocities (with drag and a speed limit), pairs (StepPairs) filtered by the collision
// response table and tested by shape, a CollisionEvent queued to each object of every touching
// pair, impulses for physical contacts, and finally the moves. A collider that ends at its first
// contact (a shot) neither moves nor touches after the sub-step in which it first touched. The
// broad-phase grid holds every entry where it stands, for the ray casts; a body's record changes
// cells only when the body does. It also draws the colliders in the debug view.
//
// A space gets its module from the installed maker (Make) when it is made; everyone finds it with
// Of(space), which reads the space's own pointer. The space calls RemoveObject before it deletes
// an object, and UpdateObject(id, 0) when it hears PositionUpdateEvent for one of its objects;
// the session calls Update once per frame before the space's update events, and DebugDraw with a
// drawer installed by SetDebugDraw.
#include "core/Handle.h"
#include "core/fColor.h"
#include "object/SpacePhysics.h"
#include "physics/BroadPhaseGrid.h"
#include "physics/CollisionResponseTable.h"
#include "physics/ContactSolver.h"
#include "physics/FixedStepTimer.h"
#include "physics/StepPairs.h"
#include "physics/PhysicsObject.h"
#include "physics/RayCastResult.h"

#include <cstdint>
#include <glm/vec2.hpp>
#include <memory>
#include <unordered_map>
#include <vector>

class Collider;
class Component;
class GameObject;
class PhysicsDebugDraw;
class Rigidbody;
class Space;
class Transform;

class PhysicsModule final : public SpacePhysics
{
public:
  static const fColor RayHitColour;
  static const fColor RayMissColour;

  PhysicsModule(Space* owningSpace, std::uint32_t owningSpaceId);
  ~PhysicsModule() override;
  PhysicsModule(const PhysicsModule&) = delete;
  PhysicsModule& operator=(const PhysicsModule&) = delete;

  // The maker spaces are given by the session: a module for the space and its id.
  static std::unique_ptr<SpacePhysics> Make(Space& space);
  // The module of a space, or null.
  static PhysicsModule* Of(const Space* space);
  // The module a waking physics component joins: finds its object's Transform (stored in
  // `transform`) and its space's module, reporting a space without one. Null when there is no
  // object or no module; `transform` is left alone when there is no object.
  static PhysicsModule* JoiningModule(const Component& component, Transform*& transform);
  Space* GetSpace() const { return space; }
  // The channel of the space's per-frame events.
  std::uint32_t GetSpaceId() const { return spaceId; }

  // Registration, from the components' OnAwake.
  void AddTransform(Transform* transform, const Handle<GameObject>& object) override;
  void AddRigidbody(Rigidbody* rigidbody, const Handle<GameObject>& object);
  void AddCollider(Collider* collider, const Handle<GameObject>& object);
  // Unlinks and erases the object's record; an id without one is ignored.
  void RemoveObject(std::uint32_t objectId) override;
  // The record forgets the component when it is its Transform, body or collider; a record left
  // with neither body nor collider goes, as one that never had them is not kept.
  void RemoveComponent(std::uint32_t objectId, const Component* component) override;
  // Refiles the object in the grid at its present position (the space calls it with dt 0 when
  // an object is moved by hand).
  void UpdateObject(std::uint32_t objectId, float dt) override;

  // Once per frame: cuts dt into sub-steps, carrying the remainder.
  void Update(float dt);
  void Step(float dt, std::int32_t count);
  void DebugDraw();
  void SetDebugDraw(PhysicsDebugDraw* drawer) { debugDraw = drawer; }
  // The space's debug drawer, or null; other subsystems draw their debug shapes through it too.
  PhysicsDebugDraw* GetDebugDraw() const { return debugDraw; }

  // The nearest object the ray may hit within maxDistance; true on a hit. On a miss with
  // fillOnMiss the result becomes {maxDistance, end point, no object}, otherwise it is left alone.
  bool RayCast(glm::vec2 origin, glm::vec2 direction, float maxDistance, std::uint32_t group, bool drawRay,
               RayCastResult& result, bool fillOnMiss);
  // Every object the ray hits up to and including the first of the blocking group
  // (INVALID_GROUP: nothing blocks), nearest first. distance is where it was blocked (the
  // largest float when not). Returns the number of results. The object of id `passedObject` (0:
  // none), a caster whose own body the ray starts in, is neither hit nor blocks.
  std::uint32_t RayCastAll(glm::vec2 origin, glm::vec2 direction, float maxDistance, std::uint32_t group,
                           bool drawRay, std::vector<RayCastResult>& results, float& distance, bool& blocked,
                           std::uint32_t blockGroup, std::uint32_t passedObject = 0);
  bool IntersectRayWithObject(glm::vec2 origin, glm::vec2 direction, float maxDistance, std::uint32_t group,
                              PhysicsObject& entry, float& distance, glm::vec2& point, bool& blocking,
                              std::uint32_t blockGroup);

  // The pair test: `found` came from the grid, `querying` is the non-static entry whose query ran.
  void CheckCollision(PhysicsObject& found, PhysicsObject& querying, float dt);

  PhysicsObject* Find(std::uint32_t objectId) const;
  std::size_t EntryCount() const { return entries.size(); }
  const CollisionResponseTable& GetResponseTable() const { return responseTable; }
  const BroadPhaseGrid& GetGrid() const { return grid; }
  const ContactSolver& GetContacts() const { return contacts; }

  float maxSpeed = 2000.0f;
  std::int32_t iterations = 10;
  FixedStepTimer timer;

private:
  // Finds or makes the object's record and makes it the last touched; null for a dead handle.
  PhysicsObject* Register(const Handle<GameObject>& object);
  // Moves the entry between the moving and the static ones.
  void SetStatic(PhysicsObject& entry, bool isStatic);
  void FileInGrid(PhysicsObject& entry, float dt);
  void RunCollisions(float dt);
  void MoveBodies(float dt);
  void DropDeadEntries();
  void DrawRay(glm::vec2 origin, glm::vec2 direction, float hitLength, float totalLength);

  Space* space;
  std::uint32_t spaceId;
  // Records live in chunks, so that the step walks memory in the order they were made.
  static constexpr std::size_t EntriesPerChunk = 256;
  PhysicsObject* NewEntry(const Handle<GameObject>& object, std::uint32_t id);
  std::vector<std::unique_ptr<PhysicsObject[]>> chunks;
  std::vector<PhysicsObject*> freeEntries;
  std::vector<PhysicsObject*> entries;
  std::vector<PhysicsObject*> moving;  // the entries that are not static, in the order the step walks them
  std::unordered_map<std::uint32_t, PhysicsObject*> registry;
  PhysicsObject* lastTouched = nullptr;
  ContactSolver contacts;
  BroadPhaseGrid grid;
  StepPairs pairs;
  CollisionResponseTable responseTable;
  PhysicsDebugDraw* debugDraw = nullptr;
  PhysicsObject* movingEntry = nullptr;  // while the step moves it
  std::vector<RayHit> rayHits;  // reused by every cast
  std::vector<PhysicsObject*> touchedShots;  // the sub-step's: spent once it is over
};
