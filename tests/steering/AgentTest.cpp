// Agents on the game's frame: the steering an object receives through the queue moves its body
// with that acceleration whatever its mass, within the speed limit, and turns it unless it is
// locked upright; bad limits in a level and bad steering are refused with a message.
#include "support/AIScene.h"

#include "physics/Rigidbody.h"
#include "steering/AIEvents.h"
#include "steering/Agent.h"

#include <cmath>
#include <limits>

namespace
{
std::string Body(const std::string& name, float x, float inverseMass, const std::string& agent = "{}",
                 const std::string& extra = "")
{
  return R"({"name": ")" + name + R"(", "prefab": "Default", "uuid": )" + std::to_string(static_cast<int>(x) + 1000) +
         R"(, "children": [], "components": {"Transform": {"position": [)" + std::to_string(x) +
         R"(, 0]}, "Rigidbody": {"invMass": )" + std::to_string(inverseMass) +
         R"(}, "CircleCollider": {"radius": 10, "group": "ENEMY"}, "Agent": )" + agent + extra + "}}";
}
}  // namespace

class AgentTest : public AIScene
{
protected:
  void Steer(const Handle<GameObject>& object, glm::vec2 linear, float angular)
  {
    events->QueueEvent(MemoryManager::New<UpdateSteering>(BRINDLE_SITE, object->GetId(), linear, angular));
  }
};

TEST_F(AgentTest, SteeringMovesTheBodyAtItsAccelerationWithinTheLimits)
{
  CapturedLog output;
  Space* space = Load("agents", "[" + Body("Light", 0, 2.0f) + "," + Body("Heavy", 300, 0.25f) + "," +
                                    Body("Anchored", 600, 0.0f) + "," +
                                    Body("Upright", 900, 1.0f, "{}", R"(, "RotationLock": {})") + "," +
                                    Body("Garbled", 1200, 1.0f) + "]");
  const Handle<GameObject> light = Find(space, "Light");
  const Handle<GameObject> heavy = Find(space, "Heavy");
  const Handle<GameObject> anchored = Find(space, "Anchored");
  const Handle<GameObject> upright = Find(space, "Upright");
  ASSERT_TRUE(light.IsValid() && heavy.IsValid() && anchored.IsValid() && upright.IsValid()) << output.Text();
  Kinematic* lightState = light->GetComponent<Agent>()->GetKinematic().Get();
  EXPECT_EQ(lightState->position, glm::vec2(0.0f, 0.0f));
  EXPECT_EQ(heavy->GetComponent<Agent>()->GetKinematic()->position, glm::vec2(300.0f, 0.0f))
      << "the kinematic starts where the body stands";
  EXPECT_EQ(lightState->motivator, &light->GetComponent<Agent>()->GetMotivator());

  for (int frame = 0; frame < 12; ++frame)
  {
    for (const Handle<GameObject>& object : {light, heavy, anchored, upright})
      Steer(object, {1000.0f, 0.0f}, 100.0f);
    RunFrames(1);
  }
  const glm::vec2 lightVelocity = light->GetComponent<Rigidbody>()->velocity;
  EXPECT_GT(lightVelocity.x, 0.0f);
  EXPECT_EQ(lightVelocity.y, 0.0f);
  EXPECT_FLOAT_EQ(heavy->GetComponent<Rigidbody>()->velocity.x, lightVelocity.x) << "the same acceleration";
  EXPECT_EQ(lightState->velocity, lightVelocity) << "read back after the step";
  EXPECT_EQ(lightState->position, PositionOf(light));
  EXPECT_EQ(anchored->GetComponent<Rigidbody>()->velocity, glm::vec2(0.0f, 0.0f)) << "no force on an immovable body";
  // The rotation grows by 100 rad/s² up to the limit of 25 rad/s, and the Transform follows.
  EXPECT_GT(lightState->rotation, 0.0f);
  EXPECT_NEAR(light->GetTransform()->GetRotation(), lightState->orientation, lightState->rotation * FrameStep + 1e-4f);
  EXPECT_EQ(upright->GetTransform()->GetRotation(), 0.0f) << "a RotationLock keeps it upright";

  // Over the speed limit the forward push stops; the speed settles just above 250.
  for (int frame = 0; frame < 60; ++frame)
  {
    Steer(light, {1000.0f, 0.0f}, 0.0f);
    RunFrames(1);
  }
  const float settled = light->GetComponent<Rigidbody>()->velocity.x;
  EXPECT_GT(settled, 250.0f);
  EXPECT_LT(settled, 250.0f + 3.0f * 1000.0f * FrameStep);

  // A steering that is not a number is refused, once reported; the body coasts.
  Steer(light, {std::numeric_limits<float>::quiet_NaN(), 0.0f}, 0.0f);
  Steer(light, {0.0f, 0.0f}, std::numeric_limits<float>::infinity());
  RunFrames(3);
  EXPECT_EQ(output.CountOf("[ERROR] Agent of \"Light\": a steering that is not a finite number is refused"), 1u);
  EXPECT_TRUE(std::isfinite(light->GetComponent<Rigidbody>()->velocity.x));
  EXPECT_EQ(light->GetComponent<Agent>()->GetSteering().linear, glm::vec2(0.0f, 0.0f));
}

TEST_F(AgentTest, TheMotivatorIsReadAsFourFiniteNumbers)
{
  CapturedLog output;
  Space* space = Load("limits", "[" + Body("Tuned", 0, 1.0f, R"({"motivator": [100, null, 3, 4]})") + "," +
                                    Body("Short", 100, 1.0f, R"({"motivator": [1, 2, 3]})") + "," +
                                    Body("Worded", 200, 1.0f, R"({"motivator": "fast"})") + "]");
  for (const char* name : {"Tuned", "Short", "Worded"})
    ASSERT_TRUE(Find(space, name).IsValid()) << name << output.Text();
  Agent* tuned = Find(space, "Tuned")->GetComponent<Agent>();
  EXPECT_EQ(tuned->GetMotivator(), Motivator(100.0f, 250.0f, 3.0f, 4.0f)) << "a null leaves its limit alone";
  for (const char* name : {"Short", "Worded"})
    EXPECT_EQ(Find(space, name)->GetComponent<Agent>()->GetMotivator(), Motivator()) << name;
  EXPECT_EQ(output.CountOf("[ERROR] Member \"motivator\""), 2u) << output.Text();
  // What the file format cannot carry can still come from the editor's fields.
  tuned->GetMotivator().SetBase(Motivator::MaxLinearVelocity, std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(tuned->GetMotivator().GetBase(Motivator::MaxLinearVelocity), 250.0f);
  EXPECT_TRUE(asserts.Saw("is not finite"));

  Json::Value saved;
  Find(space, "Tuned")->GetComponent<Agent>()->SerializeMembers(saved);
  EXPECT_EQ(saved["Agent"]["motivator"].size(), 4u);
  EXPECT_EQ(saved["Agent"]["motivator"][0].asFloat(), 100.0f);
  EXPECT_FALSE(saved["Agent"].isMember("Kinematic"));
}
