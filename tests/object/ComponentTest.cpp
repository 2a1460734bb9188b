#include "support/HandMadeObjects.h"
#include "support/ScopedEngine.h"

#include "support/CapturedLog.h"

namespace
{
// A component with one member of each behaviour the base has to handle.
class SampleComponent : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Health;

  SampleComponent() : Component(TypeId) {}

  void GetMembers(std::vector<MemberBase*>& members) override
  {
    Members::AddMember(members, "max hitpoints", &hitpoints, RenderInt, 100);
    Members::AddMember(members, "speed", &speed, RenderFloat, 2.5f);
    Members::AddMember(members, "label", &label, RenderString, std::string());
    Members::AddMember(members, "shown only", &shownOnly, RenderInt, 0, false);
    Members::AddMember(members, "twin", &firstTwin, RenderInt, 0);
    Members::AddMember(members, "twin", &secondTwin, RenderInt, 0);
  }

  int hitpoints = 100;
  float speed = 2.5f;
  std::string label;
  int shownOnly = 0;
  int firstTwin = 0;
  int secondTwin = 0;
};

using ComponentTest = EngineTestWith<ScopedEngine::EventsOnly>;

TEST_F(ComponentTest, ConstructionTakesASerialTypeAndListenerId)
{
  SampleComponent first;
  SampleComponent second;
  EXPECT_EQ(second.GetSerial(), first.GetSerial() + 1);
  EXPECT_EQ(first.GetTypeId(), COMP_Health);
  EXPECT_EQ(first.GetTypeName(), "Health");
  EXPECT_NE(first.GetListenerId(), second.GetListenerId());
  EXPECT_FALSE(first.GetOwner().IsValid());
  EXPECT_EQ(first.GetGameObject(), nullptr);
}

TEST_F(ComponentTest, AssignmentCopiesOnlyTheClassesOwnFields)
{
  Handle<GameObject> object = MakeBareObject();
  SampleComponent* source = MemoryManager::New<SampleComponent>(BRINDLE_SITE);
  object->AttachComponent(source);
  source->hitpoints = 5;
  SampleComponent copy;
  const std::uint32_t serial = copy.GetSerial();
  const std::uint32_t listenerId = copy.GetListenerId();
  const Handle<LivenessToken> token = copy.GetHandle();

  copy = *source;
  EXPECT_EQ(copy.hitpoints, 5);
  EXPECT_EQ(copy.GetSerial(), serial);
  EXPECT_EQ(copy.GetListenerId(), listenerId);
  EXPECT_EQ(copy.GetHandle(), token);
  EXPECT_NE(copy.GetHandle(), source->GetHandle());
  EXPECT_FALSE(copy.GetOwner().IsValid());
  GameObject::Destroy(object);
}

TEST_F(ComponentTest, AComponentAtItsDefaultsIsWrittenAsNull)
{
  SampleComponent component;
  component.speed = 2.5005f;  // within the tolerance
  Json::Value parent;
  component.SerializeMembers(parent);
  ASSERT_TRUE(parent.isMember("Health"));
  EXPECT_TRUE(parent["Health"].isNull());

  // Loading that null loads nothing.
  component.hitpoints = 7;
  component.Deserialize(parent["Health"]);
  EXPECT_EQ(component.hitpoints, 7);
}

TEST_F(ComponentTest, OnlyChangedSerialisedMembersAreWritten)
{
  SampleComponent component;
  component.hitpoints = 50;
  component.label = "boss";
  component.shownOnly = 9;
  component.firstTwin = 1;
  component.secondTwin = 2;
  Json::Value parent;
  component.SerializeMembers(parent);
  // The later of two members with one name wins.
  EXPECT_EQ(parent["Health"], Parsed("{\"max hitpoints\": 50, \"label\": \"boss\", \"twin\": 2}"));
}

TEST_F(ComponentTest, LoadingSetsTheNamedMembersAndIgnoresOtherKeys)
{
  SampleComponent component;
  CapturedLog output;
  component.Deserialize(Parsed("{\"unknown\": 3}"));
  EXPECT_EQ(component.hitpoints, 100);
  component.Deserialize(Parsed("{\"max hitpoints\": 20, \"speed\": 4, \"twin\": 8}"));
  EXPECT_EQ(component.hitpoints, 20);
  EXPECT_EQ(component.speed, 4.0f);
  EXPECT_EQ(component.firstTwin, 8);
  EXPECT_EQ(component.secondTwin, 0);
  EXPECT_EQ(output.Text(), "");
  EXPECT_EQ(asserts.Count(), 0u);
}

TEST_F(ComponentTest, DataForAMemberThatIsNotSerialisedWarnsAndStillLoads)
{
  SampleComponent component;
  component.Deserialize(Parsed("{\"shown only\": 4}"));
  ASSERT_EQ(asserts.Count(), 1u);
  EXPECT_EQ(asserts.Reports()[0].message.rfind("==== DATA LOSS INCOMING ===\n", 0), 0u);
  EXPECT_NE(asserts.Reports()[0].message.find("Component: Health, member: shown only."), std::string::npos);
  EXPECT_EQ(asserts.Reports()[0].function, "Component::DeserializeMembers");
  EXPECT_EQ(component.shownOnly, 4);
}

TEST_F(ComponentTest, AComponentValueThatIsNoObjectLoadsNothing)
{
  SampleComponent component;
  CapturedLog output;
  component.Deserialize(Parsed("[1, 2]"));
  component.Deserialize(Json::Value(3));
  EXPECT_EQ(component.hitpoints, 100);
  EXPECT_EQ(output.CountOf("[ERROR] Component \"Health\""), 2u);
}

TEST_F(ComponentTest, MembersClearFreesEveryMember)
{
  SampleComponent component;
  const std::size_t before = MemoryManager::Instance()->RecordCount();
  std::vector<MemberBase*> members;
  component.GetMembers(members);
  EXPECT_EQ(MemoryManager::Instance()->RecordCount(), before + 6);
  Members::Clear(members);
  EXPECT_TRUE(members.empty());
  EXPECT_EQ(members.capacity(), 0u);
  EXPECT_EQ(MemoryManager::Instance()->RecordCount(), before);
}
}  // namespace
