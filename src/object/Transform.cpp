#include "object/Transform.h"

#include "core/EventManager.h"
#include "core/FiniteCheck.h"
#include "core/Send.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/ObjectEvents.h"
#include "object/Space.h"
#include "platform/Assert.h"

#include <algorithm>
#include <cmath>
#include <glm/geometric.hpp>
#include <glm/mat3x3.hpp>
#include <glm/matrix.hpp>  // for glm::inverse

// glm matrices are stored by column: element (row r, column c) is matrix[c][r].

namespace
{
void SendPositionUpdate(const Handle<GameObject>& object)
{
  GameObject* moved = object.Get();
  // An object past the channels has no one to tell.
  if (moved == nullptr || !EventManager::HasChannel(moved->GetId()))
    return;
  SendNow<PositionUpdateEvent>(BRINDLE_SITE, moved->GetId(), object);
}

// Translate(position) x Rotate(rotation) x Scale(scale).
glm::mat3 PlacementMatrix(glm::vec2 position, float rotation, glm::vec2 scale)
{
  const float cosine = std::cos(rotation);
  const float sine = std::sin(rotation);
  glm::mat3 matrix(1.0f);
  matrix[0][0] = scale.x * cosine;
  matrix[0][1] = scale.x * sine;
  matrix[1][0] = -scale.y * sine;
  matrix[1][1] = scale.y * cosine;
  matrix[2][0] = position.x;
  matrix[2][1] = position.y;
  return matrix;
}
}  // namespace

Transform::Transform() : Component(TypeId) {}

Transform::~Transform()
{
  // OnDestroy has normally unlinked us already; a transform deleted without it must not leave
  // pointers to itself behind.
  Unlink();
}

Transform& Transform::operator=(const Transform& other)
{
  Component::operator=(other);
  position = other.position;
  rotation = other.rotation;
  scale = other.scale;
  Changed();
  return *this;
}

void Transform::OnAwake()
{
  Changed();
  awake = true;
  Space* space = GetSpace();
  if (space == nullptr)
    return;
  // The space's physics knows every placed object, and hears of every move by hand.
  if (SpacePhysics* physics = space->GetPhysics())
    physics->AddTransform(this, GetOwner());
  if (EventManager* manager = EventManager::Instance())
    manager->Subscribe<Space, PositionUpdateEvent>(space, GetGameObject()->GetId());
}

void Transform::OnDestroy()
{
  awake = false;
  Unlink();
}

void Transform::Unlink()
{
  // A child that outlives its parent stays where it was, turned and sized as it was: its world
  // placement becomes its own. Read as world values, its local ones would drop it by the origin.
  for (Transform* child : std::vector<Transform*>(children))
    child->SetParent(nullptr);
  children.clear();
  if (parent != nullptr)
    parent->RemoveChild(this);
  parent = nullptr;
  InvalidateWorld();
}

void Transform::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "position", &position, RenderVec2, glm::vec2(0.0f, 0.0f), true, false);
  Members::AddMember(members, "rotation", &rotation, RenderAngle, 0.0f);
  Members::AddMember(members, "scale", &scale, RenderVec2, glm::vec2(1.0f, 1.0f));
}

void Transform::MembersChanged()
{
  // Whoever already listens hears of a possible move. Before the object wakes nobody listens: a
  // level's records are read then, and an event per record for nobody was a good part of loading.
  Changed();
  if (awake && GetOwner().IsValid())
    AnnounceMove();
}

void Transform::On(GameObjectDestroyedEvent* event)
{
  for (Transform* child : std::vector<Transform*>(children))
  {
    if (child->GetOwner() == event->object)
    {
      RemoveChild(child);
      child->parent = nullptr;
      child->InvalidateWorld();
    }
  }
}

glm::mat3 Transform::GetLocalMatrix() const
{
  if (dirty)
  {
    localMatrix = PlacementMatrix(position, rotation, scale);
    dirty = false;
  }
  return localMatrix;
}

namespace
{
// parent x child for matrices whose last row is (0, 0, 1), as every transform's is.
glm::mat3 AffineProduct(const glm::mat3& parent, const glm::mat3& child)
{
  glm::mat3 product(1.0f);
  for (int column = 0; column < 3; ++column)
  {
    const float x = parent[0][0] * child[column][0] + parent[1][0] * child[column][1];
    const float y = parent[0][1] * child[column][0] + parent[1][1] * child[column][1];
    product[column][0] = column == 2 ? x + parent[2][0] : x;
    product[column][1] = column == 2 ? y + parent[2][1] : y;
  }
  return product;
}
}  // namespace

void Transform::Changed()
{
  dirty = true;
  InvalidateWorld();
}

void Transform::InvalidateWorld() const
{
  if (worldDirty)
    return;
  worldDirty = true;
  for (const Transform* child : children)
    child->InvalidateWorld();
}

glm::mat3 Transform::GetWorldMatrix() const
{
  // Parents never form a cycle (SetParent refuses one), so this ends at the root.
  if (worldDirty)
  {
    worldMatrix = parent != nullptr ? AffineProduct(parent->GetWorldMatrix(), GetLocalMatrix()) : GetLocalMatrix();
    worldDirty = false;
  }
  return worldMatrix;
}

glm::vec2 Transform::GetWorldPosition() const
{
  // Without a parent the world position is the position, without building the turned matrix.
  if (parent == nullptr)
    return position;
  const glm::mat3 world = GetWorldMatrix();
  return glm::vec2(world[2][0], world[2][1]);
}

namespace
{
// The rotation and scale a matrix applies: the length of the first column, and the signed length
// of the second along the rotated y axis, the same value as M(1,1) / cos(rotation) where that is
// defined, and finite at a quarter turn too. The rotation is read with the sign the x scale is to
// have: with -1 the first column, turned back by the rotation, points along negative x.
float RotationOf(const glm::mat3& matrix, float xSign = 1.0f)
{
  return std::atan2(xSign * matrix[0][1], xSign * matrix[0][0]);
}

glm::vec2 ScaleOf(const glm::mat3& matrix)
{
  const float rotation = RotationOf(matrix);
  return glm::vec2(std::sqrt(matrix[0][0] * matrix[0][0] + matrix[0][1] * matrix[0][1]),
                   -matrix[1][0] * std::sin(rotation) + matrix[1][1] * std::cos(rotation));
}

// The scale a matrix applies along the axes of a rotation the caller keeps: each column's signed
// length along its turned axis, so a mirrored axis stays mirrored.
glm::vec2 ScaleAlong(const glm::mat3& matrix, float rotation)
{
  const float cosine = std::cos(rotation);
  const float sine = std::sin(rotation);
  return glm::vec2(matrix[0][0] * cosine + matrix[0][1] * sine, -matrix[1][0] * sine + matrix[1][1] * cosine);
}

// Ten parts in a million of the larger value (or of 1, or of the largest number the values were
// worked out from): what a chain of parents' matrices adds in rounding, far less than any
// difference a designer sees.
constexpr float Rounding = 1e-5f;

bool NearlyEqual(float first, float second, float reach = 1.0f)
{
  return std::abs(first - second) <= Rounding * std::max({1.0f, reach, std::abs(first), std::abs(second)});
}

// The rotation and scale a matrix shows, read with the sign its x scale is to have (see RotationOf).
Transform::Look LookOf(const glm::mat3& matrix, float xSign)
{
  const float rotation = RotationOf(matrix, xSign);
  return {rotation, ScaleAlong(matrix, rotation)};
}

// Whether two matrices turn and size alike (their positions aside), within the rounding of the
// larger of their axes: a slant or a stretch is told apart.
bool SameTurnAndSize(const glm::mat3& first, const glm::mat3& second)
{
  const float reach = std::max({glm::length(glm::vec2(first[0])), glm::length(glm::vec2(first[1])),
                                glm::length(glm::vec2(second[0])), glm::length(glm::vec2(second[1]))});
  for (int column = 0; column < 2; ++column)
  {
    for (int row = 0; row < 2; ++row)
    {
      if (!NearlyEqual(first[column][row], second[column][row], reach))
        return false;
    }
  }
  return true;
}

float SignOf(float value)
{
  return value < 0.0f ? -1.0f : 1.0f;
}
}  // namespace

float Transform::GetWorldRotation() const
{
  return RotationOf(GetWorldMatrix());
}

glm::vec2 Transform::GetWorldScale() const
{
  // Without a parent the scale is its own, exactly: one taken back out of a turned matrix is not.
  return parent == nullptr ? scale : ScaleOf(GetWorldMatrix());
}

Transform::Look Transform::GetWorldLook() const
{
  if (parent == nullptr)
    return {rotation, scale};
  return LookOf(GetWorldMatrix(), LookXSign());
}

float Transform::LookXSign() const
{
  const float own = SignOf(scale.x);
  return parent != nullptr && parent->MirrorsAlongX() ? -own : own;
}

bool Transform::MirrorsAlongX() const
{
  return glm::determinant(GetWorldMatrix()) < 0.0f && LookXSign() < 0.0f;
}

float Transform::Reach() const
{
  float reach = 0.0f;
  for (const Transform* link = this; link != nullptr; link = link->parent)
  {
    const glm::vec2 at = link->GetWorldPosition();
    reach = std::max({reach, std::abs(at.x), std::abs(at.y)});
  }
  return reach;
}

glm::vec2 Transform::GetWorldXAxis() const
{
  const glm::mat3 world = GetWorldMatrix();
  return glm::vec2(world[0][0], world[0][1]);
}

glm::vec2 Transform::GetWorldDown() const
{
  const glm::mat3 world = GetWorldMatrix();
  return glm::vec2(-world[1][0], -world[1][1]);
}

void Transform::SetPosition(glm::vec2 newPosition)
{
  if (!BRINDLE_CHECK_FINITE(newPosition, "position"))
    return;
  position = newPosition;
  Changed();
  AnnounceMove();
}

void Transform::AnnounceMove()
{
  if (!GetOwner().IsValid())
    return;
  SendPositionUpdate(GetOwner());
  // A handler may re-parent; walk a copy. Grandchildren hear nothing.
  for (Transform* child : std::vector<Transform*>(children))
    SendPositionUpdate(child->GetOwner());
}

void Transform::SetWorldPosition(float x, float y)
{
  if (!BRINDLE_CHECK_FINITE(glm::vec2(x, y), "world position"))
    return;
  const glm::mat3 toLocal = parent != nullptr ? glm::inverse(parent->GetWorldMatrix()) : glm::mat3(1.0f);
  const glm::vec3 local = toLocal * glm::vec3(x, y, 1.0f);
  SetPosition(glm::vec2(local.x, local.y));
}

void Transform::Translate(glm::vec2 offset)
{
  if (!BRINDLE_CHECK_FINITE(offset, "offset"))
    return;
  SetPosition(position + offset);
}

void Transform::TranslateWorld(glm::vec2 offset)
{
  if (!BRINDLE_CHECK_FINITE(offset, "world offset"))
    return;
  const glm::mat3 toLocal = parent != nullptr ? glm::inverse(parent->GetWorldMatrix()) : glm::mat3(1.0f);
  const glm::vec3 local = toLocal * glm::vec3(offset.x, offset.y, 0.0f);
  SetPosition(position + glm::vec2(local.x, local.y));
}

void Transform::SetRotation(float newRotation)
{
  if (!BRINDLE_CHECK_FINITE(newRotation, "rotation"))
    return;
  rotation = newRotation;
  Changed();
}

void Transform::Rotate(float delta)
{
  if (!BRINDLE_CHECK_FINITE(delta, "turn"))
    return;
  SetRotation(rotation + delta);
}

void Transform::SetWorldRotation(float angle)
{
  if (!BRINDLE_CHECK_FINITE(angle, "world rotation"))
    return;
  SetRotation(parent != nullptr ? angle - parent->GetWorldRotation() : angle);
}

void Transform::SetScale(glm::vec2 newScale)
{
  if (!BRINDLE_CHECK_FINITE(newScale, "scale"))
    return;
  scale = newScale;
  Changed();
}

void Transform::SetLocalMatrix(const glm::mat3& matrix)
{
  if (!BRINDLE_CHECK_FINITE(matrix, "local matrix"))
    return;
  localMatrix = matrix;
  Decompose();
  InvalidateWorld();
}

Transform::Fit Transform::LocalValuesFor(const Transform& world, std::vector<std::string>& taken,
                                         Transform& local) const
{
  const glm::mat3 parentWorld = parent != nullptr ? parent->GetWorldMatrix() : glm::mat3(1.0f);
  const float parentDeterminant = glm::determinant(parentWorld);
  // A parent of no size under or over a turned one leaves a determinant of rounding, not of 0.
  for (const Transform* link = parent; link != nullptr; link = link->parent)
  {
    if (link->scale.x == 0.0f || link->scale.y == 0.0f)
      return Fit::ParentHasNoSize;
  }
  if (!(std::abs(parentDeterminant) > 0.0f))
    return Fit::ParentHasNoSize;
  // The parents' mirror is taken off where their values put it: on the axis of the nearest parent
  // whose own scale mirrors, in that parent's frame. Worked out under what is left, the transform
  // takes the values it would take were that parent not mirrored, and is mirrored with all that
  // hangs under that parent. Taken off the parent's world axes instead, a parent turned below the
  // mirror would turn the look twice its own turn.
  glm::mat3 unmirrored = parentWorld;
  if (parentDeterminant < 0.0f)
  {
    glm::mat3 below(1.0f);
    const Transform* link = parent;
    for (; link != nullptr && (link->scale.x < 0.0f) == (link->scale.y < 0.0f); link = link->parent)
      below = AffineProduct(link->GetLocalMatrix(), below);
    if (link != nullptr)
    {
      glm::mat3 mirroring = link->GetWorldMatrix();
      const int axis = link->scale.x < 0.0f ? 0 : 1;
      mirroring[axis] = -mirroring[axis];
      unmirrored = AffineProduct(mirroring, below);
    }
  }
  // As a top-level object would show it: a mirror of its own on the axis its values have it.
  const glm::mat3 shown = AffineProduct(unmirrored, GetLocalMatrix());
  const Look now = LookOf(shown, SignOf(scale.x));
  const auto shows = [&](const std::string& name) {
    if (name == "position")
    {
      const glm::vec2 at = GetWorldPosition();
      const float reach = Reach();
      return NearlyEqual(at.x, world.position.x, reach) && NearlyEqual(at.y, world.position.y, reach);
    }
    if (name == "rotation")
      return SameAngleInWorld(now.rotation, world.rotation);
    return SameInWorld(now.scale, world.scale) &&
           SameTurnAndSize(shown, PlacementMatrix(glm::vec2(0.0f), now.rotation, now.scale));
  };
  taken.erase(std::remove_if(taken.begin(), taken.end(), shows), taken.end());
  const auto takes = [&taken](const char* name) { return std::find(taken.begin(), taken.end(), name) != taken.end(); };

  const glm::mat3 look = PlacementMatrix(glm::vec2(0.0f), takes("rotation") ? world.rotation : now.rotation,
                                         takes("scale") ? world.scale : now.scale);
  const glm::mat3 matrix = AffineProduct(glm::inverse(unmirrored), look);
  const glm::vec3 at = glm::inverse(parentWorld) * glm::vec3(world.position, 1.0f);
  Transform placed;
  placed.position = takes("position") ? glm::vec2(at) : position;
  // Read so that the x scale keeps its sign: the prefab's where the scale is the prefab's.
  placed.rotation = takes("rotation") ? RotationOf(matrix, SignOf(takes("scale") ? world.scale.x : scale.x))
                                      : rotation;
  placed.scale = takes("scale") ? ScaleAlong(matrix, placed.rotation) : scale;
  placed.Changed();
  if (!IsFinite(placed.GetLocalMatrix()))
    return Fit::ParentHasNoSize;
  const bool turnsOrSizes = takes("rotation") || takes("scale");
  if (turnsOrSizes && !SameTurnAndSize(AffineProduct(unmirrored, placed.GetLocalMatrix()), look))
    return Fit::ParentsSizedUnevenly;
  local = placed;
  return Fit::Fits;
}

bool Transform::SameInWorld(glm::vec2 first, glm::vec2 second)
{
  return NearlyEqual(first.x, second.x) && NearlyEqual(first.y, second.y);
}

bool Transform::SameAngleInWorld(float first, float second)
{
  constexpr float Turn = 6.28318530717958f;
  return NearlyEqual(std::remainder(first - second, Turn), 0.0f);
}

void Transform::Decompose()
{
  const glm::mat3& local = localMatrix;
  position = glm::vec2(local[2][0], local[2][1]);
  rotation = RotationOf(local);
  scale = ScaleOf(local);
  dirty = false;
}

bool Transform::HasAncestor(const Transform* other) const
{
  for (const Transform* ancestor = parent; ancestor != nullptr; ancestor = ancestor->parent)
  {
    if (ancestor == other)
      return true;
  }
  return false;
}

bool Transform::AcceptsParent(Transform* newParent) const
{
  if (newParent == nullptr)
    return true;
  // A cycle would make the world matrix walk up the chain for ever.
  if (newParent == this || newParent->HasAncestor(this))
  {
    const GameObject* object = GetGameObject();
    BRINDLE_CHECK(false, "A transform can't be parented to itself or to one of its descendants (object \"" +
                             (object != nullptr ? object->GetName() : std::string()) + "\")");
    return false;
  }
  return true;
}

bool Transform::SetParent(Transform* newParent)
{
  if (!AcceptsParent(newParent))
    return false;
  const glm::mat3 world = GetWorldMatrix();
  if (parent != nullptr)
    parent->RemoveChild(this);
  if (newParent != nullptr)
  {
    localMatrix = glm::inverse(newParent->GetWorldMatrix()) * world;
    newParent->children.push_back(this);
    EventManager* manager = EventManager::Instance();
    const GameObject* object = GetGameObject();
    if (manager != nullptr && object != nullptr)
    {
      manager->Subscribe<Transform, GameObjectDestroyedEvent>(newParent, object->GetId());
      Queue<ParentedEvent>(BRINDLE_SITE, object->GetId());
    }
  }
  else
  {
    localMatrix = world;
  }
  Decompose();
  parent = newParent;
  InvalidateWorld();
  return true;
}

bool Transform::AttachToParent(Transform* newParent)
{
  if (newParent == nullptr || !AcceptsParent(newParent))
    return false;
  if (parent != nullptr)
    parent->RemoveChild(this);
  parent = newParent;
  newParent->children.push_back(this);
  InvalidateWorld();
  return true;
}

void Transform::RemoveChild(Transform* child)
{
  children.erase(std::remove(children.begin(), children.end(), child), children.end());
}
