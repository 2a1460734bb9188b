#pragma once
// The enemies that wander until they see their nearest opponent and then chase it: a two-state
// machine and one steering blend per state. The classes built on it fill in the blends (and may add
// states); the rest is here.
//
//   state         update action   leaves for         when
//   "Wandering"   WanderUpdate    the chase state    the aiming module can see the target
//   chase state   ChaseUpdate     "Wandering"        it cannot
//
// Each update, until the object dies: the nearest opponent becomes the target, the machine is
// evaluated and the actions it returns are run, an armed kind asks for a weapon while its hands are
// empty, and the steering (for a kind that `arrivesAtTarget`, kept from pushing into the target:
// KeepOffTarget) is queued to the Agent. In an update whose evaluation switches state no
// update action runs, so the steering of the update before goes out again.
//
// Wandering keeps from the allies in `wanderSeparation`, mirrors the target and steers with the
// wander blend; a blend that seeks the target (`wanderSeek`) heads round the ship's walls toward it
// rather than into them (EnemyController::HeadRoundWalls); chasing keeps from opponents in `opponentSeparation`
// and from allies in `allySeparation`, mirrors the target, steers with the chase blend and, for an
// armed kind, fires its weapon once.
#include "steering/BlendedSteering.h"
#include "ai/enemies/EnemyController.h"
#include "steering/states/StateMachine.h"

#include <memory>

class Seek;
class Separation;
class State;
class StepWander;
class UpdateEvent;
class Zoning;

class WanderChaseController : public EnemyController
{
public:
  using EnemyController::On;

  void OnAwake() override;
  // Binds the Agent's kinematic to both blends; a zone around the place it stands is centred there.
  void Synchronize() override;
  void OnDestroy() override;

  void On(UpdateEvent* event);

  virtual void WanderUpdate();
  virtual void ChaseUpdate();

  const StateMachine& GetMachine() const { return machine; }

protected:
  // `className` names it in diagnostics, `machineName` its machine; `chaseStateName` is the state
  // it chases in; an `armed` kind asks for a weapon and fires it.
  WanderChaseController(std::uint32_t typeId, const char* className, const char* machineName,
                        const char* chaseStateName, bool armed);
  WanderChaseController& operator=(const WanderChaseController&) = default;

  // Fills wanderBlend and chaseBlend (made empty for it) and the behaviour pointers they need.
  virtual void BuildBlends() = 0;
  // The chase most kinds share: keep apart from allies, face and close in on the target, round walls.
  void BuildChaseBlend();
  // Subscriptions beyond the shared ones.
  virtual void SubscribeMore() {}
  // An armed kind's shot while chasing: its first slot, once.
  virtual void FireInChase() { FireWeapon(); }
  // The last step of an update, after the steering went out.
  virtual void AfterSteering() {}
  // Further states and transitions, after the two shared ones.
  virtual void AddStates(State*, State*) {}

  // The walking crew stop at their target's side; a carrier closes in to burst.
  bool arrivesAtTarget = false;
  Transient<StateMachine> machine;
  Transient<std::unique_ptr<BlendedSteering>> wanderBlend;
  Transient<std::unique_ptr<BlendedSteering>> chaseBlend;
  Transient<Separation*> wanderSeparation = nullptr;
  // The wander blend's Seek of the target, where it has one.
  Transient<Seek*> wanderSeek = nullptr;
  Transient<Separation*> allySeparation = nullptr;
  Transient<Separation*> opponentSeparation = nullptr;
  // Told the update's time before it steers, where a blend walks in steps.
  Transient<StepWander*> stepWander = nullptr;
  // Centred in Synchronize where the object stands, where a blend keeps to a zone.
  Transient<Zoning*> zoning = nullptr;
  float frameTime = 0.0f;

private:
  void BuildMachine();
  // The machine's question, asked of the aiming module while the object has one.
  bool SeesTarget(Handle<GameObject>* target) const;

  const char* chaseState;
  bool armsItself;
};
