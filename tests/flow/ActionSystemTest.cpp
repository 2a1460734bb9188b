// Records step on the frame clock: they interpolate from the first step after they were made, end
// exactly on their end value, and finish without writing once their object is gone.
#include "flow/actions/ActionSystem.h"

#include "support/HandMadeObjects.h"
#include "support/ScopedEngine.h"

#include <glm/vec2.hpp>
#include <gtest/gtest.h>

#include <vector>

namespace
{
struct Target
{
  std::vector<glm::vec2> written;
};

void Write(Target& target, const glm::vec2& value)
{
  target.written.push_back(value);
}
}  // namespace

class ActionSystemTest : public EngineTestWith<ScopedEngine::EventsOnly>
{
protected:
  float now = 10.0f;
  ActionSystem::ActionSystem actions{[this]() { return now; }};
};

TEST_F(ActionSystemTest, RecordsInterpolateFinishOnTheEndValueAndDieWithTheirObject)
{
  Handle<GameObject> object = MakeBareObject();
  Target scale;
  Target immediate;
  Target orphan;
  actions.AddSetter(object, &scale, Write, glm::vec2(0.0f, 10.0f), glm::vec2(10.0f, 20.0f), 0.25f);
  actions.AddSetter(object, &immediate, Write, glm::vec2(1.0f), glm::vec2(2.0f), 0.0f);
  Handle<GameObject> doomed = MakeBareObject("doomed");
  actions.AddSetter(doomed, &orphan, Write, glm::vec2(0.0f), glm::vec2(1.0f), 1.0f);
  EXPECT_TRUE(scale.written.empty()) << "nothing is written when a record is made";

  doomed.Release();
  now = 10.1f;
  actions.Update();
  ASSERT_EQ(scale.written.size(), 1u);
  EXPECT_NEAR(scale.written[0].x, 4.0f, 1e-4f);
  EXPECT_NEAR(scale.written[0].y, 14.0f, 1e-4f);
  ASSERT_EQ(immediate.written.size(), 1u) << "a zero duration writes its end value at once";
  EXPECT_EQ(immediate.written[0], glm::vec2(2.0f));
  EXPECT_TRUE(orphan.written.empty()) << "a record whose object is gone writes nothing";
  EXPECT_EQ(actions.RecordCount(), 1u);

  now = 10.25f;  // exactly the end: the end value, but the record finishes on the next step
  actions.Update();
  EXPECT_EQ(scale.written.back(), glm::vec2(10.0f, 20.0f));
  EXPECT_EQ(actions.RecordCount(), 1u);
  now = 10.3f;
  actions.Update();
  EXPECT_EQ(scale.written.back(), glm::vec2(10.0f, 20.0f));
  EXPECT_EQ(scale.written.size(), 3u);
  EXPECT_EQ(actions.RecordCount(), 0u);
  object.Release();
}

TEST_F(ActionSystemTest, TwoRecordsOnOneSetterBothWriteAndTheLaterOneDecides)
{
  Handle<GameObject> object = MakeBareObject();
  Target sprite;
  actions.AddSetter(object, &sprite, Write, glm::vec2(1.0f), glm::vec2(1.2f), 0.25f);  // hover begins
  actions.AddSetter(object, &sprite, Write, glm::vec2(1.0f), glm::vec2(1.0f), 0.25f);  // and ends in one frame
  for (now = 10.1f; actions.RecordCount() > 0; now += 0.1f)
    actions.Update();
  ASSERT_EQ(sprite.written.size(), 6u) << "both ran three steps";
  for (std::size_t step = 0; step < 6; step += 2)
  {
    EXPECT_GT(sprite.written[step].x, 1.0f) << "the earlier record writes first";
    EXPECT_EQ(sprite.written[step + 1], glm::vec2(1.0f)) << "and the later one has the last word";
  }
  object.Release();
}
