#pragma once
// What the ship tutorial and the overworld tutorial share: the dialogue box on their own object,
// wrapped at 30 characters, and the rule that a TriggerEvent ends the stage whose number it
// carries: the current one at once, a later one as soon as it begins (a player who takes the gun
// before he is told to must not wait for a trigger that has fired already).
#include <cstdint>

class Component;
class DialogueAnimator;
class TriggerEvent;

namespace TutorialScript
{
// The "DialogueAnimator" on the tutorial's object, set to wrap at 30; null when there is none.
DialogueAnimator* FindDialogue(const Component& tutorial);

// Says "trigger!", and moves to the next stage (its line not yet shown) when the event carries
// the current one; a later stage's number is kept in `doneAhead`, one bit a stage.
void FollowTrigger(const TriggerEvent& event, std::uint32_t& stage, bool& lineShown, std::uint32_t& doneAhead);

// Once the current stage's line is shown, ends that stage when its trigger fired ahead of it.
void EndStageDoneAhead(std::uint32_t& stage, bool& lineShown, std::uint32_t& doneAhead);
}  // namespace TutorialScript
