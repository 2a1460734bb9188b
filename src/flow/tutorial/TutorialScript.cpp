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

void FollowTrigger(const TriggerEvent& event, std::uint32_t& stage, bool& lineShown)
{
  LogLine("trigger!");
  if (event.stage != stage)
    return;
  lineShown = false;
  ++stage;
}
}  // namespace TutorialScript
