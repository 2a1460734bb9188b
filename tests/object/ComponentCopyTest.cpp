// Every registered component type, copied the way a prefab's template is copied into a new
// object: every member a prefab can set travels, so no field is ever left behind by a copy.
#include "support/ScopedEngine.h"

#include "app/AllComponents.h"
#include "flow/camera/CameraLeash.h"
#include "flow/detectors/KeyDetector.h"
#include "gameplay/combat/TeamEnum.h"
#include "gameplay/weapons/AmmoType.h"
#include "object/ComponentFactory.h"
#include "object/GameobjectFactory.h"
#include "object/MemberBase.h"
#include "object/RegistryType.h"
#include "physics/CollisionGroup.h"
#include "support/CapturedLog.h"
#include "support/HandMadeObjects.h"


namespace
{
// The names of the enumerations files store by name: a member of one accepts only those.
template <typename E>
void AddNames(std::vector<std::string>& names)
{
  for (std::size_t index = 0; index < EnumNames<E>::count; ++index)
    names.push_back(EnumNames<E>::names[index]);
}

std::vector<std::string> EnumerationNames()
{
  std::vector<std::string> names;
  AddNames<TeamEnum>(names);
  AddNames<AmmoType>(names);
  AddNames<CollisionGroup>(names);
  AddNames<RegistryType>(names);
  return names;
}

// Values of the same shape as `value` that differ from it, the likeliest first.
std::vector<Json::Value> OtherValues(const Json::Value& value)
{
  std::vector<Json::Value> others;
  switch (value.type())
  {
    case Json::booleanValue: others.emplace_back(!value.asBool()); break;
    case Json::intValue: others.emplace_back(value.asInt() + 1); break;
    case Json::uintValue: others.emplace_back(value.asUInt() + 1); break;
    case Json::realValue: others.emplace_back(value.asDouble() + 1.5); break;
    case Json::stringValue:
      others.emplace_back(value.asString() + "X");
      for (const std::string& name : EnumerationNames())
        if (name != value.asString())
          others.emplace_back(name);
      break;
    case Json::arrayValue:
    {
      Json::Value changed = value;
      for (Json::Value& element : changed)
        if (const std::vector<Json::Value> elementOthers = OtherValues(element); !elementOthers.empty())
          element = elementOthers.front();
      if (!value.empty())
        others.push_back(changed);
      // An empty list: a list of names, then a spawn list.
      Json::Value names(Json::arrayValue);
      names.append("Probe");
      others.push_back(names);
      Json::Value spawns(Json::arrayValue);
      Json::Value entry(Json::objectValue);
      entry["prefab"] = "Probe";
      entry["offset"].append(1.0);
      entry["offset"].append(2.0);
      spawns.append(entry);
      others.push_back(spawns);
      break;
    }
    case Json::objectValue:
    {
      Json::Value changed = value;
      for (const std::string& key : value.getMemberNames())
        if (const std::vector<Json::Value> fieldOthers = OtherValues(value[key]); !fieldOthers.empty())
          changed[key] = fieldOthers.front();
      others.push_back(changed);
      break;
    }
    default: break;
  }
  return others;
}

Json::Value Written(const MemberBase& member)
{
  Json::Value out;
  member.Serialize(out);
  return out;
}

// Gives the member a value other than the one it has; false when no value of its shape sticks.
bool SetToAnotherValue(MemberBase& member)
{
  const Json::Value before = Written(member);
  for (const Json::Value& other : OtherValues(before))
  {
    member.Deserialize(other);
    if (Written(member) != before)
      return true;
  }
  return false;
}

// The members whose copies do not follow their source, with the reason.
bool CopiedOtherwise(const std::string& typeName, const std::string& memberName)
{
  // A cache of the scale: a copy works it out again from its own.
  return typeName == "RectangleCollider" && memberName == "radius";
}

class ComponentCopyTest : public EngineTestWith<ScopedEngine::EventsOnly>
{
protected:
  ComponentCopyTest()
  {
    factory.SetComponentRegistrar(RegisterAllComponents);
    GameobjectFactory::SetInstance(&factory);
    factory.Initialize();
  }
  ~ComponentCopyTest() override { GameobjectFactory::SetInstance(nullptr); }

  GameobjectFactory factory;
};

TEST_F(ComponentCopyTest, ACopyCarriesEveryMemberAPrefabSets)
{
  CapturedLog output;
  ASSERT_EQ(factory.GetFactories().size(), ComponentTypeCount);
  std::size_t compared = 0;
  for (const auto& [typeName, componentFactory] : factory.GetFactories())
  {
    SCOPED_TRACE(typeName);
    Component* source = componentFactory->GetNew();
    MemberList sourceMembers(*source);
    for (MemberBase* member : sourceMembers.Get())
    {
      // A member that writes nothing carries nothing from a file.
      if (!member->IsSerialized() || Written(*member).isNull())
        continue;
      EXPECT_TRUE(SetToAnotherValue(*member)) << "\"" << member->GetName() << "\" takes no other value";
    }
    Component* copy = componentFactory->GetCopy(source);
    MemberList copyMembers(*copy);
    Component* fresh = componentFactory->GetNew();
    MemberList freshMembers(*fresh);
    const bool copiesNothing = ComponentList::CopiesNothing(componentFactory->GetTypeId());
    for (std::size_t index = 0; index < sourceMembers.Get().size(); ++index)
    {
      const MemberBase& member = *sourceMembers.Get()[index];
      if (!member.IsSerialized())
        continue;
      const Json::Value copied = Written(*copyMembers.Get()[index]);
      // The types the table lists as copying nothing start as constructed, whatever the source.
      if (copiesNothing || CopiedOtherwise(typeName, member.GetName()))
        EXPECT_EQ(copied, Written(*freshMembers.Get()[index])) << "\"" << member.GetName() << "\" travelled";
      else
        EXPECT_EQ(copied, Written(member)) << "\"" << member.GetName() << "\" was left behind";
      ++compared;
    }
    MemoryManager::Delete(fresh);
    MemoryManager::Delete(copy);
    MemoryManager::Delete(source);
  }
  // The reflection reaches the members of every type, not a handful.
  EXPECT_GT(compared, 500u);
}

// What belongs to one live component (a Transient: a handle it looked up, a flag of its own state)
// goes nowhere with a copy: a new copy has it as constructed, and a copy onto a live component
// leaves that component's own, while the members beside it travel.
TEST_F(ComponentCopyTest, ACopyNeitherCarriesNorOverwritesWhatBelongsToTheLiveComponent)
{
  Handle<GameObject> sourceFocus = MakeBareObject("source's focus");
  Handle<GameObject> targetFocus = MakeBareObject("target's focus");
  ComponentFactory& leashes = *factory.GetFactories().at("CameraLeash");
  auto* source = static_cast<CameraLeash*>(leashes.GetNew());
  source->SetFocus(sourceFocus);
  MemberList(*source)["lead amount"]->Deserialize(Json::Value(120.0));
  auto* copy = static_cast<CameraLeash*>(leashes.GetCopy(source));
  EXPECT_FALSE(copy->GetFocus().IsValid());
  EXPECT_EQ(Written(*MemberList(*copy)["lead amount"]), Json::Value(120.0));
  auto* target = static_cast<CameraLeash*>(leashes.GetNew());
  target->SetFocus(targetFocus);
  leashes.Copy(source, target);
  EXPECT_TRUE(target->GetFocus() == targetFocus) << "the target's own focus was overwritten";
  EXPECT_EQ(Written(*MemberList(*target)["lead amount"]), Json::Value(120.0));

  // A plain value kept apart the same way: the menu focus of a key detector.
  ComponentFactory& keys = *factory.GetFactories().at("KeyDetector");
  auto* focused = static_cast<KeyDetector*>(keys.GetNew());
  focused->SetForcedHover(true);
  auto* focusedCopy = static_cast<KeyDetector*>(keys.GetCopy(focused));
  EXPECT_FALSE(focusedCopy->GetForcedHover());
  keys.Copy(focusedCopy, focused);
  EXPECT_TRUE(focused->GetForcedHover());

  for (Component* component : std::initializer_list<Component*>{source, copy, target, focused, focusedCopy})
    MemoryManager::Delete(component);
  GameObject::Destroy(sourceFocus);
  GameObject::Destroy(targetFocus);
}
}  // namespace
