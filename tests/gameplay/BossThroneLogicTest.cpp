// The throne room's end on the real game loop: the throne shakes the camera as it is hurt, blows
// up when it dies, the cracked hull walls go one after another and the room loses its air, which
// the space hears once; the shield wall stands until its manager dies, and no shot passes it.
#include "gameplay/boss/BossForceFieldManager.h"
#include "core/EventManager.h"
#include "core/Send.h"
#include "gameplay/boss/BossThroneLogic.h"
#include "gameplay/boss/BossWallExplosion.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/combat/Health.h"
#include "gameplay/ship/PressureTracker.h"
#include "gameplay/ship/ShipEvents.h"
#include "object/Spawning.h"
#include "physics/Rigidbody.h"
#include "render/Camera.h"
#include "render/CameraEvents.h"
#include "render/Sprite.h"
#include "support/EventRecorder.h"
#include "support/ShipScene.h"

#include <glm/geometric.hpp>

namespace
{
// A 3 x 3 throne room whose top hull holds a raised wall and two cracked ones.
const std::string ThroneRoom = "ship\n5\n5\n"
                               "000 00B 00C 00Q 000 \n"
                               "0W0 100 100 1W0 000 \n"
                               "0W0 100 100 1W0 000 \n"
                               "0W0 10I 10I 1WI 000 \n"
                               "000 000 000 000 000 \n";

}  // namespace

class BossThroneLogicTest : public ShipScene
{
};

TEST_F(BossThroneLogicTest, TheThroneBlowsUpTheCrackedWallsAndTheRoomVentsOnce)
{
  WriteLevel("throneroom", ThroneRoom, glm::vec2(0.0f, 0.0f),
             {Object("Throne", "Default", glm::vec2(320.0f, 320.0f), R"({"Health": {"regens": false},
                       "BossThroneLogic": {"shakeIntensity": 0.5}})"),
              Object("Field Keeper", "Default", glm::vec2(0.0f, 0.0f), R"({"BossForceFieldManager": null})")});
  // What the room's space hears.
  EventRecorder<ShakeEvent> shakes;
  EventRecorder<DepressurizationEvent> depressurizations;
  std::size_t shakesBeforeDeath = 0;
  int diedAt = 0;
  Run("throneroom", 60, [&](int frame, Space& space) {
    ShipMap& map = MapOf(space);
    GameObject* throne = Find(space, "Throne");
    if (frame == 1)
    {
      shakes.Watch(space.GetId());
      depressurizations.Watch(space.GetId());
      // The cracked walls carry their picture and delay from their codes; the raised one is plain.
      GameObject* first = map.GetTileObject(2, 4, ShipMap::BottomSlot).Get();
      GameObject* last = map.GetTileObject(3, 4, ShipMap::BottomSlot).Get();
      ASSERT_NE(first, nullptr);
      EXPECT_EQ(first->GetSprite()->GetSource(), "boss_wall_cracked_4");
      EXPECT_FLOAT_EQ(first->GetComponent<BossWallExplosion>()->GetDelay(), 0.33f);
      EXPECT_FLOAT_EQ(last->GetComponent<BossWallExplosion>()->GetDelay(), 1.33f);
      EXPECT_EQ(map.GetTileObject(1, 4, ShipMap::BottomSlot)->GetComponent<BossWallExplosion>(), nullptr);
      // The shield wall stands at its place.
      GameObject* field = Find(space, "ShieldWall");
      ASSERT_NE(field, nullptr);
      EXPECT_EQ(field->GetTransform()->GetWorldPosition(), BossForceFieldManager::FieldPosition);
      // Two hits in one frame: one shake.
      throne->GetComponent<Health>()->TakeDamage(10.0f);
      throne->GetComponent<Health>()->TakeDamage(10.0f);
    }
    if (frame == 3)
    {
      shakesBeforeDeath = shakes.Count();
      throne->GetComponent<Health>()->AddHealth(5.0f);  // healing does not shake
    }
    if (frame == 5)
    {
      EXPECT_EQ(shakes.Count(), shakesBeforeDeath);
      throne->GetComponent<Health>()->Kill();
      // The keeper dies: its field goes, and only its field.
      Queue<DiedEvent>(BRINDLE_SITE, Find(space, "Field Keeper")->GetId());
    }
    if (frame > 5 && diedAt == 0 && throne == nullptr)
    {
      diedAt = frame;
      EXPECT_EQ(Find(space, "ShieldWall"), nullptr);
      EXPECT_NE(Find(space, "Field Keeper"), nullptr);
      // Every cracked wall armed on the one explosion; none has gone yet.
      EXPECT_TRUE(map.GetTileObject(2, 4, ShipMap::BottomSlot)->GetComponent<BossWallExplosion>()->IsArmed());
      EXPECT_TRUE(map.GetTileObject(3, 4, ShipMap::BottomSlot)->GetComponent<BossWallExplosion>()->IsArmed());
      EXPECT_EQ(depressurizations.Count(), 0u);
    }
    if (frame != 60)
      return;
    EXPECT_EQ(shakesBeforeDeath, 1);
    EXPECT_GT(diedAt, 5);
    // The first cracked wall is gone, the raised one stands, and the room is open to space.
    EXPECT_EQ(map.GetTile(2, 4).bottom, ShipTile::None);
    EXPECT_EQ(map.GetTile(1, 4).bottom, 'B');
    auto* tracker = Find(space, "Ship")->GetComponent<PressureTracker>();
    EXPECT_EQ(tracker->GetCell(2, 2)->zone, PressureZone::Outside);
    // The first wall opened the room; whatever opens after it opens onto air already gone.
    EXPECT_EQ(ObjectsOf(space, "DepressurizationEffect").size(), 1u);
    EXPECT_EQ(ObjectsOf(space, "DepressurizationEffect").at(0)->GetTransform()->GetWorldPosition(), map.TileToWorld(2, 3));
    EXPECT_EQ(depressurizations.Count(), 1u);
  });
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}

// The shipped room on a slow machine (frames of 1/30 s, four physics sub-steps each): the player,
// flush against the shield's south edge under the throne, against the hall's west wall with a
// crate behind it, and against the field generator, fires the rifle, then the beam, for two
// seconds each. Neither the throne nor the crate is touched; the generator breaks, and then the
// throne is hurt from where it was not before. Shots laid already touching meet it in a frame's
// first sub-step: a rocket at the shield's edge and one at the west wall burst where they lie, not
// where the frame's other sub-steps would carry them (the first before the shield lowers and away
// from the throne, which a blast strikes through the shield; the second last, as its blast breaks
// the wall and vents the room). A bullet touching an enemy and the wall it stands against hurts
// the enemy, though within the sub-step it meets the wall first: the enemy, made after it, comes
// later in the step's pairs.
TEST_F(BossThroneLogicTest, NoShotPassesTheShieldOrAWallThePlayerStandsAgainst)
{
  SteppedClock slow(50000);
  clock = &slow;
  struct Stand
  {
    glm::vec2 at;  // the player's radius (30) off the surface
    glm::vec2 aim;
  };
  const Stand underShield{{1664, 2070}, {1664, 2300}};
  const Stand byWall{{550, 700}, {472, 700}};
  const Stand underGenerator{{2780, 2170}, {2780, 2270}};
  const std::vector<Stand> stands{underShield, byWall, underGenerator, underShield};
  constexpr int Burst = 60;
  const auto health = [](Space& space, const char* name) {
    GameObject* object = Find(space, name);
    return object != nullptr ? object->GetComponent<Health>()->GetHitpoints() : 0.0f;
  };
  std::vector<float> throne;
  float crate = 0.0f;
  const auto lay = [](Space& space, const char* prefab, glm::vec2 at, glm::vec2 velocity) {
    SpawnAt(prefab, &space, at)->GetComponent<Rigidbody>()->SetVelocity(velocity);
  };
  // Each rocket's radius (12) reaches 2 into the shield's south edge, into the west wall's face.
  const glm::vec2 atShield{1300, 2090};
  const glm::vec2 atWall{530, 1100};
  std::vector<float> carried;  // how far each rocket went from where it lay before it burst
  float enemy = 0.0f;
  const int standsDone = 10 + static_cast<int>(stands.size()) * 2 * (Burst + 10);
  Run("BossRoom", standsDone + 1, [&](int frame, Space& space) {
    GameObject* player = Find(space, "Player1");
    player->GetComponent<Health>()->SetInvulnerable(true);
    if (frame == 1)
    {
      SpawnAt("TargetCrate", &space, {472, 700}, "Crate");  // flush against the wall's far side
      lay(space, "Rocket", atShield, {0, 600});
    }
    if (frame == standsDone)
    {
      lay(space, "Rocket", atWall, {-600, 0});
      SpawnAt("Bullet", &space, {520, 1500});  // on the wall's face, 30 from the enemy's centre
      SpawnAt("BasicEnemy", &space, {550, 1500}, "Enemy");  // flush against the wall
    }
    if (frame == 2 || frame == standsDone + 1)
    {
      const glm::vec2 laid = frame == 2 ? atShield : atWall;
      for (GameObject* blast : ObjectsOf(space, "Blast"))
        carried.push_back(glm::distance(blast->GetTransform()->GetWorldPosition(), laid));
    }
    if (frame == standsDone + 1)
      enemy = health(space, "Enemy");
    if (frame <= 10 || frame > standsDone)
      return;
    const int burst = (frame - 11) / (Burst + 10);
    const int into = (frame - 11) % (Burst + 10);
    const Stand& stand = stands[static_cast<std::size_t>(burst / 2)];
    const SDL_Keycode trigger = burst % 2 == 0 ? SDLK_u : SDLK_o;  // the rifle, then the beam
    // Held there against the boss's shoves, aiming through the pointer.
    player->GetTransform()->SetWorldPosition(stand.at.x, stand.at.y);
    const glm::vec2 window(session->GetWindowWidth(), session->GetWindowHeight());
    const glm::vec2 topLeft = *space.GetCurrentCamera()->ToWorld({0.0f, 0.0f});
    const glm::vec2 pixel = (stand.aim - topLeft) / (*space.GetCurrentCamera()->ToWorld(window) - topLeft) * window;
    Script(TestEvents::MouseMotion(static_cast<int>(pixel.x), static_cast<int>(pixel.y), 40, 40));
    if (into == 5)
      Press(trigger);
    if (into == Burst + 5)
      Release(trigger);
    if (into == Burst + 9 && burst % 2 == 1)
      throne.push_back(health(space, "Throne"));
    if (into == Burst + 9 && burst == 3)
      crate = health(space, "Crate");
  });
  ASSERT_EQ(throne.size(), 4u);
  EXPECT_EQ(throne, (std::vector<float>{200.0f, 200.0f, 200.0f, throne[3]}));
  EXPECT_LT(throne[3], 200.0f) << "the shield lowered, the same shots reach the throne";
  EXPECT_EQ(crate, 30.0f);
  EXPECT_EQ(carried, (std::vector<float>{0.0f, 0.0f})) << "each rocket bursts where it first touched";
  EXPECT_EQ(enemy, 39.0f) << "the bullet that met the wall struck the enemy in the same sub-step";
  EXPECT_TRUE(output.Contains("Force field: lowered")) << "the generator broke";
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}
