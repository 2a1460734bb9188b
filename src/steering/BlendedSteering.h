#pragma once
// A weighted sum of behaviours, itself a behaviour. The sum's linear part is cut to length 15000
// and its angular part to +-300.
//
//   auto blend = std::make_unique<BlendedSteering>(space, Handle<Kinematic>());  // in OnAwake
//   blend->AddBehavior<Separation>(3.0f)->threshold = 250.0f;
//   blend->AddBehavior<Seek>(2.0f)->SetTarget(target);
//   ...
//   blend->SetCharacter(agent->GetKinematic());  // in Synchronize: reaches every behaviour
//   SteeringOutput steering = blend->GetSteering();  // every update
//
// The blend owns its behaviours; AddBehavior returns the new one so its owner can set it up and
// keep a pointer to it for as long as the blend lives.
#include "steering/SteeringBehavior.h"

#include <memory>
#include <utility>
#include <vector>

class BlendedSteering : public SteeringBehavior
{
public:
  static constexpr float MaxLinear = 15000.0f;
  static constexpr float MaxAngular = 300.0f;

  struct Entry
  {
    float weight;
    std::unique_ptr<SteeringBehavior> behavior;
  };

  BlendedSteering(Space* characterSpace, Handle<Kinematic> steered);

  // Makes a T for this blend's space and character and appends it with the weight.
  template <typename T>
  T* AddBehavior(float weight)
  {
    auto behavior = std::make_unique<T>(space, character);
    T* added = behavior.get();
    behaviors.push_back(Entry{weight, std::move(behavior)});
    return added;
  }

  SteeringOutput GetSteering() override;
  // Both reach every behaviour in order. SetCharacter leaves the blend's own character alone.
  void SetDebugDraw(bool draw) override;
  void SetCharacter(Handle<Kinematic> steered) override;

  const std::vector<Entry>& GetBehaviors() const { return behaviors; }

private:
  std::vector<Entry> behaviors;
};
