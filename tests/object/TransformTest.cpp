#include "support/HandMadeObjects.h"
#include "support/EventRecorder.h"
#include "support/ScopedEngine.h"

#include "object/ObjectEvents.h"
#include "object/Transform.h"

#include <cmath>

namespace
{
constexpr float Pi = 3.14159265358979f;
constexpr float Tolerance = 1e-4f;

class TransformTest : public EngineTestWith<ScopedEngine::EventsOnly>
{
protected:
  ~TransformTest() override
  {
    for (Handle<GameObject>& object : objects)
      GameObject::Destroy(object);
  }

  // An object with a Transform at a local position, watched for events.
  Transform* Make(glm::vec2 position = glm::vec2(0.0f), float rotation = 0.0f)
  {
    objects.push_back(MakeBareObject());
    Handle<GameObject>& object = objects.back();
    auto* transform = static_cast<Transform*>(object->AttachComponent(MemoryManager::New<Transform>(BRINDLE_SITE)));
    transform->SetPosition(position);
    transform->SetRotation(rotation);
    moved.Watch(object->GetId());
    parented.Watch(object->GetId());
    return transform;
  }

  static std::uint32_t IdOf(const Transform* transform) { return transform->GetGameObject()->GetId(); }

  std::vector<Handle<GameObject>> objects;
  // The ids of the objects announced as moved, and the channels parenting was told on.
  EventRecorder<PositionUpdateEvent> moved{[](const PositionUpdateEvent& event) { return event.object->GetId(); }};
  EventRecorder<ParentedEvent> parented;
};

void ExpectNear(glm::vec2 actual, glm::vec2 expected)
{
  EXPECT_NEAR(actual.x, expected.x, Tolerance);
  EXPECT_NEAR(actual.y, expected.y, Tolerance);
}

TEST_F(TransformTest, ANewTransformIsTheIdentity)
{
  Transform transform;
  EXPECT_EQ(transform.GetPosition(), glm::vec2(0.0f, 0.0f));
  EXPECT_EQ(transform.GetRotation(), 0.0f);
  EXPECT_EQ(transform.GetScale(), glm::vec2(1.0f, 1.0f));
  EXPECT_EQ(transform.GetParent(), nullptr);
  EXPECT_EQ(transform.GetWorldMatrix(), glm::mat3(1.0f));
  EXPECT_EQ(transform.GetTypeName(), "Transform");
}

TEST_F(TransformTest, LocalMatrixIsTranslateRotateScale)
{
  Transform transform;
  transform.SetPosition(glm::vec2(5.0f, 6.0f));
  transform.SetRotation(Pi / 2.0f);
  transform.SetScale(glm::vec2(2.0f, 3.0f));
  const glm::mat3 world = transform.GetWorldMatrix();
  EXPECT_NEAR(world[0][0], 0.0f, Tolerance);
  EXPECT_NEAR(world[0][1], 2.0f, Tolerance);
  EXPECT_NEAR(world[1][0], -3.0f, Tolerance);
  EXPECT_NEAR(world[1][1], 0.0f, Tolerance);
  ExpectNear(transform.GetWorldPosition(), glm::vec2(5.0f, 6.0f));
  ExpectNear(transform.GetWorldXAxis(), glm::vec2(0.0f, 2.0f));
  ExpectNear(transform.GetWorldDown(), glm::vec2(3.0f, 0.0f));
}

TEST_F(TransformTest, ReparentingKeepsTheWorldPosition)
{
  Transform* parent = Make(glm::vec2(10.0f, 0.0f), Pi / 2.0f);
  Transform* child = Make(glm::vec2(10.0f, 5.0f));
  ASSERT_TRUE(child->SetParent(parent));
  ExpectNear(child->GetPosition(), glm::vec2(5.0f, 0.0f));
  EXPECT_NEAR(child->GetRotation(), -Pi / 2.0f, Tolerance);
  ExpectNear(child->GetWorldPosition(), glm::vec2(10.0f, 5.0f));
  EXPECT_EQ(parent->ChildCount(), 1u);
  EXPECT_EQ(*parent->ChildrenBegin(), child);
  EXPECT_EQ(child->GetGameObject()->GetParent(), parent->GetOwner());

  // Detaching keeps the world position too.
  child->SetParent(nullptr);
  ExpectNear(child->GetPosition(), glm::vec2(10.0f, 5.0f));
  EXPECT_EQ(parent->ChildCount(), 0u);
}

TEST_F(TransformTest, DecompositionStaysFiniteAtAQuarterTurn)
{
  Transform* parent = Make(glm::vec2(0.0f), Pi / 2.0f);
  parent->SetScale(glm::vec2(2.0f, 2.0f));
  Transform* child = Make(glm::vec2(1.0f, 1.0f));
  child->SetScale(glm::vec2(1.0f, 3.0f));
  child->SetParent(parent);
  EXPECT_TRUE(std::isfinite(child->GetScale().x));
  EXPECT_TRUE(std::isfinite(child->GetScale().y));
  EXPECT_NEAR(child->GetScale().x, 0.5f, Tolerance);
  EXPECT_NEAR(child->GetScale().y, 1.5f, Tolerance);
  EXPECT_NEAR(child->GetRotation(), -Pi / 2.0f, Tolerance);

  Transform loose;
  glm::mat3 turned(1.0f);
  turned[0][0] = 0.0f;
  turned[0][1] = 4.0f;
  turned[1][0] = -5.0f;
  turned[1][1] = 0.0f;
  turned[2][0] = 7.0f;
  loose.SetLocalMatrix(turned);
  EXPECT_NEAR(loose.GetRotation(), Pi / 2.0f, Tolerance);
  EXPECT_NEAR(loose.GetScale().x, 4.0f, Tolerance);
  EXPECT_NEAR(loose.GetScale().y, 5.0f, Tolerance);
  EXPECT_EQ(loose.GetPosition(), glm::vec2(7.0f, 0.0f));
}

TEST_F(TransformTest, WorldRotationAddsUpTheChain)
{
  Transform* parent = Make(glm::vec2(0.0f), 0.25f);
  Transform* child = Make();
  child->AttachToParent(parent);
  child->SetRotation(0.5f);
  EXPECT_NEAR(child->GetWorldRotation(), 0.75f, Tolerance);
  child->SetWorldRotation(1.0f);
  EXPECT_NEAR(child->GetRotation(), 0.75f, Tolerance);
}

TEST_F(TransformTest, WorldPositionIsSetThroughTheParent)
{
  Transform* grandparent = Make(glm::vec2(100.0f, 0.0f), Pi);
  Transform* parent = Make();
  Transform* child = Make();
  parent->AttachToParent(grandparent);
  parent->SetScale(glm::vec2(2.0f, 2.0f));
  child->AttachToParent(parent);
  child->SetWorldPosition(90.0f, 4.0f);
  ExpectNear(child->GetWorldPosition(), glm::vec2(90.0f, 4.0f));
  ExpectNear(child->GetPosition(), glm::vec2(5.0f, -2.0f));

  child->TranslateWorld(glm::vec2(-2.0f, 0.0f));
  ExpectNear(child->GetWorldPosition(), glm::vec2(88.0f, 4.0f));
  child->Translate(glm::vec2(1.0f, 0.0f));
  ExpectNear(child->GetPosition(), glm::vec2(7.0f, -2.0f));
}

// NaN and both infinities, in either coordinate, fed to every setter of a parented transform:
// each setter reports its first refusal, and the transform keeps its values, stays finite and
// announces nothing.
TEST_F(TransformTest, EverySetterRefusesValuesThatAreNotFinite)
{
  Transform* parent = Make(glm::vec2(10.0f, 20.0f), 0.5f);
  Transform* child = Make(glm::vec2(3.0f, 4.0f), 0.25f);
  child->AttachToParent(parent);
  child->SetScale(glm::vec2(2.0f, 3.0f));
  const glm::mat3 world = child->GetWorldMatrix();
  moved.notes.clear();

  for (const float bad : {NAN, INFINITY, -INFINITY})
  {
    for (const glm::vec2 value : {glm::vec2(bad, 1.0f), glm::vec2(1.0f, bad)})
    {
      child->SetPosition(value);
      child->SetWorldPosition(value.x, value.y);
      child->Translate(value);
      child->TranslateWorld(value);
      child->SetScale(value);
    }
    child->SetRotation(bad);
    child->Rotate(bad);
    child->SetWorldRotation(bad);
    glm::mat3 matrix(1.0f);
    matrix[1][0] = bad;
    child->SetLocalMatrix(matrix);
  }
  EXPECT_EQ(asserts.Count(), 9u) << "one report per setter";
  EXPECT_TRUE(asserts.Saw("position is not finite: (nan, 1); it is left unchanged"));
  EXPECT_EQ(child->GetPosition(), glm::vec2(3.0f, 4.0f));
  EXPECT_EQ(child->GetRotation(), 0.25f);
  EXPECT_EQ(child->GetScale(), glm::vec2(2.0f, 3.0f));
  EXPECT_EQ(child->GetWorldMatrix(), world);
  EXPECT_TRUE(moved.notes.empty());
}

TEST_F(TransformTest, MovesAreAnnouncedToTheObjectAndItsDirectChildren)
{
  Transform* parent = Make();
  Transform* child = Make();
  Transform* grandchild = Make();
  child->AttachToParent(parent);
  grandchild->AttachToParent(child);
  moved.notes.clear();

  parent->SetPosition(glm::vec2(1.0f, 1.0f));
  EXPECT_EQ(moved.notes, (std::vector<std::uint32_t>{IdOf(parent), IdOf(child)}));

  moved.notes.clear();
  parent->SetRotation(1.0f);
  parent->SetScale(glm::vec2(2.0f, 2.0f));
  EXPECT_TRUE(moved.notes.empty());
  ExpectNear(child->GetWorldXAxis(), glm::vec2(2.0f * std::cos(1.0f), 2.0f * std::sin(1.0f)));

  // A transform without an object only stores the value.
  Transform loose;
  loose.SetPosition(glm::vec2(4.0f, 4.0f));
  EXPECT_TRUE(moved.notes.empty());
  EXPECT_EQ(loose.GetWorldPosition(), glm::vec2(4.0f, 4.0f));
}

TEST_F(TransformTest, ParentingIsAnnouncedLaterAndWatchesTheChild)
{
  Transform* parent = Make();
  Transform* child = Make();
  moved.notes.clear();
  child->SetParent(parent);
  EXPECT_TRUE(parented.notes.empty()) << "queued, not sent at once";
  EXPECT_TRUE(moved.notes.empty());
  events->ProcessQueue();
  EXPECT_EQ(parented.notes, std::vector<std::uint32_t>{IdOf(child)});
  EXPECT_EQ(events->SubscriptionCount(GameObjectDestroyedEvent::TypeId, IdOf(child)), 1u);

  // The child's destruction request takes it out of the parent's children.
  events->SendEvent(MemoryManager::New<GameObjectDestroyedEvent>(BRINDLE_SITE, IdOf(child), child->GetOwner()));
  EXPECT_EQ(parent->ChildCount(), 0u);
  EXPECT_EQ(child->GetParent(), nullptr);
}

TEST_F(TransformTest, ACycleIsRefusedWithAMessage)
{
  Transform* root = Make();
  Transform* middle = Make();
  Transform* leaf = Make();
  middle->SetParent(root);
  leaf->SetParent(middle);

  EXPECT_FALSE(root->SetParent(leaf));
  EXPECT_FALSE(root->SetParent(root));
  EXPECT_FALSE(root->AttachToParent(middle));
  EXPECT_EQ(asserts.Count(), 3u);
  EXPECT_EQ(root->GetParent(), nullptr);
  EXPECT_EQ(root->ChildCount(), 1u);
  EXPECT_TRUE(leaf->HasAncestor(root));
  EXPECT_FALSE(root->HasAncestor(leaf));
}

TEST_F(TransformTest, DestroyingAParentLeavesChildrenWhereTheyWere)
{
  Transform* parent = Make(glm::vec2(50.0f, 50.0f), Pi / 2.0f);
  parent->SetScale(glm::vec2(2.0f, 2.0f));
  Transform* child = Make(glm::vec2(1.0f, 2.0f));
  child->AttachToParent(parent);
  ExpectNear(child->GetWorldPosition(), glm::vec2(46.0f, 52.0f));
  GameObject::Destroy(objects[0]);
  // Its world placement became its own values.
  EXPECT_EQ(child->GetParent(), nullptr);
  ExpectNear(child->GetPosition(), glm::vec2(46.0f, 52.0f));
  ExpectNear(child->GetWorldPosition(), glm::vec2(46.0f, 52.0f));
  EXPECT_NEAR(child->GetRotation(), Pi / 2.0f, Tolerance);
  ExpectNear(child->GetScale(), glm::vec2(2.0f, 2.0f));
  ExpectNear(child->GetWorldXAxis(), glm::vec2(0.0f, 2.0f));
}

TEST_F(TransformTest, DestroyingAChildTakesItOutOfItsParent)
{
  Transform* parent = Make();
  Transform* child = Make();
  child->SetParent(parent);
  GameObject::Destroy(objects[1]);
  EXPECT_EQ(parent->ChildCount(), 0u);
}

TEST_F(TransformTest, AssignmentCopiesValuesNotLinks)
{
  Transform* parent = Make();
  Transform* child = Make();
  child->AttachToParent(parent);
  Transform source;
  source.SetPosition(glm::vec2(3.0f, 4.0f));
  source.SetRotation(0.5f);
  source.SetScale(glm::vec2(2.0f, 2.0f));

  *child = source;
  *parent = source;
  EXPECT_EQ(child->GetPosition(), glm::vec2(3.0f, 4.0f));
  EXPECT_EQ(child->GetRotation(), 0.5f);
  EXPECT_EQ(child->GetParent(), parent);
  EXPECT_EQ(parent->ChildCount(), 1u);
  EXPECT_EQ(source.ChildCount(), 0u);
  // The cached matrix follows the copied values.
  ExpectNear(parent->GetWorldPosition(), glm::vec2(3.0f, 4.0f));
}

// The world matrix is kept between reads; whatever changes up the chain, a read must give what
// the chain of local matrices gives now.
TEST_F(TransformTest, AKeptWorldMatrixFollowsEveryChangeUpTheChain)
{
  Transform* grandparent = Make(glm::vec2(10.0f, 0.0f));
  Transform* parent = Make(glm::vec2(0.0f, 5.0f));
  Transform* other = Make(glm::vec2(-30.0f, 7.0f), 1.0f);
  Transform* child = Make(glm::vec2(1.0f, 2.0f));
  parent->AttachToParent(grandparent);
  child->AttachToParent(parent);
  const auto expectFresh = [&](const char* after) {
    glm::mat3 chain = child->GetLocalMatrix();
    for (const Transform* ancestor = child->GetParent(); ancestor != nullptr; ancestor = ancestor->GetParent())
      chain = ancestor->GetLocalMatrix() * chain;
    for (int column = 0; column < 3; ++column)
      for (int row = 0; row < 3; ++row)
        EXPECT_NEAR(child->GetWorldMatrix()[column][row], chain[column][row], Tolerance) << after;
  };
  expectFresh("attaching");
  grandparent->SetPosition(glm::vec2(-4.0f, 8.0f));
  expectFresh("a grandparent's move");
  parent->SetRotation(0.3f);
  expectFresh("a parent's turn");
  grandparent->SetScale(glm::vec2(2.0f, 0.5f));
  expectFresh("a grandparent's scale");
  parent->SetLocalMatrix(glm::mat3(1.0f));
  expectFresh("a parent's matrix");
  child->SetParent(other);
  expectFresh("re-parenting");
  other->Rotate(0.5f);
  grandparent->SetPosition(glm::vec2(100.0f, 100.0f));
  expectFresh("the old parent's move after re-parenting");
  Json::Value record;
  Json::Reader().parse("{\"position\": [3, 3], \"rotation\": 2}", record);
  other->Deserialize(record);
  expectFresh("a write through the members");
  child->SetParent(nullptr);
  expectFresh("detaching");
}

TEST_F(TransformTest, MembersAreItsPositionRotationAndScale)
{
  Transform* transform = Make();
  Json::Value parent;
  transform->SetScale(glm::vec2(2.0f, 1.0f));
  moved.notes.clear();
  Json::Value record;
  Json::Reader().parse("{\"position\": [3, 4], \"rotation\": 1.5}", record);
  transform->Deserialize(record);
  EXPECT_TRUE(moved.notes.empty()) << "before it wakes (a record being read) nobody can listen";
  transform->OnAwake();
  transform->SerializeMembers(parent);
  EXPECT_TRUE(parent["Transform"].isMember("position"));
  EXPECT_TRUE(parent["Transform"].isMember("scale"));
  EXPECT_TRUE(moved.notes.empty()) << "reading the members (a save) moves nothing";
  // A write through the members announces a possible move to whoever listens.
  transform->Deserialize(record);
  EXPECT_EQ(moved.notes, std::vector<std::uint32_t>{IdOf(transform)});
  EXPECT_EQ(transform->GetPosition(), glm::vec2(3.0f, 4.0f));
  ExpectNear(transform->GetWorldPosition(), glm::vec2(3.0f, 4.0f));
  EXPECT_EQ(transform->GetRotation(), 1.5f);

  MemberList members(*transform);
  ASSERT_EQ(members.Get().size(), 3u);
  EXPECT_FALSE(members["position"]->IsDisplayed());
  EXPECT_TRUE(members["rotation"]->IsSerialized());
}
}  // namespace
