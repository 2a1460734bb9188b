#pragma once
// What the ship tutorial and the overworld tutorial share: the dialogue box on their own object,
// wrapped at 30 characters, and the rule that a TriggerEvent ends the current stage only when it
// carries that stage's number.
#include <cstdint>

class Component;
class DialogueAnimator;
class TriggerEvent;

namespace TutorialScript
{
// The "DialogueAnimator" on the tutorial's object, set to wrap at 30; null when there is none.
DialogueAnimator* FindDialogue(const Component& tutorial);

// Says "trigger!", and moves to the next stage (its line not yet shown) when the event carries
// the current one.
void FollowTrigger(const TriggerEvent& event, std::uint32_t& stage, bool& lineShown);
}  // namespace TutorialScript
