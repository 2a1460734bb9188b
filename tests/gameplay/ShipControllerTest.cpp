// The player's ship in the overworld on the real game loop, flown from the keyboard through the
// input layer: it flies where the keys point, asks a station it touches for an interaction when
// the interact key goes down, and two ships that touch each tell the other it was attacked. In the
// space called "StartSpace" it stays put.
#include "gameplay/ship/ShipController.h"

#include "app/FrameRateController.h"
#include "core/EventManager.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/player/PlayerEvents.h"
#include "physics/Rigidbody.h"
#include "steering/Agent.h"
#include "support/EventRecorder.h"
#include "support/ShipScene.h"

#include <algorithm>

namespace
{
const std::string FlyingShip = R"({"Agent": null, "Rigidbody": {"invMass": 1}, "ShipController": null,
                                   "CircleCollider": {"group": "SHIP", "radius": 40}})";

struct Heard
{
  std::uint32_t to;
  std::uint32_t other;
  glm::vec2 position;
};

}  // namespace

class ShipControllerTest : public ShipScene
{
};

TEST_F(ShipControllerTest, TheShipFliesWhereTheKeysPointInteractsAndReportsRamming)
{
  WriteLevel("sector", "ship 1 1 000", glm::vec2(5000.0f, 5000.0f),
             {Object("Player Ship", "Default", glm::vec2(0.0f, 0.0f), FlyingShip),
              Object("Station", "Default", glm::vec2(400.0f, 0.0f),
                     R"({"CircleCollider": {"group": "INTERACTION_ZONE", "ghost": true, "radius": 60}})"),
              Object("Other Ship", "Default", glm::vec2(0.0f, 900.0f), FlyingShip)});
  // What the two ships hear.
  EventRecorder<InteractionEvent, Heard> interactions(
      [](const InteractionEvent& event) { return Heard{event.targetId, event.otherId, {}}; });
  EventRecorder<ShipAttackedEvent, Heard> attacks(
      [](const ShipAttackedEvent& event) { return Heard{event.GetChannel(), 0, event.position}; });
  int touchedAt = 0;
  int pressedAt = 0;
  float longestStep = 1.0f / 30.0f;
  Run("sector", 60, [&](int frame, Space& space) {
    // A busy machine runs longer frames, and each adds a frame's worth of acceleration.
    longestStep = std::max(longestStep, session->GetFrameRateController().GetDt());
    GameObject* ship = Find(space, "Player Ship");
    GameObject* other = Find(space, "Other Ship");
    const glm::vec2 position = ship->GetTransform()->GetWorldPosition();
    if (frame == 1)
    {
      interactions.Watch(ship->GetId()).Watch(other->GetId());
      attacks.Watch(ship->GetId()).Watch(other->GetId());
      Script(TestEvents::Key(SDLK_d, true));
    }
    // The interact key goes down once the ship is over the station.
    if (touchedAt == 0 && position.x > 400.0f - 100.0f)
    {
      touchedAt = frame;
      EXPECT_TRUE(interactions.notes.empty()) << "no interaction before the key";
      Script(TestEvents::Key(SDLK_f, true));
      Script(TestEvents::Key(SDLK_d, false));
      pressedAt = frame + 1;
    }
    if (pressedAt != 0 && frame == pressedAt)
    {
      ASSERT_FALSE(interactions.notes.empty());
      for (const Heard& interaction : interactions.notes)
      {
        EXPECT_EQ(interaction.to, ship->GetId());
        EXPECT_EQ(interaction.other, Find(space, "Station")->GetId());
      }
      EXPECT_FLOAT_EQ(ship->GetComponent<Agent>()->GetMotivator().GetBase(Motivator::MaxLinearVelocity),
                      ShipController::MaxSpeed);
      // Held near the limit: over it by at most what two long frames' acceleration adds (the
      // steering limits what it asks for; the body has taken the last frame's push already).
      EXPECT_GT(glm::length(ship->GetComponent<Rigidbody>()->velocity), 0.5f * ShipController::MaxSpeed);
      EXPECT_LE(glm::length(ship->GetComponent<Rigidbody>()->velocity),
                ShipController::MaxSpeed + 2.0f * 15000.0f * longestStep);
      EXPECT_NEAR(position.y, 0.0f, 1.0f) << "straight along the key's direction";
      // The other ship comes alongside.
      other->GetTransform()->SetWorldPosition(position.x, position.y + 50.0f);
    }
    if (frame == 60)
    {
      EXPECT_GT(touchedAt, 0) << "the ship reached the station";
      const std::size_t interactionCount = interactions.Count();
      EXPECT_LE(interactionCount, 4u) << "only while the key went down";
      // Each ship heard of the other's ramming, with the rammer's position.
      bool otherHeard = false;
      bool shipHeard = false;
      for (const Heard& attack : attacks.notes)
      {
        otherHeard |= attack.to == other->GetId();
        shipHeard |= attack.to == ship->GetId();
      }
      EXPECT_TRUE(otherHeard);
      EXPECT_TRUE(shipHeard);
    }
  });
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}

TEST_F(ShipControllerTest, InTheStartSpaceTheShipStaysPut)
{
  WriteLevel("StartSpace", "ship 1 1 000", glm::vec2(5000.0f, 5000.0f),
             {Object("Player Ship", "Default", glm::vec2(0.0f, 0.0f), FlyingShip)});
  Run("StartSpace", 12, [&](int frame, Space& space) {
    if (frame == 1)
      Script(TestEvents::Key(SDLK_d, true));
    if (frame == 12)
    {
      EXPECT_EQ(Find(space, "Player Ship")->GetTransform()->GetWorldPosition(), glm::vec2(0.0f, 0.0f));
    }
  });
}
