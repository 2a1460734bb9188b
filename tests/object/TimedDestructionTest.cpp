#include "render/SpriteTestEnvironment.h"

#include "object/ObjectEvents.h"
#include "object/TimedDestruction.h"

namespace
{
// Counts the explosions announced on one object's id.
struct ExplosionListener : Listener
{
  ExplosionListener() : Listener(0) {}
  void On(ExplosionEvent*) { ++heard; }
  int heard = 0;
};
}  // namespace

class TimedDestructionTest : public SpriteTest
{
protected:
  Handle<GameObject> MakeTimed(const std::string& members)
  {
    Define("Timed", R"({"TimedDestruction": )" + members + R"(, "Transform": null})");
    Handle<GameObject> object = Make("Timed");
    events->Subscribe<ExplosionListener, ExplosionEvent>(&explosions, object->GetId());
    return object;
  }

  ExplosionListener explosions;
};

TEST_F(TimedDestructionTest, TheObjectGoesInTheUpdateThatReachesItsTime)
{
  const Handle<GameObject> object = MakeTimed(R"({"active": true, "destructionTime": 1.0})");
  for (int step = 0; step < 3; ++step)
    Update(0.3f);
  PausedUpdate(5.0f);
  ASSERT_TRUE(object.IsValid());
  EXPECT_EQ(explosions.heard, 0);
  Update(0.1f);
  EXPECT_FALSE(object.IsValid());
  EXPECT_EQ(explosions.heard, 1);
}

TEST_F(TimedDestructionTest, TimeZeroEndsTheObjectInTheFirstUpdate)
{
  const Handle<GameObject> object = MakeTimed(R"({"active": true})");
  Update(0.0f);
  EXPECT_FALSE(object.IsValid());
  EXPECT_EQ(explosions.heard, 1);
}

TEST_F(TimedDestructionTest, AnInactiveTimerNeverRuns)
{
  const Handle<GameObject> object = MakeTimed(R"({"destructionTime": 0.5})");
  for (int step = 0; step < 10; ++step)
    Update(1.0f);
  EXPECT_TRUE(object.IsValid());
  EXPECT_FLOAT_EQ(object->GetComponent<TimedDestruction>()->GetElapsed(), 0.0f);

  MemberList members(*object->GetComponent<TimedDestruction>());
  ASSERT_EQ(members.Get().size(), 2u);
  EXPECT_EQ(members.Get()[0]->GetName(), "active");
  EXPECT_EQ(members.Get()[1]->GetName(), "destructionTime");
}
