#include "flow/tutorial/TutorialManager.h"

#include "core/Send.h"
#include "flow/FlowEvents.h"
#include "flow/hud/DialogueBox.h"
#include "flow/tutorial/TutorialScript.h"
#include "gameplay/ship/SimpleDoorLogic.h"
#include "gameplay/ship/ShipEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/NamedObjects.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "physics/RectangleCollider.h"
#include "render/CameraEvents.h"
#include "render/Sprite.h"

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

// The level's object each stage asks the player to take or to shoot; empty where a stage asks for
// nothing the marker could ring.
constexpr const char* Subjects[TutorialManager::StageCount] = {
    "", "Pistol", "", "", "Practice Crate", "Dash", "", "Rocket Launcher", "", "", ""};

// The barrier stands across the ship's middle column, on the openings between its rooms: the cell
// passage's end into the range, the range's doorway into the armoury, the armoury's into the hold.
// Its collider spans the ship's width; its picture spans the opening it closes, one tile wide at
// the passage, three at the doorways.
constexpr float BarrierX = 1600.0f;
constexpr float PassageEnd = 3584.0f;
constexpr float ArmouryDoorway = 2048.0f;
constexpr float HoldDoorway = 1536.0f;
constexpr float BarrierWidth = 3000.0f;
constexpr float PassageWidth = 128.0f;
constexpr float DoorwayWidth = 384.0f;
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
  factory->CreateGameObjectAt(door, "tutorial_door", GetSpace(), 1600.0f, 3650.0f, "boundary");
  factory->CreateGameObjectAt(subject, "Boundary", GetSpace(), BarrierX, PassageEnd, "");
  if (subject)
    if (auto* collider = subject->GetComponent<RectangleCollider>())
      collider->SetSize(BarrierWidth, BarrierHeight);
  MoveBarrier(PassageEnd, PassageWidth);
  factory->CreateGameObjectAt(marker, "tutorial_marker", GetSpace(), BarrierX, PassageEnd, "");
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
  // The door the stage asks to open stands open already (it was unlocked all along): the stage ends
  // as the player goes through it, where the range and its crate come into view, not at once.
  if (stage != 3)
    TutorialScript::EndStageDoneAhead(stage, lineShown, doneAhead);
  if (stage == 3 && lineShown && PassedOpenDoor())
  {
    ++stage;
    lineShown = false;
  }
  MoveMarker();
}

bool TutorialManager::PassedOpenDoor() const
{
  const Handle<GameObject> player = FindNamedObject(GetSpace(), "Player1");
  if (!door || !player ||
      player->GetTransform()->GetWorldPosition().y > door->GetTransform()->GetWorldPosition().y)
    return false;
  for (const Transform* child : door->GetTransform()->GetChildren())
  {
    const GameObject* logic = child != nullptr ? child->GetGameObject() : nullptr;
    const SimpleDoorLogic* lock = logic != nullptr ? logic->GetComponent<SimpleDoorLogic>() : nullptr;
    if (lock != nullptr && lock->IsOpen())
      return true;
  }
  return false;
}

void TutorialManager::MoveMarker()
{
  if (!marker)
    return;
  const char* name = stage < StageCount ? Subjects[stage] : "";
  const Handle<GameObject> shown = *name != '\0' ? FindNamedObject(GetSpace(), name) : Handle<GameObject>();
  // A thing taken into a hand asks for nothing more.
  const bool loose = shown && !shown->GetParent();
  if (loose)
  {
    const glm::vec2 at = shown->GetTransform()->GetWorldPosition();
    marker->GetTransform()->SetWorldPosition(at.x, at.y);
  }
  if (Sprite* sprite = marker->GetSprite())
    sprite->SetDraw(loose);
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
      MoveBarrier(PassageEnd, PassageWidth);
      stageTimer = 5.0f;
      break;
    case 2: timerRunning = true; break;
    case 3: MoveBarrier(ArmouryDoorway, DoorwayWidth); break;
    case 5: MoveBarrier(HoldDoorway, DoorwayWidth); break;
    case 6: MoveBarrier(ArmouryDoorway, DoorwayWidth); break;
    case 7: MoveBarrier(HoldDoorway, DoorwayWidth); break;
    default: break;
  }
}

void TutorialManager::MoveBarrier(float y, float openingWidth)
{
  if (!subject)
    return;
  subject->GetTransform()->SetWorldPosition(BarrierX, y);
  if (Sprite* sprite = subject->GetSprite())
    sprite->SetScale(openingWidth, BarrierHeight);
}

void TutorialManager::On(TriggerEvent* event)
{
  TutorialScript::FollowTrigger(*event, stage, lineShown, doneAhead);
}

void TutorialManager::On(DepressurizationEvent*)
{
  if (stage != 8)
    return;
  stage = 9;
  lineShown = false;
}
