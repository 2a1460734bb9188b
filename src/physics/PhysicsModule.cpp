#include "physics/PhysicsModule.h"

#include "core/EventManager.h"
#include "core/Log.h"
#include "core/MemoryManager.h"
#include "core/Profiler.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/CircleCollider.h"
#include "physics/PhysicsDebugDraw.h"
#include "physics/PhysicsEvents.h"
#include "physics/RectangleCollider.h"
#include "physics/Rigidbody.h"
#include "physics/ShapeTests.h"
#include "platform/Assert.h"

#include <cfloat>
#include <cmath>
#include <new>  // for placement new

const fColor PhysicsModule::RayHitColour{0.0f, 1.0f, 0.0f, 1.0f};
const fColor PhysicsModule::RayMissColour{1.0f, 1.0f, 0.0f, 1.0f};

namespace
{
constexpr auto InvalidGroup = static_cast<std::uint32_t>(CollisionGroup::INVALID_GROUP);

float Length(glm::vec2 vector)
{
  return std::sqrt(vector.x * vector.x + vector.y * vector.y);
}

void QueueCollision(const PhysicsObject& receiver, const PhysicsObject& touched)
{
  // A body past the channels is simulated all the same, but nothing can hear it.
  if (!EventManager::HasChannel(receiver.objectId))
    return;
  auto* event = MemoryManager::New<CollisionEvent>(BRINDLE_SITE, receiver.objectId, receiver.object, touched.object,
                                                   touched.CollisionGroup());
  if (event == nullptr)
    return;
  if (EventManager* events = EventManager::Instance())
    events->QueueEvent(event);
  else
    MemoryManager::Delete(event);
}
}  // namespace

PhysicsModule::PhysicsModule(Space* owningSpace, std::uint32_t owningSpaceId) : space(owningSpace), spaceId(owningSpaceId)
{
}

PhysicsModule::~PhysicsModule()
{
  for (auto& entry : entries)
    grid.Remove(entry->gridRecord);
}

std::unique_ptr<SpacePhysics> PhysicsModule::Make(Space& space)
{
  return std::make_unique<PhysicsModule>(&space, space.GetId());
}

PhysicsModule* PhysicsModule::Of(const Space* space)
{
  // Only this class implements a space's physics; a stand-in of a test is not a module.
  return space != nullptr ? dynamic_cast<PhysicsModule*>(space->GetPhysics()) : nullptr;
}

PhysicsModule* PhysicsModule::JoiningModule(const Component& component, Transform*& transform)
{
  GameObject* object = component.GetGameObject();
  if (object == nullptr)
    return nullptr;
  transform = object->GetTransform();
  PhysicsModule* module = Of(object->GetSpace());
  if (module == nullptr)
    LogError(component.GetTypeName(), " of \"", object->GetName(), "\" found no physics module in its space.");
  return module;
}

PhysicsObject* PhysicsModule::Find(std::uint32_t objectId) const
{
  const auto found = registry.find(objectId);
  return found == registry.end() ? nullptr : found->second;
}

// ---- Registration ---------------------------------------------------------------------------

PhysicsObject* PhysicsModule::Register(const Handle<GameObject>& object)
{
  if (!object.IsValid())
    return nullptr;
  const std::uint32_t id = object->GetId();
  if (lastTouched != nullptr && lastTouched->objectId == id)
    return lastTouched;

  PhysicsObject* entry = Find(id);
  if (entry == nullptr)
  {
    entry = NewEntry(object, id);
    entry->slot = entries.size();
    entries.push_back(entry);
    entry->movingSlot = moving.size();
    moving.push_back(entry);
    registry[id] = entry;
  }
  // Objects that only ever had a Transform do not stay registered.
  PhysicsObject* previous = lastTouched;
  if (previous != nullptr && previous != entry && previous->rigidbody == nullptr && previous->collider == nullptr)
    RemoveObject(previous->objectId);
  lastTouched = entry;
  return entry;
}

void PhysicsModule::AddTransform(Transform* transform, const Handle<GameObject>& object)
{
  if (PhysicsObject* entry = Register(object))
    entry->transform = transform;
}

void PhysicsModule::AddRigidbody(Rigidbody* rigidbody, const Handle<GameObject>& object)
{
  PhysicsObject* entry = Register(object);
  if (entry == nullptr)
    return;
  entry->SetRigidbody(rigidbody);
  if (entry->transform == nullptr)
    entry->transform = object->GetTransform();
}

void PhysicsModule::AddCollider(Collider* collider, const Handle<GameObject>& object)
{
  if (!object.IsValid())
  {
    Log(LogLevel::Error,
        "Invalid handle provided in PhysicsModule::AddCollider! Feel free to add an assert if you want to debug.");
    return;
  }
  PhysicsObject* entry = Register(object);
  if (entry == nullptr)
    return;
  entry->collider = collider;
  if (entry->transform == nullptr)
    entry->transform = object->GetTransform();
  if (collider != nullptr && collider->GetTypeId() == RectangleCollider::TypeId)
    SetStatic(*entry, static_cast<RectangleCollider*>(collider)->mapFlag);
  FileInGrid(*entry, 0.0f);
}

void PhysicsModule::RemoveObject(std::uint32_t objectId)
{
  PhysicsObject* entry = Find(objectId);
  if (entry == nullptr)
    return;
  grid.Remove(entry->gridRecord);
  if (entry->isStatic)
    pairs.StaticsChanged();
  if (lastTouched == entry)
    lastTouched = nullptr;
  registry.erase(objectId);
  SetStatic(*entry, true);
  const std::size_t slot = entry->slot;
  entries[slot] = entries.back();
  entries[slot]->slot = slot;
  entries.pop_back();
  // The handle goes at once, so the freed record keeps nothing of the object alive.
  entry->object.Reset();
  freeEntries.push_back(entry);
}

void PhysicsModule::RemoveComponent(std::uint32_t objectId, const Component* component)
{
  PhysicsObject* entry = Find(objectId);
  if (entry == nullptr || component == nullptr)
    return;
  if (entry->collider == component)
  {
    // Out of the grid and, as a static shape no more (SetStatic tells the pairs), out of the pairs:
    // nothing may find the shape any more.
    grid.Remove(entry->gridRecord);
    entry->collider = nullptr;
    SetStatic(*entry, false);
  }
  if (entry->rigidbody == component)
    entry->SetRigidbody(nullptr);
  if (entry->transform == component)
    entry->transform = nullptr;
  if (entry->collider == nullptr && entry->rigidbody == nullptr)
    RemoveObject(objectId);
}

PhysicsObject* PhysicsModule::NewEntry(const Handle<GameObject>& object, std::uint32_t id)
{
  if (freeEntries.empty())
  {
    auto chunk = std::make_unique<PhysicsObject[]>(EntriesPerChunk);
    for (std::size_t index = EntriesPerChunk; index-- > 0;)
      freeEntries.push_back(&chunk[index]);
    chunks.push_back(std::move(chunk));
  }
  PhysicsObject* entry = freeEntries.back();
  freeEntries.pop_back();
  entry->~PhysicsObject();
  return new (entry) PhysicsObject(object, id);
}

void PhysicsModule::SetStatic(PhysicsObject& entry, bool isStatic)
{
  const bool listed = entry.movingSlot != PhysicsObject::NotMoving;
  if (entry.isStatic && !isStatic)
    pairs.StaticsChanged();
  entry.isStatic = isStatic;
  if (isStatic && listed)
  {
    PhysicsObject* last = moving.back();
    moving[entry.movingSlot] = last;
    last->movingSlot = entry.movingSlot;
    moving.pop_back();
    entry.movingSlot = PhysicsObject::NotMoving;
  }
  else if (!isStatic && !listed)
  {
    entry.movingSlot = moving.size();
    moving.push_back(&entry);
  }
}

void PhysicsModule::FileInGrid(PhysicsObject& entry, float dt)
{
  if (entry.collider == nullptr)
    return;
  const glm::vec2 position = entry.GetPosition();
  const float radius = entry.GetBoundingRadius(dt);
  const glm::vec2 extent = entry.GetBoundingExtent(position, radius);
  entry.solverBody.position = position;
  // A record already in its cell only takes the new bounds: most moves stay within a cell.
  grid.Insert(entry.gridRecord, position, radius, extent);
  if (entry.isStatic)
    pairs.StaticsChanged();
}

void PhysicsModule::UpdateObject(std::uint32_t objectId, float dt)
{
  // The space hears the step's own moves too; the step refiles the body itself once it has moved.
  if (movingEntry != nullptr && movingEntry->objectId == objectId)
    return;
  if (PhysicsObject* entry = Find(objectId))
    FileInGrid(*entry, dt);
}

// ---- The step -------------------------------------------------------------------------------

void PhysicsModule::Update(float dt)
{
  const std::int32_t count = timer.Advance(dt);
  Step(timer.StepLength(), count);
}

void PhysicsModule::Step(float dt, std::int32_t count)
{
  DropDeadEntries();
  // Static entries stay where they were filed (a move by hand refiles them through the space);
  // the step walks the moving ones alone.
  for (std::int32_t subStep = 0; subStep < count; ++subStep)
  {
    Profiler::BeginScope("IntegrateForces", "");
    for (std::size_t index = 0; index < moving.size(); ++index)
      moving[index]->IntegrateForces(dt, maxSpeed);
    Profiler::EndScope();

    Profiler::BeginScope("RunCollisions", "");
    RunCollisions(dt);
    contacts.ComputeBias(dt);
    contacts.Solve(iterations);
    Profiler::EndScope();

    Profiler::BeginScope("IntegrateVelocity", "");
    MoveBodies(dt);
    Profiler::EndScope();
  }

  Profiler::BeginScope("ClearAccums", "");
  for (PhysicsObject* entry : moving)
    if (entry->rigidbody != nullptr)
      entry->rigidbody->ClearAccumulators();
  Profiler::EndScope();
}

void PhysicsModule::DropDeadEntries()
{
  // An object torn down without its space telling us leaves a record with stale pointers.
  for (std::size_t index = entries.size(); index-- > 0;)
    if (!entries[index]->object.IsValid())
      RemoveObject(entries[index]->objectId);
}

void PhysicsModule::MoveBodies(float dt)
{
  for (std::size_t index = 0; index < moving.size(); ++index)
  {
    PhysicsObject& entry = *moving[index];
    movingEntry = &entry;
    entry.IntegrateVelocity(dt);
    movingEntry = nullptr;
    // Where it now stands, for the next sub-step and the frame's ray casts.
    FileInGrid(entry, 0.0f);
  }
}

void PhysicsModule::RunCollisions(float dt)
{
  contacts.Clear();
  if (pairs.StaticsAreStale())
  {
    // Static entries are found where they were last filed.
    pairs.ClearStatics();
    for (PhysicsObject* entry : entries)
      if (entry->isStatic && entry->gridRecord.inGrid)
        pairs.AddStatic(entry, entry->gridRecord.position, entry->gridRecord.radius, entry->gridRecord.extent);
  }
  pairs.ClearBodies();
  for (PhysicsObject* entry : moving)
  {
    const glm::vec2 position = entry->GetPosition();
    entry->solverBody.position = position;
    if (entry->collider == nullptr)
      continue;
    // With the radius it sweeps this sub-step, so that every pair with it is in reach.
    const float radius = entry->GetBoundingRadius(dt);
    pairs.AddBody(entry, position, radius, entry->GetBoundingExtent(position, radius));
  }
  pairs.Find();
  for (std::uint32_t number = 0; number < pairs.BodyCount(); ++number)
  {
    PhysicsObject& querying = *pairs.Body(number);
    for (PhysicsObject* other : pairs.Of(number))
      CheckCollision(*other, querying, dt);
  }
  // Only after the whole sub-step: what a shot touches at once (an enemy against a wall) it all
  // touches.
  for (PhysicsObject* shot : touchedShots)
    shot->spent = true;
  touchedShots.clear();
  contacts.Sort();
}

void PhysicsModule::CheckCollision(PhysicsObject& found, PhysicsObject& querying, float dt)
{
  Collider* first = found.collider;
  Collider* second = querying.collider;
  if (first == nullptr || second == nullptr || !first->IsActive() || !second->IsActive() || found.spent ||
      querying.spent)
    return;
  const std::uint32_t response = responseTable.Get(found.CollisionGroup(), querying.CollisionGroup());
  if (response == NoResponse)
    return;

  ContactManifold manifold;
  const bool firstIsCircle = first->GetTypeId() == CircleCollider::TypeId;
  const bool secondIsCircle = second->GetTypeId() == CircleCollider::TypeId;
  // Where both stood when filed this sub-step; nothing has moved since.
  const glm::vec2 firstPosition = found.solverBody.position;
  const glm::vec2 secondPosition = querying.solverBody.position;
  bool touching = false;
  if (!firstIsCircle && !secondIsCircle)
  {
    auto* a = static_cast<RectangleCollider*>(first);
    auto* b = static_cast<RectangleCollider*>(second);
    touching = RectangleRectangleTest(firstPosition, a->scale, found.GetRotation(), secondPosition, b->scale,
                                      querying.GetRotation(), manifold);
  }
  else if (firstIsCircle && secondIsCircle)
  {
    touching = CircleCircleTest(firstPosition, first->GetBoundingRadius(), secondPosition,
                                second->GetBoundingRadius(), manifold);
  }
  else
  {
    PhysicsObject& circle = firstIsCircle ? found : querying;
    PhysicsObject& rectangle = firstIsCircle ? querying : found;
    auto* circleCollider = static_cast<CircleCollider*>(circle.collider);
    auto* rectangleCollider = static_cast<RectangleCollider*>(rectangle.collider);
    const bool circleIsSecond = !firstIsCircle;
    const glm::vec2 circlePosition = firstIsCircle ? firstPosition : secondPosition;
    const glm::vec2 rectanglePosition = firstIsCircle ? secondPosition : firstPosition;
    if (circleCollider->dynamicTests && circle.HasActiveBody())
      touching = SweptCircleRectangleTest(circlePosition, circleCollider->radius, circle.rigidbody->velocity * dt,
                                          rectanglePosition, rectangleCollider->scale, rectangle.GetRotation(),
                                          manifold, circleIsSecond);
    else
      touching = CollisionTest(circlePosition, circleCollider->radius, rectanglePosition, rectangleCollider->scale,
                               rectangle.GetRotation(), manifold, circleIsSecond);
  }
  if (!touching)
    return;

  QueueCollision(found, querying);
  QueueCollision(querying, found);
  for (PhysicsObject* entry : {&found, &querying})
    if (entry->collider->endsAtFirstContact)
      touchedShots.push_back(entry);

  if (response != PushResponse || first->ghost || second->ghost)
    return;
  // A sweep that only reaches the wall at the end of the step has nothing to push yet.
  if (manifold.count <= 0)
    return;
  if (found.isStatic)
  {
    manifold.first = &querying.solverBody;
    manifold.second = nullptr;
    second->colliding = true;
    for (int index = 0; index < manifold.count; ++index)
      manifold.points[index].normal = -manifold.points[index].normal;
  }
  else
  {
    manifold.first = &found.solverBody;
    manifold.second = &querying.solverBody;
    first->colliding = true;
    second->colliding = true;
  }
  contacts.Insert(manifold);
}

// ---- Ray casts ------------------------------------------------------------------------------

bool PhysicsModule::IntersectRayWithObject(glm::vec2 origin, glm::vec2 direction, float maxDistance,
                                           std::uint32_t group, PhysicsObject& entry, float& distance,
                                           glm::vec2& point, bool& blocking, std::uint32_t blockGroup)
{
  blocking = false;
  if (entry.collider == nullptr || !entry.collider->IsActive())
    return false;
  const std::uint32_t entryGroup = entry.CollisionGroup();
  const std::uint32_t rayResponse = responseTable.Get(group, entryGroup);
  const std::uint32_t blockResponse = responseTable.Get(blockGroup, entryGroup);
  if (rayResponse == NoResponse && (blockGroup == InvalidGroup || blockResponse == NoResponse))
    return false;

  const glm::vec2 end = origin + direction * maxDistance;
  float fraction = 0.0f;
  bool hit = false;
  if (entry.ColliderType() == CircleCollider::TypeId)
  {
    hit = SegmentCircleIntersect(origin, end, entry.GetPosition(), entry.collider->GetBoundingRadius(), fraction);
    if (hit)
      point = origin + (end - origin) * fraction;
  }
  else if (entry.ColliderType() == RectangleCollider::TypeId)
  {
    hit = SegmentRectangleIntersect(origin, end, entry.GetPosition(), static_cast<RectangleCollider*>(entry.collider)->scale,
                                    entry.GetRotation(), fraction, point);
  }
  else
  {
    Assert("PhysicsObject::ColliderType() returned incorrect value.", __LINE__, __FILE__,
           "PhysicsModule::IntersectRayWithObject");
    return false;
  }
  if (!hit)
    return false;
  distance = fraction * Length(end - origin);
  blocking = blockGroup != InvalidGroup && blockResponse != NoResponse;
  return true;
}

bool PhysicsModule::RayCast(glm::vec2 origin, glm::vec2 direction, float maxDistance, std::uint32_t group,
                            bool drawRay, RayCastResult& result, bool fillOnMiss)
{
  const glm::vec2 end = origin + direction * maxDistance;
  grid.CastRay(origin, end, true,
               [&](GridRecord& record, RayHit& hit) {
                 return IntersectRayWithObject(origin, direction, maxDistance, group, *record.owner, hit.distance,
                                               hit.point, hit.blocking, InvalidGroup);
               },
               rayHits);
  const bool hit = !rayHits.empty();
  if (hit)
  {
    result.distance = rayHits.front().distance;
    result.point = rayHits.front().point;
    result.object = rayHits.front().record->owner->object;
  }
  else if (fillOnMiss)
  {
    result.distance = maxDistance;
    result.point = end;
    result.object.Reset();
  }
  if (drawRay)
  {
    const float length = Length(end - origin);
    DrawRay(origin, direction, hit ? result.distance : 0.0f, hit ? result.distance : length);
  }
  return hit;
}

std::uint32_t PhysicsModule::RayCastAll(glm::vec2 origin, glm::vec2 direction, float maxDistance,
                                        std::uint32_t group, bool drawRay, std::vector<RayCastResult>& results,
                                        float& distance, bool& blocked, std::uint32_t blockGroup,
                                        std::uint32_t passedObject)
{
  const glm::vec2 end = origin + direction * maxDistance;
  blocked = grid.CastRay(origin, end, false,
                         [&](GridRecord& record, RayHit& hit) {
                           return (passedObject == 0 || record.owner->objectId != passedObject) &&
                                  IntersectRayWithObject(origin, direction, maxDistance, group, *record.owner,
                                                         hit.distance, hit.point, hit.blocking, blockGroup);
                         },
                         rayHits);
  distance = blocked ? rayHits.back().distance : FLT_MAX;
  results.clear();
  for (const RayHit& hit : rayHits)
    results.push_back({hit.distance, hit.point, hit.record->owner->object});
  if (drawRay)
  {
    const float length = blocked ? distance : Length(end - origin);
    DrawRay(origin, direction, rayHits.empty() ? 0.0f : rayHits.back().distance, length);
  }
  return static_cast<std::uint32_t>(results.size());
}

void PhysicsModule::DrawRay(glm::vec2 origin, glm::vec2 direction, float hitLength, float totalLength)
{
  const float directionLength = Length(direction);
  if (debugDraw == nullptr || !(directionLength > 0.0f))
    return;
  const glm::vec2 unit = direction / directionLength;
  if (hitLength > 0.0f)
    debugDraw->DrawLine(origin, unit, hitLength, RayHitColour);
  if (totalLength > hitLength)
    debugDraw->DrawLine(origin + unit * hitLength, unit, totalLength - hitLength, RayMissColour);
}

void PhysicsModule::DebugDraw()
{
  if (debugDraw == nullptr)
    return;
  for (auto& entry : entries)
    if (entry->collider != nullptr && entry->object.IsValid())
      entry->collider->DebugDraw(entry->GetRotation(), entry->GetPosition(), *debugDraw);
}
