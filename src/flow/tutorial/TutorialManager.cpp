#include "flow/tutorial/TutorialManager.h"

#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "flow/hud/DialogueBox.h"
#include "flow/tutorial/TutorialScript.h"
#include "gameplay/ship/ShipEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/NamedObjects.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/RectangleCollider.h"
#include "render/CameraEvents.h"

namespace
{
// The line of each stage, shown once when the stage begins.
constexpr const char* Lines[TutorialManager::StageCount] = {
    "You're awake. Walk around if you're awake.",
    "Good. Your cell door is unlocked. I left you a gun on the floor to the south. Go get it.",
    "Thats a Glokk 5.55cm. Great pistol. Try it out.",
    "Whoa killer! Save it for the fight. Go open that door to the south of you.",
    "Oh! A test of your power.",
    "Nice... There should be a dash power up to your south. Go equip it.",
    "Great work... You could be a pirate king yourself one day... Use the dash to get pass the lasers with "
    "minimal damage.",
    "... You COULD be a pirate king... Hmm... a challenger! Go get that rocket launcher.",
    "Blow a hole into space and claim freedom!",
    "Flee fool!",
    // Said at the getaway ship, so that the tutorial closes with a word before the menu comes back.
    "Ha! Not bad. Now take that ship and go make a name for yourself!",
};
}  // namespace

void TutorialManager::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnSpace<TriggerEvent>(this);
  SubscribeOnSpace<DepressurizationEvent>(this);
  dialogue = TutorialScript::FindDialogue(*this);
  GameobjectFactory* factory = GameobjectFactory::Instance();
  if (factory == nullptr || GetSpace() == nullptr)
    return;
  Handle<GameObject> door;
  factory->CreateGameObjectAt(door, "tutorial_door", GetSpace(), 1600.0f, 3650.0f, "boundary");
  factory->CreateGameObjectAt(subject, "Boundary", GetSpace(), 1600.0f, 3600.0f, "");
  if (subject)
    if (auto* collider = subject->GetComponent<RectangleCollider>())
      collider->SetSize(3000.0f, 300.0f);
}

void TutorialManager::On(UpdateEvent* event)
{
  if (timerRunning)
  {
    stageTimer -= event->dt;
    if (stageTimer < 0.0f)
    {
      ++stage;
      timerRunning = false;
      lineShown = false;
      stageTimer = 0.0f;
    }
  }
  if (!anchor)
    anchor = FindNamedObject(GetSpace(), "EN Camera");
  GameObject* owner = GetGameObject();
  if (owner != nullptr && anchor)
  {
    // The box keeps its place on the screen, below and left of the camera's centre.
    const glm::vec2 camera = anchor->GetTransform()->GetWorldPosition();
    owner->GetTransform()->SetWorldPosition(camera.x - 700.0f, camera.y - 350.0f);
    owner->GetTransform()->SetScale({1.0f, 1.0f});
  }
  if (!lineShown && stage < StageCount)
    ShowStage();
}

void TutorialManager::ShowStage()
{
  lineShown = true;
  if (dialogue != nullptr)
    dialogue->SetText(Lines[stage]);
  switch (stage)
  {
    case 1:
      if (GetSpace() != nullptr)
        Queue<ShakeEvent>(BRINDLE_SITE, GetSpace()->GetId(), 1.0f);
      MoveBarrier(1600.0f, 3600.0f);
      stageTimer = 5.0f;
      break;
    case 2: timerRunning = true; break;
    case 3: MoveBarrier(1600.0f, 2050.0f); break;
    case 5: MoveBarrier(1600.0f, 1450.0f); break;
    case 6: MoveBarrier(1600.0f, 2200.0f); break;
    case 7: MoveBarrier(1600.0f, 1450.0f); break;
    default: break;
  }
}

void TutorialManager::MoveBarrier(float x, float y)
{
  if (subject)
    subject->GetTransform()->SetWorldPosition(x, y);
}

void TutorialManager::On(TriggerEvent* event)
{
  TutorialScript::FollowTrigger(*event, stage, lineShown);
}

void TutorialManager::On(DepressurizationEvent*)
{
  if (stage != 8)
    return;
  stage = 9;
  lineShown = false;
}
