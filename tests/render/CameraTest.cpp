// The camera's view and mouse mapping, and its life with its space and the renderer.
#include "render/Camera.h"

#include "app/GameSession.h"
#include "core/EventManager.h"
#include "core/MemoryManager.h"
#include "object/Space.h"
#include "support/ScopedEngine.h"
#include "object/GameObject.h"
#include "object/ObjectEvents.h"
#include "object/Transform.h"
#include "support/RecordingAssertHandler.h"

#include <glm/gtc/matrix_transform.hpp>  // Required for: glm::ortho

#include <cmath>

namespace
{
glm::vec2 Apply(const glm::mat3& m, glm::vec2 p)
{
  const glm::vec3 result = m * glm::vec3(p, 1.0f);
  return glm::vec2(result.x, result.y);
}

// The renderer's projection for a window of that size.
glm::mat4 Projection(float width, float height)
{
  const float halfHeight = 960.0f * height / width;
  return glm::ortho(-960.0f, 960.0f, -halfHeight, halfHeight, 1.0f, -5.0f);
}

glm::mat3 Placement(glm::vec2 position, float rotation, glm::vec2 scale)
{
  Transform transform;
  transform.SetPosition(position);
  transform.SetRotation(rotation);
  transform.SetScale(scale);
  return transform.GetWorldMatrix();
}

void ExpectNear(glm::vec2 actual, glm::vec2 expected)
{
  EXPECT_NEAR(actual.x, expected.x, 1e-3f);
  EXPECT_NEAR(actual.y, expected.y, 1e-3f);
}
}  // namespace

TEST(CameraMathTest, TheViewIsTheExactInverseOfThePlacement)
{
  ExpectNear(Apply(Camera::InverseAffine(Placement({100, 50}, 0, {1, 1})), {100, 50}), {0, 0});
  // A camera scaled by 2 shows twice the world.
  ExpectNear(Apply(Camera::InverseAffine(Placement({0, 0}, 0, {2, 2})), {200, 0}), {100, 0});

  const glm::mat3 placement = Placement({-30, 12}, 0.7f, {1.5f, 0.5f});
  const glm::mat3 view = Camera::InverseAffine(placement);
  for (glm::vec2 point : {glm::vec2(0, 0), glm::vec2(5, -9), glm::vec2(-400, 250)})
    ExpectNear(Apply(view, Apply(placement, point)), point);

  // A zero scale cannot be inverted: the view stays finite.
  const glm::mat3 degenerate = Camera::InverseAffine(Placement({5, 5}, 0, {0, 0}));
  for (int column = 0; column < 3; ++column)
    for (int row = 0; row < 3; ++row)
      EXPECT_TRUE(std::isfinite(degenerate[column][row]));
}

// A shake matrix with NaN or an infinity in any cell is reported and leaves the view as it was.
TEST(CameraMathTest, AShakeMatrixThatIsNotFiniteIsRefused)
{
  RecordingAssertHandler asserts;
  Camera camera;
  glm::mat3 shake(1.0f);
  shake[2][0] = 4.0f;
  camera.SetShakeMatrix(shake);
  for (const float bad : {NAN, INFINITY, -INFINITY})
    for (int cell = 0; cell < 9; ++cell)
    {
      glm::mat3 broken = shake;
      broken[cell / 3][cell % 3] = bad;
      camera.SetShakeMatrix(broken);
    }
  EXPECT_EQ(asserts.Count(), 1u) << "the first refusal tells";
  EXPECT_TRUE(asserts.Saw("shake matrix is not finite: [(nan, 0, 4), (0, 1, 0), (0, 0, 1)]"));
  EXPECT_EQ(camera.GetShakeMatrix(), shake);
  ExpectNear(Apply(camera.ToCameraSpace(), {1, 2}), {5, 2});
}

TEST(CameraMathTest, TheMouseMapsThroughTheProjectionAndThePlacement)
{
  const glm::vec2 window(1920, 1080);
  const glm::mat4 projection = Projection(window.x, window.y);
  const glm::mat3 origin(1.0f);
  ExpectNear(Camera::WindowToWorld({960, 540}, window, projection, origin), {0, 0});
  ExpectNear(Camera::WindowToWorld({1920, 540}, window, projection, origin), {960, 0});
  // Window y grows downwards, world y upwards.
  ExpectNear(Camera::WindowToWorld({960, 0}, window, projection, origin), {0, 540});

  // Moved and zoomed out, the same pixel shows another point.
  const glm::mat3 placed = Placement({100, 50}, 0, {2, 2});
  ExpectNear(Camera::WindowToWorld({1920, 540}, window, projection, placed), {2020, 50});
}

// Windowless: without a window a camera has no mouse to follow.
class CameraTest : public EngineTestWith<ScopedEngine::WithSession>
{
protected:
  Handle<GameObject> MakeCamera(Space* space, glm::vec2 position = {0, 0})
  {
    Handle<GameObject> object;
    session->GetFactory().CreateGameObjectAt(object, "Camera", space, position.x, position.y, "Camera");
    return object;
  }

  // The way play destroys an object: the request is queued to its space, which tears it down.
  void Destroy(Handle<GameObject> object)
  {
    Space* space = object->GetSpace();
    events->Subscribe<Space, GameObjectDestroyedEvent>(space, object->GetId());
    events->QueueEvent(MemoryManager::New<GameObjectDestroyedEvent>(BRINDLE_SITE, object->GetId(), object));
    events->ProcessQueue();
  }
};

TEST_F(CameraTest, AWakingCameraBecomesItsSpacesCameraAndRegisters)
{
  Space* space = LiveSpace("main", "nowhere");
  Handle<GameObject> object = MakeCamera(space, {100, 50});
  ASSERT_TRUE(object.IsValid());
  auto* camera = object->GetComponent<Camera>();
  ASSERT_NE(camera, nullptr);
  EXPECT_EQ(space->GetCurrentCamera(), camera);
  EXPECT_EQ(session->GetCameras(space), std::vector<Graphics::CameraView*>{camera});
  EXPECT_EQ(session->GetSpaceCamera(space), camera);
  ExpectNear(Apply(camera->ToCameraSpace(), {100, 50}), {0, 0});

  // Shake applies after the view.
  glm::mat3 shake(1.0f);
  shake[2][0] = 3.0f;
  camera->SetShakeMatrix(shake);
  ExpectNear(Apply(camera->ToCameraSpace(), {100, 50}), {3, 0});
}

TEST_F(CameraTest, DestroyingCamerasFallsBackToTheOthersThenToNone)
{
  Space* space = LiveSpace("main", "nowhere");
  Handle<GameObject> first = MakeCamera(space);
  Handle<GameObject> second = MakeCamera(space);
  auto* firstCamera = first->GetComponent<Camera>();
  EXPECT_EQ(space->GetCurrentCamera(), second->GetComponent<Camera>()) << "a later camera replaces an earlier one";

  Destroy(second);
  EXPECT_FALSE(second.IsValid());
  EXPECT_EQ(space->GetCurrentCamera(), firstCamera) << "the space falls back to its other camera";
  EXPECT_EQ(session->GetCameras(space), std::vector<Graphics::CameraView*>{firstCamera});

  Destroy(first);
  EXPECT_EQ(space->GetCurrentCamera(), nullptr);
  EXPECT_TRUE(session->GetCameras(space).empty());
  // The space is drawn no more, and nothing breaks.
  session->DispatchUpdateEvents(0.01f);
  session->DispatchDrawEvents();
}

TEST_F(CameraTest, UnloadingTheLevelUnregistersItsCameras)
{
  Space* space = LiveSpace("main", "nowhere");
  MakeCamera(space);
  Space* other = LiveSpace("other", "nowhere");
  Handle<GameObject> kept = MakeCamera(other);
  space->UnloadLevel();
  EXPECT_EQ(space->GetCurrentCamera(), nullptr);
  EXPECT_TRUE(session->GetCameras(space).empty());
  EXPECT_EQ(session->GetCameras(nullptr), std::vector<Graphics::CameraView*>{kept->GetComponent<Camera>()});
  // Drawing a space without a camera files nothing that could be drawn and breaks nothing.
  session->DispatchDrawEvents();
}

TEST_F(CameraTest, WithoutAWindowTheMousePositionStaysWhereItWas)
{
  Space* space = LiveSpace("main", "nowhere");
  Handle<GameObject> object = MakeCamera(space);
  auto* camera = object->GetComponent<Camera>();
  camera->UpdateMouseWorldPosition();
  session->DispatchUpdateEvents(0.01f);
  ExpectNear(camera->GetMouseWorldPosition(), {0, 0});
}
