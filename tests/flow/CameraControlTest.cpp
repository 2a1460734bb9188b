#include "FlowScene.h"

#include "core/Send.h"
#include "flow/camera/CameraLeash.h"
#include "flow/camera/CameraShake.h"
#include "flow/camera/ProximityDolly.h"
#include "flow/camera/ZoomManager.h"
#include "object/Removal.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"
#include "platform/Random.h"
#include "render/Camera.h"
#include "render/CameraEvents.h"

namespace
{
template <typename E, typename... Args>
void Send(Args... args)
{
  SendNow<E>(BRINDLE_SITE, args...);
}
}  // namespace

// The space's camera with every manager on it: shake, zoom and move requests, placing, and the
// leash that follows the space's player and keeps it in the middle of the view.
TEST_F(InterfaceScene, CameraShakesZoomsMovesAndFollowsThePlayer)
{
  Define("TestCamera", R"({"Camera": null, "CameraShake": {}, "ZoomManager": {"zoom": 2.0},
                           "CameraLeash": {"name of focus": "Focus"}})");
  const Handle<GameObject> camera = Make("TestCamera", {0.0f, 0.0f}, "EN Camera");
  camera->GetTransform()->SetScale({2.0f, 2.0f});
  auto* shake = camera->GetComponent<CameraShake>();
  const std::uint32_t id = space->GetId();

  // Two shakes of 0.7 give full trauma, not more; the first update turns by at most 0.05 rad and
  // moves by at most 30 units, then the trauma decays.
  Send<ShakeEvent>(id, 0.7f);
  Send<ShakeEvent>(id, 0.7f);
  EXPECT_FLOAT_EQ(shake->GetIntensity(), 1.0f);
  Frame();
  EXPECT_LE(std::fabs(shake->GetRotation()), 0.05f);
  EXPECT_LE(std::fabs(shake->GetTranslation().x), 30.0f);
  EXPECT_GT(std::fabs(shake->GetTranslation().x) + std::fabs(shake->GetRotation()), 0.0f);
  EXPECT_NEAR(shake->GetIntensity(), 1.0f - Step, 1e-5f);
  EXPECT_NE(camera->GetComponent<Camera>()->GetShakeMatrix(), glm::mat3(1.0f));
  Seconds(20.0f);
  EXPECT_EQ(camera->GetComponent<Camera>()->GetShakeMatrix(), glm::mat3(1.0f)) << "calm again";

  // Zoom: 2.0 towards "zoom" at "zoomSpeed" 0.2 per second, snapping once within 0.01.
  Send<SetZoom>(id, 1.0f, 0.2f);
  Frame();
  EXPECT_NEAR(camera->GetTransform()->GetScale().x, 2.0f - 0.2f * (Step * 2.0f * 1.0f), 1e-5f);
  Seconds(60.0f);
  EXPECT_EQ(camera->GetTransform()->GetScale(), glm::vec2(1.0f, 1.0f));

  // Leashed to a point: two hundredths of the rest of the way per update, whatever the step.
  Send<CameraMoveTo>(id, glm::vec2(1000.0f, 0.0f));
  Frame();
  EXPECT_TRUE(camera->GetComponent<ZoomManager>()->IsLeashed());
  Frames(1000);
  EXPECT_FALSE(camera->GetComponent<ZoomManager>()->IsLeashed());

  // Placed at once, then easing back to its zoom.
  Send<PlaceCameraEvent>(id, 2.7f, glm::vec2(-50.0f, 60.0f));
  EXPECT_EQ(PositionOf(camera), glm::vec2(-50.0f, 60.0f));
  EXPECT_EQ(camera->GetTransform()->GetScale(), glm::vec2(2.7f, 2.7f));
  Frame();
  EXPECT_LT(camera->GetTransform()->GetScale().x, 2.7f);

  // The leash idles without its named focus, even with players about; once it has one, it takes
  // the first player of its own space and follows with its lead.
  Define("TestPlayer", R"({"Registerer": {"registryType": "PLAYERS"}})");
  Make("TestPlayer", {-900.0f, 300.0f}, "Player1");
  const glm::vec2 idle = PositionOf(camera);
  Frame();
  EXPECT_EQ(PositionOf(camera), idle);
  Make("Empty", {-400.0f, 0.0f}, "Focus");
  Frame();
  // The test level has its own player, registered first.
  const Handle<GameObject> first = registry->GetObjects(RegistryType::PLAYERS).front();
  EXPECT_EQ(camera->GetComponent<CameraLeash>()->GetFocus(), first);
  first->GetTransform()->SetWorldPosition(400.0f, 300.0f);
  Seconds(10.0f);
  EXPECT_NEAR(PositionOf(camera).x, 400.0f, 1.0f);
  EXPECT_NEAR(PositionOf(camera).y, 300.0f, 1.0f);
  // However far the focus goes at once, the camera keeps it in the middle of its view: half the
  // half view across, a quarter of it up and down (a 1920 x 1080 view at scale 1).
  first->GetTransform()->SetWorldPosition(4000.0f, -3000.0f);
  Frame();
  const glm::vec2 scale = camera->GetTransform()->GetScale();
  EXPECT_NEAR(4000.0f - PositionOf(camera).x, 0.5f * 960.0f * scale.x, 1.0f);
  EXPECT_NEAR(PositionOf(camera).y + 3000.0f, 0.25f * 540.0f * scale.y, 1.0f);
  Send<SetLead>(id, 0.0f);
  EXPECT_EQ(log.Errors(), 0u) << log.Text();
}

// The dolly picks the zoom from the nearest ship in contact; none, and it eases out.
TEST_F(InterfaceScene, ProximityDollyZoomsOnTheNearestShip)
{
  Define("TestDolly", R"({"CircleCollider": {"group": "PHYSICS_ZONE", "ghost": true, "radius": 500.0},
                          "ProximityDolly": null})");
  const Handle<GameObject> dolly = Make("TestDolly");
  auto* proximity = dolly->GetComponent<ProximityDolly>();
  EXPECT_FLOAT_EQ(proximity->GetReach(), 1000.0f);
  std::vector<std::pair<float, float>> zooms;
  EventRecorder<SetZoom> counter(space->GetId());
  counter.onEvent = [&zooms](SetZoom& event) { zooms.emplace_back(event.zoom, event.zoomSpeed); };
  const Handle<GameObject> far = Make("Empty", {0.0f, 800.0f});
  const Handle<GameObject> near = Make("Empty", {500.0f, 0.0f});
  for (const Handle<GameObject>* ship : {&far, &near})
    Send<CollisionEvent>(dolly->GetId(), dolly, *ship, static_cast<std::uint32_t>(CollisionGroup::SHIP));
  Send<CollisionEvent>(dolly->GetId(), dolly, far, static_cast<std::uint32_t>(CollisionGroup::ITEMS));
  Frame();
  Frame();
  ASSERT_GE(zooms.size(), 2u);
  EXPECT_FLOAT_EQ(zooms[zooms.size() - 2].first, 4.25f);
  EXPECT_FLOAT_EQ(zooms[zooms.size() - 2].second, 0.6f);
  EXPECT_EQ(zooms.back(), std::make_pair(8.0f, 0.3f));
}

// Small movers: MoveTo's straight line, past the target at the same speed; the overworld position
// kept in the DataBoard across a level change; parallax; a dummy using its item; the snap that
// ignores its first quarter second.
TEST_F(InterfaceScene, MoversFollowTheirLinesAndKeepTheirPlaces)
{
  Define("TestMover", R"({"MoveTo": {"target position": [300, 0], "travelTime": 3.0}})");
  Define("TestStill", R"({"MoveTo": {"target position": [0, 0], "travelTime": 0.0, "delay": 1.0}})");
  const Handle<GameObject> mover = Make("TestMover");
  const Handle<GameObject> still = Make("TestStill", {50.0f, 50.0f});
  Seconds(3.0f);
  EXPECT_NEAR(PositionOf(mover).x, 300.0f, 1.0f);
  EXPECT_EQ(PositionOf(still), glm::vec2(0.0f, 0.0f)) << "no travel time: on the target once the delay is over";
  Seconds(3.0f);
  EXPECT_NEAR(PositionOf(mover).x, 600.0f, 1.0f);

  Define("TestPersistent", R"({"OverworldPositionPersistance": null})");
  const Handle<GameObject> ship = Make("TestPersistent", {10.0f, 10.0f}, "Corva");
  EXPECT_EQ(PositionOf(ship), glm::vec2(0.0f, 0.0f)) << "the board's first record";
  ship->GetTransform()->SetWorldPosition(100.0f, 200.0f);
  QueueRemoval(ship);
  Frames(2);
  const Handle<GameObject> again = Make("TestPersistent", {0.0f, 0.0f}, "Corva");
  EXPECT_EQ(PositionOf(again), glm::vec2(100.0f, 200.0f));
  const Handle<GameObject> other = Make("TestPersistent", {0.0f, 0.0f}, "Merchant");
  EXPECT_EQ(PositionOf(other), glm::vec2(100.0f, 200.0f)) << "no record of its own: shares the first";

  // A parallax layer half-way between where it woke and its target; a dummy that uses its item
  // every frame (here a trigger watching for use).
  Define("TestParallax", R"({"ParallaxController": {"target": "Far Target", "mutliplier": 0.5}})");
  const Handle<GameObject> target = Make("Empty", {0.0f, 0.0f}, "Far Target");
  const Handle<GameObject> layer = Make("TestParallax", {100.0f, 100.0f});
  target->GetTransform()->SetWorldPosition(300.0f, -100.0f);
  Frame();
  EXPECT_EQ(PositionOf(layer), glm::vec2(200.0f, 0.0f));
  Define("TestDummy", R"({"MockUse": null, "Trigger": {"stage": 7, "OnUse": true}})");
  Make("TestDummy");
  Frame();
  EXPECT_EQ(log.CountOf("use!"), 1u);

  Define("TestSnap", R"({"SnapCameraOnInput": null})");
  const Handle<GameObject> snap = Make("TestSnap");
  Frame({TestEvents::Key(SDLK_SPACE, true)});
  Frames(5);
  EXPECT_EQ(PositionOf(snap), glm::vec2(0.0f, 0.0f));
  Seconds(0.3f);
  EXPECT_EQ(PositionOf(snap), glm::vec2(0.0f, 3000.0f));
  Frame({TestEvents::Key(SDLK_SPACE, false)});
}
