#include "support/HandMadeObjects.h"
#include "support/ScopedEngine.h"

#include "gameplay/combat/TeamEnum.h"
#include "gameplay/ship/ShipTilePalette.h"
#include "gameplay/weapons/AmmoType.h"
#include "object/RegistryType.h"
#include "physics/CollisionGroup.h"
#include "steering/Kinematic.h"
#include "steering/Motivator.h"
#include "support/CapturedLog.h"

namespace
{
class MemberDataTest : public EngineTestWith<ScopedEngine::EventsOnly>
{
protected:
  ~MemberDataTest() override { Members::Clear(members); }

  template <typename T>
  MemberBase& Add(T* field, NonDeduced<T> declaredDefault, bool serialized = true)
  {
    Members::AddMember(members, "member", field, nullptr, declaredDefault, serialized);
    return *members.back();
  }

  static Json::Value Written(const MemberBase& member)
  {
    Json::Value out;
    member.Serialize(out);
    return out;
  }

  std::vector<MemberBase*> members;
};

TEST_F(MemberDataTest, FloatChangesOnlyBeyondATolerance)
{
  float field = 1.0005f;
  MemberBase& member = Add(&field, 1.0f);
  EXPECT_FALSE(member.HasChanged());
  field = 1.002f;
  EXPECT_TRUE(member.HasChanged());
  field = 0.5f;
  EXPECT_TRUE(member.HasChanged());
  // The difference is taken in single precision: 1.001f - 1.0f is just under 0.001 as a float.
  field = 1.0f + 0.0009f;
  EXPECT_FALSE(member.HasChanged());

  field = 2.5f;
  EXPECT_EQ(Written(member), Json::Value(2.5));
  member.Deserialize(Json::Value(-4));
  EXPECT_EQ(field, -4.0f);
}

TEST_F(MemberDataTest, PlainValuesWriteTheirValueAndCompareExactly)
{
  int integer = 7;
  unsigned int natural = 3;
  bool flag = true;
  std::string text = "hello";
  MemberBase& integerMember = Add(&integer, 7);
  MemberBase& naturalMember = Add(&natural, 0u);
  MemberBase& flagMember = Add(&flag, false);
  MemberBase& textMember = Add(&text, std::string("hello"));

  EXPECT_FALSE(integerMember.HasChanged());
  EXPECT_TRUE(naturalMember.HasChanged());
  EXPECT_TRUE(flagMember.HasChanged());
  EXPECT_FALSE(textMember.HasChanged());

  // The value is written even when it equals the default, so an object that differs from its
  // prefab but matches the declared default keeps its value in a level file.
  EXPECT_EQ(Written(integerMember), Json::Value(7));
  EXPECT_EQ(Written(naturalMember), Json::Value(3u));
  EXPECT_EQ(Written(flagMember), Json::Value(true));
  EXPECT_EQ(Written(textMember), Json::Value("hello"));

  integerMember.Deserialize(Json::Value(-12));
  naturalMember.Deserialize(Json::Value(40u));
  flagMember.Deserialize(Json::Value(false));
  textMember.Deserialize(Json::Value("bye"));
  EXPECT_EQ(integer, -12);
  EXPECT_EQ(natural, 40u);
  EXPECT_FALSE(flag);
  EXPECT_EQ(text, "bye");
}

TEST_F(MemberDataTest, NullLeavesEveryKindOfFieldAlone)
{
  int integer = 5;
  float number = 2.0f;
  glm::vec2 vector(1.0f, 2.0f);
  std::vector<std::string> list{"a"};
  TeamEnum team = TeamEnum::ENEMY;
  Add(&integer, 0);
  Add(&number, 0.0f);
  Add(&vector, glm::vec2(0.0f));
  Add(&list, {});
  Add(&team, TeamEnum::PLAYER);
  for (MemberBase* member : members)
    member->Deserialize(Json::Value());
  EXPECT_EQ(integer, 5);
  EXPECT_EQ(number, 2.0f);
  EXPECT_EQ(vector, glm::vec2(1.0f, 2.0f));
  EXPECT_EQ(list, std::vector<std::string>{"a"});
  EXPECT_EQ(team, TeamEnum::ENEMY);
}

TEST_F(MemberDataTest, AValueOfTheWrongKindIsReportedAndChangesNothing)
{
  int integer = 5;
  unsigned int natural = 6;
  float number = 2.0f;
  std::string text = "keep";
  glm::vec2 vector(1.0f, 2.0f);
  fColor color(0.1f, 0.2f, 0.3f, 0.4f);
  std::vector<std::string> list{"a"};
  SpawnList spawns{{"Crate", glm::vec2(1.0f, 1.0f)}};
  AmmoType ammo = AmmoType::ENERGY;
  Add(&integer, 0).Deserialize(Json::Value("twelve"));
  Add(&natural, 0u).Deserialize(Json::Value(-3));
  Add(&number, 0.0f).Deserialize(Parsed("{\"x\": 1}"));
  Add(&text, std::string()).Deserialize(Parsed("[1, 2]"));
  Add(&vector, glm::vec2(0.0f)).Deserialize(Json::Value(3));
  Add(&vector, glm::vec2(0.0f)).Deserialize(Parsed("[1, \"two\"]"));
  Add(&color, fColor()).Deserialize(Parsed("{\"r\": 1}"));
  Add(&list, {}).Deserialize(Parsed("[\"b\", {}]"));
  Add(&spawns, {}).Deserialize(Parsed("[{\"prefab\": 4}]"));
  Add(&ammo, AmmoType::BULLET).Deserialize(Json::Value(1));

  CapturedLog output;
  EXPECT_EQ(integer, 5);
  EXPECT_EQ(natural, 6u);
  EXPECT_EQ(number, 2.0f);
  EXPECT_EQ(text, "keep");
  EXPECT_EQ(vector, glm::vec2(1.0f, 2.0f));
  EXPECT_EQ(color, fColor(0.1f, 0.2f, 0.3f, 0.4f));
  EXPECT_EQ(list, std::vector<std::string>{"a"});
  ASSERT_EQ(spawns.size(), 1u);
  EXPECT_EQ(ammo, AmmoType::ENERGY);
}

TEST_F(MemberDataTest, WrongKindsPrintOneErrorLineEach)
{
  int integer = 5;
  MemberBase& member = Add(&integer, 0);
  CapturedLog output;
  member.Deserialize(Json::Value("twelve"));
  member.Deserialize(Parsed("[1]"));
  EXPECT_EQ(output.CountOf("[ERROR] Member \"member\""), 2u);
}

TEST_F(MemberDataTest, VectorsAndColoursWriteArraysAndReadMissingElementsAsZero)
{
  glm::vec2 vector(1.5f, -2.0f);
  glm::vec4 four(1.0f, 2.0f, 3.0f, 4.0f);
  fColor color(1.0f, 0.5f, 0.25f, 1.0f);
  MemberBase& vectorMember = Add(&vector, glm::vec2(1.5f, -2.0f));
  MemberBase& fourMember = Add(&four, glm::vec4(0.0f));
  MemberBase& colorMember = Add(&color, fColor(1.0f, 0.5f, 0.25f, 1.0f));

  EXPECT_EQ(Written(vectorMember), Parsed("[1.5, -2.0]"));
  EXPECT_EQ(Written(fourMember), Parsed("[1.0, 2.0, 3.0, 4.0]"));
  EXPECT_EQ(Written(colorMember), Parsed("[1.0, 0.5, 0.25, 1.0]"));

  vector.x += 0.0001f;
  EXPECT_TRUE(vectorMember.HasChanged());

  vectorMember.Deserialize(Parsed("[7]"));
  EXPECT_EQ(vector, glm::vec2(7.0f, 0.0f));
  colorMember.Deserialize(Parsed("[1, 0.5, 0.25]"));
  EXPECT_EQ(color, fColor(1.0f, 0.5f, 0.25f, 0.0f));
  fourMember.Deserialize(Parsed("[4, 3, 2, 1]"));
  EXPECT_EQ(four, glm::vec4(4.0f, 3.0f, 2.0f, 1.0f));
  color.a = 0.5f;
  EXPECT_TRUE(colorMember.HasChanged());
}

TEST_F(MemberDataTest, StringListsReadWhatTheFileHolds)
{
  std::vector<std::string> list{"old"};
  MemberBase& member = Add(&list, {});
  EXPECT_EQ(Written(member), Parsed("[\"old\"]"));
  member.Deserialize(Parsed("[\"first\", \"second\"]"));
  EXPECT_EQ(list, (std::vector<std::string>{"first", "second"}));
  // Reading the same value twice gives the same list: nothing accumulates over save and load.
  member.Deserialize(Parsed("[\"first\", \"second\"]"));
  EXPECT_EQ(list.size(), 2u);

  std::array<std::string, 4> names{"Up", "", "", ""};
  MemberBase& namesMember = Add(&names, {"Up", "", "", ""});
  EXPECT_FALSE(namesMember.HasChanged());
  namesMember.Deserialize(Parsed("[\"a\", \"b\"]"));
  EXPECT_EQ(names, (std::array<std::string, 4>{"a", "b", "", ""}));
  EXPECT_EQ(Written(namesMember), Parsed("[\"a\", \"b\", \"\", \"\"]"));
}

TEST_F(MemberDataTest, SpawnListsUsePrefabAndOffsetObjects)
{
  SpawnList spawns{{"Crate", glm::vec2(1.0f, 2.0f)}, {"Barrel", glm::vec2(0.0f, -3.0f)}};
  MemberBase& member = Add(&spawns, {});
  EXPECT_EQ(Written(member),
            Parsed("[{\"prefab\": \"Crate\", \"offset\": [1.0, 2.0]}, {\"prefab\": \"Barrel\", \"offset\": [0.0, -3.0]}]"));

  member.Deserialize(Parsed("[{\"prefab\": \"Lamp\"}, {\"offset\": [4, 5]}]"));
  ASSERT_EQ(spawns.size(), 2u);
  EXPECT_EQ(spawns[0], std::make_pair(std::string("Lamp"), glm::vec2(0.0f, 0.0f)));
  EXPECT_EQ(spawns[1], std::make_pair(std::string(), glm::vec2(4.0f, 5.0f)));
  EXPECT_TRUE(member.HasChanged());
}

TEST_F(MemberDataTest, EnumerationsAreStoredByNameButTeamsByNumber)
{
  TeamEnum team = TeamEnum::NO_TEAM;
  CollisionGroup group = CollisionGroup::PLAYER;
  AmmoType ammo = AmmoType::BULLET;
  MemberBase& teamMember = Add(&team, TeamEnum::PLAYER);
  MemberBase& groupMember = Add(&group, CollisionGroup::PLAYER);
  MemberBase& ammoMember = Add(&ammo, AmmoType::BULLET);

  EXPECT_EQ(Written(teamMember), Json::Value(2));
  teamMember.Deserialize(Json::Value(0));
  EXPECT_EQ(team, TeamEnum::PLAYER);
  teamMember.Deserialize(Json::Value("ENEMY"));
  EXPECT_EQ(team, TeamEnum::ENEMY);

  groupMember.Deserialize(Json::Value("INVALID_GROUP"));
  EXPECT_EQ(group, CollisionGroup::INVALID_GROUP);
  EXPECT_EQ(Written(groupMember), Json::Value("INVALID_GROUP"));
  groupMember.Deserialize(Json::Value("LOOT"));
  EXPECT_EQ(group, CollisionGroup::LOOT);
  EXPECT_EQ(asserts.Count(), 0u);

  // Count entries and other spellings are not names of values: reported once per name, field
  // unchanged, and never a failed check (a level may hold the name hundreds of times).
  CapturedLog log;
  for (int object = 0; object < 200; ++object)
    teamMember.Deserialize(Json::Value("COUNT"));
  teamMember.Deserialize(Json::Value(3));
  EXPECT_EQ(team, TeamEnum::ENEMY);
  EXPECT_EQ(log.CountOf("[ERROR] Member \"member\": Did not find team; it keeps its value."), 1u);
  groupMember.Deserialize(Json::Value("NUM_OF_GROUPS"));
  EXPECT_EQ(group, CollisionGroup::LOOT);
  ammoMember.Deserialize(Json::Value("bullet"));
  EXPECT_EQ(ammo, AmmoType::BULLET);
  EXPECT_TRUE(log.Contains("Did not find collision group: \"NUM_OF_GROUPS\""));
  EXPECT_TRUE(log.Contains("Did not find ammo type.: \"bullet\""));
  EXPECT_EQ(log.Errors(), 4u) << log.Text();
  EXPECT_EQ(asserts.Count(), 0u);
}

TEST_F(MemberDataTest, RegistryTypesAlsoAcceptTheirNumbers)
{
  RegistryType type = RegistryType::NONE;
  MemberBase& member = Add(&type, RegistryType::NONE);
  member.Deserialize(Json::Value(4));
  EXPECT_EQ(type, RegistryType::LOOT);
  EXPECT_EQ(Written(member), Json::Value("LOOT"));
  member.Deserialize(Json::Value("BOUNDARIES"));
  EXPECT_EQ(type, RegistryType::BOUNDARIES);

  // A number names a list of the registry, so one outside them is refused.
  CapturedLog output;
  member.Deserialize(Json::Value(11));
  member.Deserialize(Json::Value(-1));
  EXPECT_EQ(type, RegistryType::BOUNDARIES);
  EXPECT_EQ(output.CountOf("[ERROR]"), 2u);

  CapturedLog log;
  member.Deserialize(Json::Value("4"));
  EXPECT_EQ(type, RegistryType::BOUNDARIES);
  EXPECT_TRUE(log.Contains("[ERROR] Did not find Registry type: \"4\""));
}

TEST_F(MemberDataTest, MotivatorIsFourLimits)
{
  Motivator motivator;
  MemberBase& member = Add(&motivator, Motivator());
  EXPECT_FALSE(member.HasChanged());
  EXPECT_EQ(Written(member), Parsed("[15000.0, 250.0, 300.0, 25.0]"));
  member.Deserialize(Parsed("[1, 2, 3, 4]"));
  EXPECT_EQ(motivator.GetBase(Motivator::MaxLinearAcceleration), 1.0f);
  EXPECT_EQ(motivator.GetBase(Motivator::MaxAngularVelocity), 4.0f);
  EXPECT_TRUE(member.HasChanged());
}

TEST_F(MemberDataTest, KinematicHandlesAreNeverReadFromFiles)
{
  Handle<Kinematic> kinematic = MemoryManager::NewHandle<Kinematic>(BRINDLE_SITE);
  Handle<Kinematic> other = MemoryManager::NewHandle<Kinematic>(BRINDLE_SITE);
  Handle<Kinematic> copy = kinematic;
  MemberBase& member = Add(&kinematic, Handle<Kinematic>(), false);
  EXPECT_TRUE(member.HasChanged());

  member.Deserialize(Parsed("[1, 2]"));
  EXPECT_TRUE(asserts.Saw("This should never be called"));
  EXPECT_EQ(kinematic, copy);

  Handle<Kinematic> otherField = other;
  Members::AddMember(members, "other", &otherField, nullptr, Handle<Kinematic>(), false);
  Members::AddMember(members, "copy", &copy, nullptr, Handle<Kinematic>(), false);
  EXPECT_FALSE(member.Equals(*members[1]));
  EXPECT_TRUE(member.Equals(*members[2]));

  SetFatalChecksThrow(true);
  EXPECT_THROW(Written(member), FatalCheckException);
  SetFatalChecksThrow(false);

  copy.Reset();
  otherField.Reset();
  kinematic.Release();
  other.Release();
}

TEST_F(MemberDataTest, ShipTilePaletteWritesAndReadsNothing)
{
  ShipTilePalette palette;
  MemberBase& member = Add(&palette, ShipTilePalette());
  EXPECT_TRUE(Written(member).isNull());
  member.Deserialize(Parsed("[1]"));
  EXPECT_FALSE(member.HasChanged());
}

TEST_F(MemberDataTest, EqualsComparesTheFieldsOfTwoLists)
{
  float first = 1.0f;
  float second = 1.0001f;
  MemberBase& firstMember = Add(&first, 0.0f);
  MemberBase& secondMember = Add(&second, 0.0f);
  // Objects are compared with their prefab exactly; the tolerance is only for defaults.
  EXPECT_TRUE(firstMember.NotEquals(secondMember));
  second = 1.0f;
  EXPECT_TRUE(firstMember.Equals(secondMember));
  int other = 1;
  EXPECT_FALSE(firstMember.Equals(Add(&other, 0)));
}

TEST(UnsignedWidgetTest, NegativeEntriesBecomeZero)
{
  EXPECT_EQ(UnsignedFromEntry(-5), 0u);
  EXPECT_EQ(UnsignedFromEntry(12), 12u);
}
}  // namespace
