#pragma once
// Turns the character to a direction its owner writes each update: the position of a Kinematic
// the owner keeps (the player's aim).
//   Handle<Kinematic> aim = MemoryManager::NewHandle<Kinematic>(BRINDLE_SITE);
//   blend->AddBehavior<AlignToVector>(1.0f)->SetAlignVector(aim);
//   aim->position = aimDirection;  // every update
#include "steering/behaviors/Align.h"
#include "steering/behaviors/WithOwnTarget.h"

class AlignToVector : public WithOwnTarget<Align>
{
public:
  AlignToVector(Space* characterSpace, Handle<Kinematic> steered);

  SteeringOutput GetSteering() override;
  void SetAlignVector(Handle<Kinematic> vector) { alignVector = std::move(vector); }
  const Handle<Kinematic>& GetAlignVector() const { return alignVector; }

private:
  Handle<Kinematic> alignVector;
};
