#pragma once
// The boss's taunt: for eight seconds a dialogue box beside the player (1300 units to its left,
// 200 up) says it once through the owner's DialogueAnimator, then the box's object goes.
#include "core/Handle.h"
#include "core/LivePointer.h"
#include "object/Component.h"

#include <glm/vec2.hpp>

class DialogueAnimator;
class GameObject;
class UpdateEvent;

class BossDialogueManager : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_BossDialogueManager;
  static constexpr float Lifetime = 8.0f;
  static constexpr std::uint32_t LineSize = 30;
  static constexpr glm::vec2 PlayerOffset{-1300.0f, 200.0f};
  static constexpr const char* PlayerName = "Player1";
  static constexpr const char* Taunt = "I am INVINCIBLE! You will never defeat me you scally wag!";

  BossDialogueManager() : Component(TypeId) {}
  BossDialogueManager& operator=(const BossDialogueManager&) = default;

  void OnAwake() override;

  void On(UpdateEvent* event);

  bool IsTextShown() const { return textShown; }

private:
  float lifetime = Lifetime;
  bool counting = true;
  bool textShown = false;
  bool leaving = false;
  Transient<LivePointer<DialogueAnimator>> dialogue;
  Transient<Handle<GameObject>> player;
};
