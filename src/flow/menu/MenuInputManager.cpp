#include "flow/menu/MenuInputManager.h"

#include "flow/FlowEvents.h"
#include "flow/detectors/ClickDetector.h"
#include "flow/menu/MenuInputDetector.h"
#include "input/Input.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Space.h"

#include <memory>

namespace
{
// Gives or takes the focus of the button's MenuInputDetector.
class FocusAction : public Action
{
public:
  FocusAction(Handle<GameObject> button, bool focus) : object(std::move(button)), focused(focus) {}
  void Execute() override
  {
    GameObject* button = object.Get();
    if (MenuInputDetector* detector = button != nullptr ? button->GetComponent<MenuInputDetector>() : nullptr)
      detector->SetForcedHover(focused);
  }

private:
  Handle<GameObject> object;
  bool focused;
};

// The mouse moved or clicked over the button's ClickDetector, tested afresh on each evaluation. A
// pointer merely resting on a button does not hold the focus there: the arrows move it away, and
// the pointer takes it back once it moves again.
class HoverCondition : public Condition
{
public:
  explicit HoverCondition(Handle<GameObject> button) : object(std::move(button)) {}
  bool Evaluate() override
  {
    GameObject* button = object.Get();
    ClickDetector* detector = button != nullptr ? button->GetComponent<ClickDetector>() : nullptr;
    const Input* input = Input::Instance();
    const bool pointerActed = input == nullptr || input->HasMouseMovedThisFrame() ||
                              input->IsMouseButtonTriggered(0) || input->IsMouseButtonReleased(0);
    return (detector != nullptr && pointerActed && detector->CheckHovered()) != negate;
  }

private:
  Handle<GameObject> object;
};

// A direction pressed, as the button's MenuInputDetector reads it.
class DirectionCondition : public Condition
{
public:
  DirectionCondition(Handle<GameObject> button, MenuDirection way) : object(std::move(button)), direction(way) {}
  bool Evaluate() override
  {
    GameObject* button = object.Get();
    const MenuInputDetector* detector = button != nullptr ? button->GetComponent<MenuInputDetector>() : nullptr;
    return detector != nullptr && detector->IsDirectionPressed(direction) != negate;
  }

private:
  Handle<GameObject> object;
  MenuDirection direction;
};

// A direction pressed while nothing has the focus: the way focus first comes to a menu. A button
// named "Default" shares the first state, and has the focus from the start; then these are not
// taken, whether it registered before the other buttons or after (the order of their object ids),
// and directions go to its neighbours. Nor are they once the menu's named first focus (`named`, or
// null) has registered: the menu is about to take it, and a direction pressed meanwhile must not
// put the focus elsewhere.
class FirstFocusCondition : public DirectionCondition
{
public:
  FirstFocusCondition(Handle<GameObject> button, MenuDirection way, const State& first, const State* named)
      : DirectionCondition(std::move(button), way), initial(first), firstFocus(named)
  {
  }
  bool Evaluate() override
  {
    return initial.GetEntryAction() == nullptr && (firstFocus == nullptr || firstFocus->GetEntryAction() == nullptr) &&
           DirectionCondition::Evaluate();
  }

private:
  const State& initial;
  const State* firstFocus;
};

// The menu's first focus taken as soon as the menu runs with nothing focused.
class AlwaysCondition : public Condition
{
public:
  bool Evaluate() override { return !negate; }
};

// Whether the detector named by a queued registration still belongs to an object of the space: a
// button destroyed before the queue reached its registration is not followed.
template <typename T>
GameObject* OwnerInSpace(Space& space, const T* detector)
{
  if (detector == nullptr)
    return nullptr;
  for (const auto& [id, object] : space.GetObjectsById())
  {
    GameObject* candidate = object.Get();
    if (candidate != nullptr && candidate->GetComponent<T>() == detector)
      return candidate;
  }
  return nullptr;
}

Handle<GameObject> HandleOf(GameObject& object)
{
  return object.GetHandle();
}
}  // namespace

void MenuInputManager::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnSpace<RegisterClickDetectorEvent>(this);
  SubscribeOnSpace<RegisterMenuInputDetectorEvent>(this);
  if (defaultState == nullptr)
  {
    defaultState = menuMachine.AddState("Default");
    menuMachine.SetInitialState(defaultState);
  }
}

void MenuInputManager::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "menu", &menu, RenderString, std::string());
  Members::AddMember(members, "firstFocus", &firstFocus, RenderString, std::string());
}

State* MenuInputManager::StateOf(const std::string& objectName)
{
  if (State* state = menuMachine.FindState(objectName))
    return state;
  return menuMachine.AddState(objectName);
}

std::string MenuInputManager::GetFocus() const
{
  const State* current = menuMachine.GetCurrentState();
  return current != nullptr ? current->GetName() : "Default";
}

void MenuInputManager::On(RegisterClickDetectorEvent* event)
{
  Space* space = GetSpace();
  GameObject* owner = space != nullptr ? OwnerInSpace(*space, event->detector) : nullptr;
  if (owner == nullptr)
    return;
  State* target = StateOf(owner->GetName());
  const Handle<GameObject> button = HandleOf(*owner);
  clickDetectors[owner->GetName()] = button;
  // From every state so far, this one and "Default" among them.
  for (const auto& state : menuMachine.GetStates())
    state->AddTransition(target, State::AutoGeneratedName)->SetCondition(std::make_unique<HoverCondition>(button));
}

void MenuInputManager::On(RegisterMenuInputDetectorEvent* event)
{
  Space* space = GetSpace();
  GameObject* owner = space != nullptr ? OwnerInSpace(*space, event->detector) : nullptr;
  if (owner == nullptr || event->detector->GetMenu() != menu)
    return;
  const MenuInputDetector& detector = *event->detector;
  const Handle<GameObject> button = HandleOf(*owner);
  State* state = StateOf(owner->GetName());
  // Two detectors of one menu on objects of one name share a state: the second one's actions are
  // reported and dropped.
  state->SetEntryAction(std::make_unique<FocusAction>(button, true));
  state->SetExitAction(std::make_unique<FocusAction>(button, false));

  for (int way = 0; way < MENU_DIRECTION_COUNT; ++way)
  {
    const Handle<GameObject>& neighbour = detector.GetNeighbour(static_cast<MenuDirection>(way));
    if (!neighbour.IsValid())
      continue;
    state->AddTransition(StateOf(neighbour->GetName()), State::AutoGeneratedName)
        ->SetCondition(std::make_unique<DirectionCondition>(button, static_cast<MenuDirection>(way)));
  }
  for (const auto& other : menuMachine.GetStates())
  {
    const auto click = clickDetectors.find(other->GetName());
    if (click != clickDetectors.end())
      state->AddTransition(other.get(), State::AutoGeneratedName)
          ->SetCondition(std::make_unique<HoverCondition>(click->second));
  }
  // A menu that takes keys shows where they act from the moment it opens: its first focus is
  // where the machine starts, or, when the machine has run already, where it goes next.
  if (!firstFocus.empty() && owner->GetName() == firstFocus && state != defaultState)
  {
    if (menuMachine.GetCurrentState() == nullptr)
      menuMachine.SetInitialState(state);
    else
      defaultState->AddTransition(state, State::AutoGeneratedName)->SetCondition(std::make_unique<AlwaysCondition>());
  }
  const State* named = firstFocus.empty() ? nullptr : StateOf(firstFocus);
  for (int way = 0; way < MENU_DIRECTION_COUNT; ++way)
    defaultState->AddTransition(state, State::AutoGeneratedName)
        ->SetCondition(
            std::make_unique<FirstFocusCondition>(button, static_cast<MenuDirection>(way), *defaultState, named));
}

void MenuInputManager::On(UpdateEvent*)
{
  StateMachine::Execute(menuMachine.EvaluateTransitions());
}
