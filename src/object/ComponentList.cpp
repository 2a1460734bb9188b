#include "object/ComponentList.h"

#include <unordered_map>

namespace
{
// Filled by the compiler, so the table exists before any code runs and never changes.
constexpr const char* TypeNames[ComponentTypeCount + 1] = {
#define BRINDLE_COMPONENT_NAME(Name) #Name,
    BRINDLE_COMPONENT_TYPES(BRINDLE_COMPONENT_NAME)
#undef BRINDLE_COMPONENT_NAME
    "COMP_NUM_COMPONENTS"};

// The declared dependency lists. A type must wake after every type on its list; the order of a
// list is the order in which the start-up check confirms it.
constexpr std::uint32_t AgentDependencies[] = {COMP_Rigidbody, COMP_Transform};
constexpr std::uint32_t TransformDependencies[] = {COMP_RectangleCollider, COMP_CircleCollider, COMP_Rigidbody};
constexpr std::uint32_t SpriteDependencies[] = {COMP_Transform};
constexpr std::uint32_t PlayerControllerDependencies[] = {COMP_Equipment, COMP_Agent,       COMP_Rigidbody,
                                                          COMP_Sprite,    COMP_ArmAnimator, COMP_Transform};
// Every enemy controller shares the AI controller's list.
constexpr std::uint32_t AIControllerDependencies[] = {COMP_Team,      COMP_Agent,     COMP_Sprite,
                                                      COMP_Rigidbody, COMP_Transform, COMP_AimingModule};
constexpr std::uint32_t ToggleButtonAnimatorDependencies[] = {COMP_Sprite};
constexpr std::uint32_t PlayerAnimatorDependencies[] = {COMP_Agent, COMP_Rigidbody, COMP_Sprite, COMP_Transform};
constexpr std::uint32_t SimpleTurretControllerDependencies[] = {COMP_Agent, COMP_AimingModule};
constexpr std::uint32_t ShipControllerDependencies[] = {COMP_Agent, COMP_Transform};
constexpr std::uint32_t MenuInputDetectorDependencies[] = {COMP_Transform};
constexpr std::uint32_t ArmAnimatorDependencies[] = {COMP_Agent, COMP_Rigidbody, COMP_Transform};
constexpr std::uint32_t CharacterAnimatorDependencies[] = {COMP_Agent, COMP_Rigidbody, COMP_Sprite, COMP_Transform};

template <std::size_t N>
constexpr ComponentList::DependencyList ListOf(const std::uint32_t (&ids)[N])
{
  return ComponentList::DependencyList{ids, N};
}
}  // namespace

namespace ComponentList
{
const char* NameOf(std::uint32_t typeId)
{
  return typeId <= ComponentTypeCount ? TypeNames[typeId] : "";
}

std::uint32_t IdOf(const std::string& name)
{
  static const std::unordered_map<std::string, std::uint32_t> ids = [] {
    std::unordered_map<std::string, std::uint32_t> table;
    for (std::uint32_t id = 0; id < ComponentTypeCount; ++id)
      table.emplace(TypeNames[id], id);
    return table;
  }();
  const auto found = ids.find(name);
  return found == ids.end() ? COMP_NUM_COMPONENTS : found->second;
}

DependencyList DependenciesOf(std::uint32_t typeId)
{
  switch (typeId)
  {
    case COMP_Agent: return ListOf(AgentDependencies);
    case COMP_Transform: return ListOf(TransformDependencies);
    case COMP_Sprite: return ListOf(SpriteDependencies);
    case COMP_PlayerController: return ListOf(PlayerControllerDependencies);
    case COMP_AIController:
    case COMP_TestController:
    case COMP_BanditController:
    case COMP_DroneCarrierController:
    case COMP_DroneSpawnController:
    case COMP_BearController:
    case COMP_BugController:
    case COMP_DuckController:
    case COMP_EnemyShipController:
    case COMP_HardEnemyShipController: return ListOf(AIControllerDependencies);
    case COMP_ToggleButtonAnimator: return ListOf(ToggleButtonAnimatorDependencies);
    case COMP_PlayerAnimator: return ListOf(PlayerAnimatorDependencies);
    case COMP_SimpleTurretController: return ListOf(SimpleTurretControllerDependencies);
    case COMP_ShipController: return ListOf(ShipControllerDependencies);
    case COMP_MenuInputDetector: return ListOf(MenuInputDetectorDependencies);
    case COMP_ArmAnimator: return ListOf(ArmAnimatorDependencies);
    case COMP_CharacterAnimator: return ListOf(CharacterAnimatorDependencies);
    default: return DependencyList{};
  }
}
}  // namespace ComponentList
