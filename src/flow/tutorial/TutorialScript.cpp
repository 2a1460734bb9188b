#include "flow/tutorial/TutorialScript.h"

#include "core/Log.h"
#include "flow/FlowEvents.h"
#include "flow/hud/DialogueBox.h"
#include "object/GameObject.h"

namespace TutorialScript
{
DialogueAnimator* FindDialogue(const Component& tutorial)
{
  GameObject* owner = tutorial.GetGameObject();
  DialogueAnimator* dialogue = owner != nullptr ? owner->GetComponent<DialogueAnimator>() : nullptr;
  if (dialogue != nullptr)
    dialogue->SetLineSize(30);
  return dialogue;
}

void FollowTrigger(const TriggerEvent& event, std::uint32_t& stage, bool& lineShown, std::uint32_t& doneAhead)
{
  LogLine("trigger!");
  if (event.stage > stage && event.stage < 32)
    doneAhead |= 1u << event.stage;
  if (event.stage != stage)
    return;
  lineShown = false;
  ++stage;
}

void EndStageDoneAhead(std::uint32_t& stage, bool& lineShown, std::uint32_t& doneAhead)
{
  if (!lineShown || stage >= 32 || (doneAhead & (1u << stage)) == 0)
    return;
  doneAhead &= ~(1u << stage);
  lineShown = false;
  ++stage;
}
}  // namespace TutorialScript
