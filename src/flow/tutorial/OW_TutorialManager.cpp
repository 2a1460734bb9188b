#include "flow/tutorial/OW_TutorialManager.h"

#include "core/Log.h"
#include "flow/FlowEvents.h"
#include "flow/hud/DialogueBox.h"
#include "flow/tutorial/TutorialScript.h"
#include "gameplay/props/CircleAround.h"
#include "input/InputActionMap.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/GameobjectFactory.h"
#include "object/ObjectEvents.h"
#include "object/Registry.h"
#include "object/Removal.h"
#include "object/Space.h"
#include "object/SpaceLookup.h"
#include "object/SpaceNames.h"
#include "object/Transform.h"
#include "physics/Rigidbody.h"
#include "render/Camera.h"

#include <cmath>

namespace
{
constexpr const char* Lines[OW_TutorialManager::StageCount - 1] = {
    "I see you that you have found yourself a ship.",
    "Now your life of piracy can truly begin!",
    "Ahh wait a minute... You have no reputation!",
    "You'll need to plunder and pirate alot more if you want to challenge me.",
    "See these innocent merchant ships. Full of plunder.",
    "Why don't you go pirate all over em.",
};

// At the far zoom: the box's place and scale, and where the score stands when the overworld has
// no HUD to show it.
constexpr glm::vec2 BoxOffset{-5000.0f, -3000.0f};
constexpr float BoxScale = 5.0f;
constexpr glm::vec2 ScoreOffset{7000.0f, 3000.0f};
constexpr float ScoreRadiusX = 1000.0f;
constexpr float ScoreRadiusY = 500.0f;
}  // namespace

void OW_TutorialManager::OnAwake()
{
  LetSpaceDestroyOwner();
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnSpace<TriggerEvent>(this);
  dialogue = TutorialScript::FindDialogue(*this);
  GameobjectFactory* factory = GameobjectFactory::Instance();
  if (factory == nullptr || GetSpace() == nullptr)
    return;
  factory->CreateGameObjectAt(anchor, "tutorial_highlight", GetSpace(), -2000.0f, 1500.0f, "");
  if (anchor)
    if (EventManager* events = EventManager::Instance())
      events->Subscribe<Space, GameObjectDestroyedEvent>(GetSpace(), anchor->GetId());
}

void OW_TutorialManager::On(UpdateEvent* event)
{
  if (ended)
    return;
  if (timerRunning)
  {
    stageTimer -= event->dt;
    if (stageTimer < 0.0f)
    {
      ++stage;
      lineShown = false;
      stageTimer = 5.0f;
    }
  }
  if (!subject)
    if (Registry* registry = Registry::Instance())
      for (const Handle<GameObject>& ship : registry->GetObjects(RegistryType::OW_CORVA))
      {
        subject = ship;
        break;
      }
  const glm::vec2 ship = subject ? subject->GetTransform()->GetWorldPosition() : glm::vec2(0.0f, 0.0f);
  const View view = CurrentView(ship);
  const float toView = view.zoom / LayoutZoom;
  if (GameObject* owner = GetGameObject(); owner != nullptr && subject)
  {
    const glm::vec2 place = view.centre + BoxOffset * toView;
    owner->GetTransform()->SetWorldPosition(place.x, place.y);
    owner->GetTransform()->SetScale({BoxScale * toView, BoxScale * toView});
  }
  if (subject && (stage == 0 || stage == 1))
    PlaceHighlight(ship);
  if (subject && (stage == 2 || stage == 3))
  {
    PlaceHighlight(ScorePlace(view));
    SetHighlightRadii(ScoreRadiusX * toView, ScoreRadiusY * toView);
  }
  if (!lineShown && stage < StageCount)
    ShowStage();
  TutorialScript::EndStageDoneAhead(stage, lineShown, doneAhead);
  if (ended)
    return;
  InputActionMap* input = InputActionMap::Instance();
  const bool held = input != nullptr && (input->IsActionActive(0, ACTION_ANY_KEYBOARD_MOUSE) ||
                                         input->IsActionActive(0, ACTION_ANY_CONTROLLER));
  if (!held)
    skipArmed = true;
  else if (skipArmed && stageTimer < 4.7f)
  {
    SetShipHeld(false);
    End();
  }
}

OW_TutorialManager::View OW_TutorialManager::CurrentView(glm::vec2 ship) const
{
  const Space* space = GetSpace();
  const Camera* camera = space != nullptr ? space->GetCurrentCamera() : nullptr;
  const Transform* transform = camera != nullptr ? camera->GetTransform() : nullptr;
  if (transform == nullptr)
    return {ship, LayoutZoom};
  const float zoom = transform->GetScale().x;
  return {transform->GetWorldPosition(), std::isfinite(zoom) && zoom > 0.0f ? zoom : LayoutZoom};
}

glm::vec2 OW_TutorialManager::ScorePlace(const View& view) const
{
  // The score's place on the HUD's screen, seen through the HUD's camera, is the same place on
  // this space's screen.
  Space* hud = FindLiveSpace(SpaceNames::OverworldHud);
  const Handle<GameObject> score = hud != nullptr ? hud->GetObjectNamed("OW_Reputation") : Handle<GameObject>();
  const Camera* hudCamera = hud != nullptr ? hud->GetCurrentCamera() : nullptr;
  const Transform* hudView = hudCamera != nullptr ? hudCamera->GetTransform() : nullptr;
  if (!score || hudView == nullptr || !(hudView->GetScale().x > 0.0f))
    return view.centre + ScoreOffset * (view.zoom / LayoutZoom);
  const glm::vec2 onScreen =
      (score->GetTransform()->GetWorldPosition() - hudView->GetWorldPosition()) / hudView->GetScale().x;
  return view.centre + onScreen * view.zoom;
}

void OW_TutorialManager::ShowStage()
{
  lineShown = true;
  switch (stage)
  {
    case 0:
      SetHighlightRadii(500.0f, 500.0f);
      SetShipHeld(true);
      break;
    case 4:
      PlaceHighlight({1000.0f, 0.0f});
      SetHighlightRadii(2000.0f, 2000.0f);
      break;
    case 5: SetShipHeld(false); break;
    case 6: End(); return;
    default: break;
  }
  if (dialogue != nullptr)
    dialogue->SetText(Lines[stage]);
}

void OW_TutorialManager::SetShipHeld(bool held)
{
  if (subject)
    if (auto* body = subject->GetComponent<Rigidbody>())
      body->SetActive(!held);
}

void OW_TutorialManager::SetHighlightRadii(float x, float y)
{
  CircleAround* circle = anchor ? anchor->GetComponent<CircleAround>() : nullptr;
  if (circle == nullptr)
    return;
  circle->SetRadiusX(x);
  circle->SetRadiusY(y);
}

void OW_TutorialManager::PlaceHighlight(glm::vec2 position)
{
  if (anchor)
    anchor->GetTransform()->SetWorldPosition(position.x, position.y);
}

void OW_TutorialManager::End()
{
  LogLine("Overworld tutorial: ended");
  ended = true;
  QueueRemoval(anchor);
  QueueRemoval(GetOwner());
}

void OW_TutorialManager::On(TriggerEvent* event)
{
  TutorialScript::FollowTrigger(*event, stage, lineShown, doneAhead);
}
