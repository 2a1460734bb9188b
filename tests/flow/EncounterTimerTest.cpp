#include "FlowScene.h"

#include "core/Send.h"
#include "flow/hud/EncounterTimer.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/player/PlayerEvents.h"
#include "object/Removal.h"
#include "render/CameraEvents.h"
#include "render/Sprite.h"
#include "render/TextToSprite.h"

// The HUD's clock started by a comm station of the encounter, on the real loop: the countdown at
// full and half speed, the angry dial, the expiry announced every frame, the falling bears that
// land as two police bears with one shake, the clock frozen by pausing the encounter and stopped
// for good by a StopTimerEvent.
TEST_F(InterfaceScene, CommStationStartsTheClockWhichRunsOutIntoFallingBears)
{
  Space* hud = session->GetSpace("HUD", "HUD");
  Frame();
  auto* timer = ComponentOf<EncounterTimer>("HUD", "HUD_Timer");
  ASSERT_NE(timer, nullptr);
  Frames(5);
  EXPECT_FALSE(timer->IsActive()) << "inert without a station";

  Define("TestPlayer", R"({"Registerer": {"registryType": "PLAYERS"}})");
  Define("TestStation", R"({"CommStationsControls": null})");
  Make("TestPlayer", {0.0f, 0.0f}, "Player1");
  const Handle<GameObject> camera = Make("Camera", {300.0f, 200.0f}, "EN Camera");
  const Handle<GameObject> station = Make("TestStation", {500.0f, 0.0f});
  EventRecorder<TimerExpired> expired(hud->GetId());
  EventRecorder<ShakeEvent> shakes(space->GetId());
  float shaken = 0.0f;
  shakes.onEvent = [&shaken](ShakeEvent& event) { shaken += event.intensity; };
  EXPECT_TRUE(timer->IsActive());
  Frames(2);
  ASSERT_TRUE(timer->GetClock());
  EXPECT_EQ(timer->GetClock()->GetComponent<TextToSprite>()->GetText(), "100.00");
  Sprite* dial = timer->GetClock()->GetComponent<Sprite>();
  EXPECT_EQ(dial->GetSource(), "HUD_timer_bear_lessangry");

  // Half speed for ten seconds, then full speed again.
  auto interact = [&station] {
    SendNow<InteractionEvent>(BRINDLE_SITE, station->GetId());
  };
  interact();
  Seconds(10.0f);
  EXPECT_NEAR(timer->GetClockTime(), 95.0f, 0.05f);
  interact();
  // A paused encounter holds the clock.
  space->SetPaused(true);
  Seconds(2.0f);
  EXPECT_NEAR(timer->GetClockTime(), 95.0f, 0.05f);
  space->SetPaused(false);
  Seconds(44.9f);
  EXPECT_EQ(dial->GetSource(), "HUD_timer_bear_lessangry");
  Seconds(0.2f);
  EXPECT_EQ(dial->GetSource(), "HUD_timer_bear_moreangry");
  EXPECT_EQ(expired.Count(), 0u);
  Seconds(50.0f);
  EXPECT_EQ(timer->GetStage(), 4);
  EXPECT_EQ(dial->GetSource(), "HUD_timer_nobears");
  EXPECT_EQ(timer->GetClock()->GetComponent<TextToSprite>()->GetText(), "0.00");
  const Handle<GameObject> bear = FindNamedObject(space, "Bear1");
  ASSERT_TRUE(bear);
  EXPECT_EQ(bear->GetParent(), camera);
  EXPECT_GT(expired.Count(), 0u);
  const std::size_t expiredBefore = expired.Count();
  Frames(10);
  EXPECT_EQ(expired.Count(), expiredBefore + 10u) << "announced on every frame once run out";

  Seconds(2.0f);
  EXPECT_FALSE(bear.IsValid());
  int police = 0;
  for (auto entry = space->ObjectsBegin(); entry != space->ObjectsEnd(); ++entry)
    police += entry->first == "AI_bear_police" ? 1 : 0;
  EXPECT_EQ(police, 2);
  EXPECT_EQ(shakes.Count(), 1u);
  EXPECT_FLOAT_EQ(shaken, 0.5f);

  SendNow<StopTimerEvent>(BRINDLE_SITE, hud->GetId());
  const std::size_t stoppedAt = expired.Count();
  Frames(5);
  EXPECT_EQ(expired.Count(), stoppedAt);

  // The clock goes with its station.
  const Handle<GameObject> timerObject = FindNamedObject(hud, "HUD_Timer");
  QueueRemoval(station);
  Frames(3);
  EXPECT_FALSE(timerObject.IsValid());
}

// Stopped before it runs out: the clock freezes and nothing is announced.
TEST_F(InterfaceScene, StoppedClockFreezesWithoutExpiring)
{
  Space* hud = session->GetSpace("HUD", "HUD");
  Frame();
  Define("TestStation", R"({"CommStationsControls": null})");
  Make("TestStation");
  EventRecorder<TimerExpired> expired(hud->GetId());
  Seconds(1.0f);
  auto* timer = ComponentOf<EncounterTimer>("HUD", "HUD_Timer");
  SendNow<StopTimerEvent>(BRINDLE_SITE, hud->GetId());
  const float frozen = timer->GetClockTime();
  Seconds(120.0f);
  EXPECT_EQ(timer->GetClockTime(), frozen);
  EXPECT_EQ(expired.Count(), 0u);
}
