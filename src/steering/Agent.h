#pragma once
// Makes a game object a steered character. It owns the object's Kinematic and its Motivator
// (the four limits), takes the steering its controller queues each update (UpdateSteering to the
// object's id), pushes the Rigidbody so that its acceleration equals the linear steering, turns
// the Transform to the kinematic's orientation (unless the object has a RotationLock), and after
// the step reads position and velocity back from the physics.
//
// A controller finds it on its object and steers its kinematic:
//   Agent* agent = object->GetComponent<Agent>();
//   blend->SetCharacter(agent->GetKinematic());                       // in Synchronize
//   Queue<UpdateSteering>(BRINDLE_SITE, id, out.linear, out.angular);
#include "core/LivePointer.h"
#include "steering/Kinematic.h"
#include "object/Component.h"
#include "steering/Motivator.h"
#include "steering/SteeringOutput.h"

class BlendedSteering;
class GameObject;

class PostUpdateEvent;
class Rigidbody;
class UpdateEvent;
class UpdateSteering;

class Agent : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Agent;

  Agent();
  ~Agent() override;
  Agent& operator=(const Agent&) = default;

  void OnAwake() override;
  // Once every component of the object is awake: the kinematic starts where the body stands.
  void Synchronize() override;
  void OnDestroy() override;
  void GetMembers(std::vector<MemberBase*>& members) override;

  void On(UpdateEvent* event);
  void On(PostUpdateEvent* event);
  // A steering with a NaN or infinite part is refused (reported once): the agent coasts.
  void On(UpdateSteering* event);

  const Handle<Kinematic>& GetKinematic() const { return kinematic; }
  Motivator& GetMotivator() { return motivator; }
  const SteeringOutput& GetSteering() const { return steering; }

  int maxEquippedItems = 2;

private:
  // Position (the collider's, else the Transform's) and velocity from the physics.
  void ReadBack();

  Transient<Handle<Kinematic>> kinematic;
  Motivator motivator;
  SteeringOutput steering;
  Transient<LivePointer<Rigidbody>> rigidbody;
  bool hasRotationLock = false;
  bool reportedBadSteering = false;
};

// For a controller that steers its owner on one blend: points `steering` and the controller's
// `kinematic` at the owner's kinematic, with the top speed set to `maxSpeed`. Leaves all alone
// when the owner has no Agent or there is no blend yet.
void SteerOwnerAt(GameObject* owner, BlendedSteering* steering, float maxSpeed, Handle<Kinematic>& kinematic);

// The way an object's agent faces, in radians (0 along +x); 0 for an object without an agent.
float FacingOf(const GameObject* object);
