#include "render/MouseWorldTracker.h"

#include "app/GameSession.h"
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "object/Space.h"
#include "support/ScopedEngine.h"
#include "input/Input.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Transform.h"
#include "platform/Assert.h"
#include "render/Camera.h"
#include "support/CapturedLog.h"
#include "support/FakeInputDevices.h"
#include "support/HeadlessGl.h"

#include <glm/gtc/matrix_transform.hpp>  // Required for: glm::ortho

// A session drawing into the shared hidden window (320 x 180 pixels showing 1920 x 1080 world
// units), with input on fake controllers, one live space and a camera in it at (100, 50).
class MouseWorldTrackerTest : public EngineTest
{
protected:
  void SetUp() override
  {
    SKIP_WITHOUT_GL();
    Json::Value cursor;
    Json::Reader().parse(R"({"MouseWorldTracker": null, "Transform": {"scale": [4, 4]}})", cursor);
    session->GetFactory().DefinePrefab("Cursor", cursor, "test");
    space = LiveSpace("main", "nowhere");
    session->GetFactory().CreateGameObjectAt(camera, "Camera", space, 100, 50, "Camera");
    session->GetFactory().CreateGameObject(tracker, "Cursor", space, "Cursor");
  }

  void MoveMouseTo(int x, int y)
  {
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = x;
    motion.motion.y = y;
    Input::Instance()->HandleEvent(motion);
  }
  void Update(Space* where) { events->SendEvent(MemoryManager::New<UpdateEvent>(BRINDLE_SITE, where->GetId(), 0.016f)); }
  glm::vec2 TrackerPosition() const { return tracker->GetTransform()->GetWorldPosition(); }
  glm::vec2 MouseInWorld() const { return camera->GetComponent<Camera>()->GetMouseWorldPosition(); }

  Handle<GameObject> camera;
  Handle<GameObject> tracker;
};

TEST_F(MouseWorldTrackerTest, TheObjectLandsUnderTheCursorEveryUpdate)
{
  MoveMouseTo(240, 45);  // half way to the right edge, half way to the top
  Update(space);
  EXPECT_EQ(MouseInWorld(), glm::vec2(100 + 480, 50 + 270));
  EXPECT_EQ(TrackerPosition(), MouseInWorld());

  // A parented tracker still lands under the cursor, in world coordinates.
  Handle<GameObject> parent;
  session->GetFactory().CreateGameObjectAt(parent, "Default", space, -30, 12, "Parent");
  parent->GetTransform()->SetScale(glm::vec2(2, 3));
  parent->GetTransform()->SetRotation(0.5f);
  ASSERT_TRUE(tracker->GetTransform()->SetParent(parent->GetTransform()));
  MoveMouseTo(10, 170);
  Update(space);
  EXPECT_NEAR(TrackerPosition().x, MouseInWorld().x, 1e-3f);
  EXPECT_NEAR(TrackerPosition().y, MouseInWorld().y, 1e-3f);
  EXPECT_NEAR(MouseInWorld().x, 100 - 900, 1e-3f);
}

TEST_F(MouseWorldTrackerTest, APausedSpaceLeavesTheObjectWhereItWas)
{
  MoveMouseTo(160, 90);
  Update(space);
  const glm::vec2 before = TrackerPosition();
  MoveMouseTo(300, 10);
  events->SendEvent(MemoryManager::New<PauseUpdateEvent>(BRINDLE_SITE, space->GetId(), 0.016f));
  EXPECT_EQ(TrackerPosition(), before);
}

TEST_F(MouseWorldTrackerTest, ASpaceWithoutACameraIsAContentError)
{
  Space* bare = LiveSpace("bare", "nowhere");
  Handle<GameObject> lost;
  session->GetFactory().CreateGameObject(lost, "Cursor", bare, "Cursor");
  UpdateEvent update(bare->GetId(), 0.016f);
  CapturedLog output;
  lost->GetComponent<MouseWorldTracker>()->On(&update);
  lost->GetComponent<MouseWorldTracker>()->On(&update);
  EXPECT_EQ(output.Text(), "[ERROR] Mouse world tracker couldn't find a camera. It's kind of important\n")
      << "said once, and the game goes on";
  EXPECT_EQ(asserts.Count(), 0u);
}
