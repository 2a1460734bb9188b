#include "flow/menu/SimpleButtonLogic.h"

#include "audio/SoundEvents.h"
#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "flow/level/LevelSpaces.h"
#include "gameplay/LevelEvents.h"
#include "object/Members.h"
#include "object/Space.h"
#include "physics/PhysicsEvents.h"

void SimpleButtonLogic::OnAwake()
{
  SubscribeOnOwner<CollisionEvent>(this);
}

void SimpleButtonLogic::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "level file", &levelFile, RenderString, std::string());
}

void SimpleButtonLogic::On(CollisionEvent*)
{
  // Without an overworld to go to, this screen stays as it is.
  if (!LevelExists("overworld", "SimpleButtonLogic"))
    return;
  if (Space* space = GetSpace())
  {
    space->Hide();
    space->SetPaused(true);
  }
  SendNow<CueTransition>(BRINDLE_SITE, SoundSystemChannel, "event:/Music/AmbientTracks");
  SendNow<StartOverworldEvent>(BRINDLE_SITE, LevelTransitionChannel);
}
