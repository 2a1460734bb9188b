#pragma once
// The shape of a game object for the physics module of its space: its collision group, an
// offset from the object's position, and whether it is a ghost (events, never pushed) or active at
// all. Circles and rectangles derive from it; GetCollider finds an object's collider.
#include "core/fColor.h"
#include "object/Component.h"
#include "physics/CollisionGroup.h"

#include <glm/vec2.hpp>

class GameObject;
class PhysicsDebugDraw;
class Transform;
class UpdateEvent;

class Collider : public Component
{
public:
  static const fColor CollidingColour;
  static const fColor RestingColour;

  explicit Collider(std::uint32_t typeId);
  Collider& operator=(const Collider&) = default;

  // Caches the Transform, registers with the space's physics module and clears `colliding` on
  // every update of the space.
  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  virtual void DebugDraw(float rotation, glm::vec2 position, PhysicsDebugDraw& drawer) = 0;
  virtual float GetBoundingRadius() = 0;
  virtual glm::vec2 GetPosition() const;
  // Places the owner so that the collider's position becomes (x, y).
  virtual void SetPosition(float x, float y);
  // Tests against the owner's position, without the offset.
  virtual bool ContainsPoint(float x, float y) = 0;
  virtual void SetActive(bool isActive) { active = isActive; }
  bool IsActive() const { return active; }

  void On(UpdateEvent* event);

  bool colliding = false;
  Transient<Transform*> transform = nullptr;
  bool ghost = false;
  glm::vec2 offset{0.0f, 0.0f};
  CollisionGroup group = CollisionGroup::PROPS;
  bool active = true;
  // Set by what ends at its first contact (a shot): once it has touched something the physics
  // module holds it where it is and it touches nothing more, so that the sub-steps left in the
  // frame cannot carry it through a wall onto what stands behind. Not a member of the file.
  bool endsAtFirstContact = false;

protected:
  // The owner's Transform: the cached one, or looked up when the collider has not woken yet.
  Transform* FindTransform() const;
  fColor DebugColour() const { return colliding ? CollidingColour : RestingColour; }
};

// The object's collider: its "Collider", else its "RectangleCollider", else its "CircleCollider".
Collider* GetCollider(const GameObject* object);
