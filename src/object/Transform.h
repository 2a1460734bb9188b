#pragma once
// Places an object in its space: a local position, rotation (radians; positive turns +x towards
// +y) and scale, a parent and children, and a world matrix derived from the chain of parents.
// The world matrix is kept until this transform or an ancestor changes or the chain is relinked:
// walls, tiles and lamps never move, and their matrices are never worked out again. Matrices act on column vectors (x, y, 1); the local matrix is
// Translate(position) x Rotate(rotation) x Scale(scale).
//
// Moving a transform announces it with PositionUpdateEvent to its object and its direct
// children's objects; parenting announces itself with a queued ParentedEvent.
#include "object/Component.h"

#include <glm/mat3x3.hpp>
#include <glm/vec2.hpp>
#include <string>
#include <vector>

class GameObjectDestroyedEvent;

class Transform : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Transform;

  Transform();
  ~Transform() override;
  // Copies position, rotation and scale only. The parent and children are links of the live
  // hierarchy, so a prefab's values never overwrite them.
  Transform& operator=(const Transform& other);

  void OnAwake() override;
  void OnDestroy() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  // The matrices are worked out again, and the move announced once the object is awake.
  void MembersChanged() override;

  // A child's object is being destroyed: it leaves the children.
  void On(GameObjectDestroyedEvent* event);

  glm::vec2 GetPosition() const { return position; }
  float GetRotation() const { return rotation; }
  glm::vec2 GetScale() const { return scale; }
  Transform* GetParent() const { return parent; }
  std::vector<Transform*>::const_iterator ChildrenBegin() const { return children.begin(); }
  std::vector<Transform*>::const_iterator ChildrenEnd() const { return children.end(); }
  std::size_t ChildCount() const { return children.size(); }
  const std::vector<Transform*>& GetChildren() const { return children; }

  glm::mat3 GetLocalMatrix() const;
  glm::mat3 GetWorldMatrix() const;
  glm::vec2 GetWorldPosition() const;
  float GetWorldRotation() const;
  // How large the object is on screen: the world matrix's scale along its own axes.
  glm::vec2 GetWorldScale() const;

  // How an object is turned and sized, in the terms of a top-level object's values.
  struct Look
  {
    float rotation = 0.0f;
    glm::vec2 scale{1.0f, 1.0f};
  };
  // Without a parent the object's own values. Through parents, the world matrix read so that a
  // mirror stays on the axis it came from: its own values' x or y, and a parent's mirror on the axis
  // that parent's look has it. A mirror is never read as a half turn.
  Look GetWorldLook() const;
  // The world direction of the local x axis, scaled.
  glm::vec2 GetWorldXAxis() const;
  // The world direction of the local negative y axis, scaled.
  glm::vec2 GetWorldDown() const;

  // Every setter refuses NaN and infinities: a failed check, and the transform keeps its values.
  // These announce the move.
  void SetPosition(glm::vec2 newPosition);
  void SetWorldPosition(float x, float y);
  void Translate(glm::vec2 offset);
  void TranslateWorld(glm::vec2 offset);
  // These do not.
  void SetRotation(float newRotation);
  void Rotate(float delta);
  // Local rotation = the angle minus the parent's world rotation.
  void SetWorldRotation(float angle);
  void SetScale(glm::vec2 newScale);
  // Stores the matrix and takes position, rotation and scale from it.
  void SetLocalMatrix(const glm::mat3& matrix);
  // Whether a look can be given to a transform under its parents, and if not, why.
  enum class Fit
  {
    Fits,
    // Nothing under a parent of no size has a size either.
    ParentHasNoSize,
    // Parents sized unevenly slant or stretch what is turned against them.
    ParentsSizedUnevenly,
  };
  // The local values under the parents that show this transform as a top-level object with the
  // values of `world` looks, for the members `taken` names ("position", "rotation", "scale"). What
  // it already shows, within rounding, is left out of `taken`; the members not taken keep their
  // values exactly, and with them where it stands, how it is turned and how large it is. A mirror
  // the parents bring is theirs, like their turn and size: the transform takes the values it would
  // take were the parent whose values mirror not mirrored, so it shows the look mirrored with all
  // that hangs under that parent, and a mirror of its own goes as a top-level object's does.
  // Written into `local` when it fits; otherwise `local` is untouched.
  Fit LocalValuesFor(const Transform& world, std::vector<std::string>& taken, Transform& local) const;

  // Whether two world values look the same: equal but for the rounding a chain of parents'
  // matrices brings, and two angles but for whole turns.
  static bool SameInWorld(glm::vec2 first, glm::vec2 second);
  static bool SameAngleInWorld(float first, float second);

  // Re-parents keeping the world position, rotation and scale; null detaches. A parent that is
  // this transform or one of its descendants is refused with a message; returns whether it was
  // accepted.
  bool SetParent(Transform* newParent);
  // Links parent and child without touching local values or sending anything (level reading).
  // Refuses a cycle as SetParent does.
  bool AttachToParent(Transform* newParent);
  // Erases every occurrence of the child from the children.
  void RemoveChild(Transform* child);
  // Whether `other` is this transform's parent, its parent's parent, and so on.
  bool HasAncestor(const Transform* other) const;

private:
  bool AcceptsParent(Transform* newParent) const;
  // -1 where the look's x scale is negative: its own x scale's sign, turned over by a parent's
  // mirror along x.
  float LookXSign() const;
  // Whether the world matrix mirrors, and its look puts the mirror on the x axis.
  bool MirrorsAlongX() const;
  // How far from the origin the positions that place it reach, through every parent: the rounding
  // of its world position grows with them.
  float Reach() const;
  // The local values changed: the local matrix and every world matrix from here down are stale.
  void Changed();
  // This world matrix and those of every descendant are stale. A stale world matrix has stale
  // descendants only (a world matrix is only worked out after its parent's), so the walk stops
  // at the first one already stale.
  void InvalidateWorld() const;
  void Decompose();
  void AnnounceMove();
  void Unlink();

  glm::vec2 position{0.0f, 0.0f};
  float rotation = 0.0f;
  glm::vec2 scale{1.0f, 1.0f};
  Transform* parent = nullptr;
  std::vector<Transform*> children;
  mutable glm::mat3 localMatrix{1.0f};
  mutable glm::mat3 worldMatrix{1.0f};
  mutable bool dirty = false;
  mutable bool worldDirty = true;
  // Between OnAwake and OnDestroy: before it, nothing can listen for the object's moves yet.
  bool awake = false;
};
