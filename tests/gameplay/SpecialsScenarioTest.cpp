// The player on the real game loop picks up the shield and the heal-over-time from their shipped
// prefabs and uses them through the input layer: a shot meets the shield or the player, the
// cooldown holds back a second use, the heal runs its course and stops. In the boss's room a
// blink stops at a wall.
#include "support/PlayerScene.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/specials/SpecialBlinkLogic.h"
#include "gameplay/specials/SpecialHOTLogic.h"
#include "gameplay/specials/SpecialShieldLogic.h"
#include "object/GameobjectFactory.h"
#include "render/ParticleSystem.h"
#include "render/Sprite.h"

namespace
{
constexpr const char* Player = "Player1";
}  // namespace

class SpecialsScenarioTest : public PlayerScene
{
protected:
  float Hitpoints() const { return Get<Health>(Player)->GetHitpoints(); }
  SpecialShieldLogic* Shield() const { return Get<SpecialShieldLogic>("shield"); }
  SpecialHOTLogic* Heal() const { return Get<SpecialHOTLogic>("heal"); }

  // An enemy bullet laid on the player.
  void Shoot() const
  {
    const glm::vec2 at = PositionOf(Player);
    Handle<GameObject> bullet;
    GameobjectFactory::Instance()->CreateGameObjectAt(bullet, "EnemyBullet", space, at.x, at.y, "a shot");
  }
};

TEST_F(SpecialsScenarioTest, TheShieldTurnsShotsAsideAndTheHealRunsItsCourseEachOnlyOffCooldown)
{
  float coolDownSeen = 0.0f;
  float hitpoints = 0.0f;
  Play({Object(Player, "Player", {0, 0}),
        Object("shield", "SpecialShield", {0, 20},
               R"({"SpecialShieldLogic": {"coolDown": 0.25, "duration": 0.5, "maxDur": 0.25}})"),
        Object("heal", "SpecialHOT", {0, -1500},
               R"({"SpecialHOTLogic": {"coolDown": 0.25, "duration": 1.0, "healing": 20}})")},
       {
           Tap(SDLK_v),
           Tap(SDLK_c),  // the cooldown has not refilled since the pickup
           [&] {
             EXPECT_EQ(Get<Equipment>(Player)->GetSlot(Equipment::SpecialSlot).Get(), Find("shield"));
             EXPECT_FALSE(Shield()->IsActive()) << "used before its cooldown refilled";
             return true;
           },
           Wait(40),
           Tap(SDLK_c),
           [&] {
             EXPECT_TRUE(Shield()->IsActive());
             EXPECT_EQ(ObjectsOf("EN_Shield").size(), 1u) << "the bubble";
             EXPECT_TRUE(Shield()->GetCooldownBar().IsValid()) << "the HUD shows the cooldown";
             Shoot();
             coolDownSeen = Shield()->GetCurrCoolDown();
             return true;
           },
           Wait(3),
           [&] {
             EXPECT_EQ(Hitpoints(), 100.0f) << "the shield took the shot";
             return true;
           },
           Tap(SDLK_c),  // during the cooldown
           [&] {
             EXPECT_GT(Shield()->GetCurrCoolDown(), coolDownSeen) << "a use during the cooldown starts nothing";
             return true;
           },
           Wait(60),
           [&] {
             EXPECT_FALSE(Shield()->IsActive()) << "half a second, as the first shield lasts";
             EXPECT_TRUE(ObjectsOf("EN_Shield").empty());
             Shoot();
             return true;
           },
           Wait(3),
           [&] {
             EXPECT_EQ(Hitpoints(), 99.0f) << "unshielded, the shot hurts";
             return true;
           },
           Tap(SDLK_c),
           Wait(20),
           [&] {
             EXPECT_TRUE(Shield()->IsActive());
             return true;
           },
           Wait(15),
           [&] {
             EXPECT_FALSE(Shield()->IsActive()) << "a later shield lasts its quarter second";
             return true;
           },
           Wait(5),
           Tap(SDLK_c),
           Tap(SDLK_v),  // drops the shield while it stands
           [&] {
             EXPECT_FALSE(Shield()->IsActive()) << "dropping the shield ends it";
             EXPECT_TRUE(ObjectsOf("EN_Shield").empty());
             Shoot();
             return true;
           },
           Wait(3),
           [&] {
             EXPECT_EQ(Hitpoints(), 98.0f) << "nor guards its holder";
             MoveTo(Player, PositionOf("heal") + glm::vec2(0, 10));
             return true;
           },
           Tap(SDLK_v),
           [&] {
             EXPECT_EQ(Get<Equipment>(Player)->GetSlot(Equipment::SpecialSlot).Get(), Find("heal"));
             EXPECT_TRUE(Find("shield")->GetComponent<Sprite>()->GetDraw()) << "a dropped special is drawn again";
             coolDownSeen = Shield()->GetCurrCoolDown();
             Get<Health>(Player)->TakeDamage(30.0f);
             return true;
           },
           Wait(40),
           [&] {
             EXPECT_EQ(Shield()->GetCurrCoolDown(), coolDownSeen) << "a dropped special's cooldown stands still";
             EXPECT_EQ(Hitpoints(), 68.0f) << "no healing before a use";
             EXPECT_EQ(Get<ParticleSystem>("heal")->spawnRate, 0.0f);
             return true;
           },
           Tap(SDLK_c),
           [&] {
             EXPECT_TRUE(Heal()->IsActive());
             EXPECT_EQ(Get<ParticleSystem>("heal")->spawnRate, 12.0f) << "the prefab's rate while it heals";
             return true;
           },
           Wait(60),
           [&] {
             EXPECT_NEAR(Hitpoints(), 78.0f, 1.0f) << "20 a second";
             return true;
           },
           Wait(70),
           [&] {
             EXPECT_FALSE(Heal()->IsActive());
             EXPECT_NEAR(Hitpoints(), 88.0f, 0.5f) << "for one second";
             EXPECT_EQ(Get<ParticleSystem>("heal")->spawnRate, 0.0f);
             hitpoints = Hitpoints();
             return true;
           },
           Wait(30),
           [&] {
             EXPECT_EQ(Hitpoints(), hitpoints) << "the heal is over";
             return true;
           },
       });
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}

TEST_F(SpecialsScenarioTest, InTheBossRoomABlinkStopsAtTheWallInItsWay)
{
  Play({Object(Player, "Player", {0, 0}), Object("blink", "SpecialBlink", {0, 20}, R"({"SpecialBlinkLogic": {"coolDown": 0.1}})"),
        Object("wall", "RangeWall", {300, 0})},
       {Tap(SDLK_v), Wait(20), Tap(SDLK_c), Wait(3),
        [&] {
          EXPECT_GT(PositionOf(Player).x, 150.0f) << "it blinked";
          EXPECT_LE(PositionOf(Player).x, 252.0f) << "up to the wall's face, not through it";
          return true;
        }},
       SpecialBlinkLogic::WalledLevel);
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}
