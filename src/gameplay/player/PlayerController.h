#pragma once
// Turns the player's input into movement, aim, item use and interaction, gives the player back
// the items carried over from the previous level, and stages the player's death: camera, music,
// "You Died" on the HUD and, six seconds later, the end of the run (a DiedEvent to the space on
// every update from then on).
//
// It steers the player as the enemies are steered: a blend of VectorMove, which follows the move
// input, and AlignToVector, which turns the body to the aim, queued each update to the player's
// Agent.
//
// The aim comes from the right stick (or the aim keys), from the mouse, or stays as it was:
//   - the stick while it is touched, or after any controller input;
//   - the mouse after a keyboard or mouse input, or once it moves more than 10 pixels;
//   - a zero stick or a pointer on the player keeps the last aim.
#include "steering/Kinematic.h"
#include "audio/Sound.h"
#include "core/Handle.h"
#include "object/Component.h"

#include <glm/vec2.hpp>
#include <memory>

class BlendedSteering;
class CollisionEvent;
class DiedEvent;
class UpdateEvent;

class PlayerController : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_PlayerController;
  static constexpr float MaxSpeed = 700.0f;
  // Seconds from the death to the first request for the end screen.
  static constexpr float EndScreenDelay = 6.0f;
  // The level whose player carries nothing in: it gives out its guns itself.
  static constexpr const char* TutorialLevel = "tutorial";

  enum AimMode : std::uint32_t
  {
    AimByStick = 0,
    AimByMouse = 1,
    KeepAim = 2,
  };

  PlayerController();
  ~PlayerController() override;
  PlayerController& operator=(const PlayerController&) = default;

  void OnAwake() override;
  void Synchronize() override;
  void OnDestroy() override;

  void On(UpdateEvent* event);
  void On(DiedEvent* event);
  void On(CollisionEvent* event);

  glm::vec2 GetAimDirection() const;
  // Asks the level flow for the end screen: a DiedEvent to the player's space, at once.
  void triggerEndScreen();

  bool IsDead() const { return dead; }
  float GetDeathTimer() const { return deathTimer; }
  std::uint32_t GetAimMode() const { return aimMode; }
  std::uint32_t GetInputSlot() const { return inputSlot; }
  void SetInputSlot(std::uint32_t slot) { inputSlot = slot; }

private:
  void ChooseAimMode();
  // The aim this update's input asks for; the current aim when it asks for none.
  glm::vec2 AimFromInput() const;
  void TestActions();
  // The items the DataBoard carries over (a pistol in the tutorial when it carries none).
  void EquipCarriedItems();
  void EquipCarriedItem(const std::string& prefab, std::uint32_t slot, const char* name);
  void StageDeath();

  bool dead = false;
  float deathTimer = 0.0f;
  std::uint32_t inputSlot = 0;
  std::uint32_t aimMode = KeepAim;
  Transient<std::unique_ptr<BlendedSteering>> steering;
  Transient<Handle<Kinematic>> kinematic;
  // The aim and the move input, shared with AlignToVector and VectorMove: each reads its vector
  // as the position of the kinematic.
  Transient<Handle<Kinematic>> aimDirection;
  Transient<Handle<Kinematic>> moveDirection;
  Sound pickupSound;
};
