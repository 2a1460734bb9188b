// The player of the shipped prefab on the real game loop, every action through the input layer:
// it takes guns and a special, fires, reloads by itself and by key, runs dry, refills from an ammo
// pickup, drops what it holds; and it fights two turrets under god mode and without, and dies.
#include "CombatScene.h"
#include "support/PlayerScene.h"
#include "gameplay/combat/GodMode.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/player/PlayerController.h"
#include "gameplay/weapons/Ammo.h"
#include "gameplay/weapons/Gun.h"
#include "object/DataBoard.h"
#include "object/Registry.h"
#include "physics/Collider.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsEvents.h"
#include "render/Sprite.h"

#include <algorithm>
#include <cmath>
#include <glm/geometric.hpp>
#include <memory>

namespace
{
constexpr const char* Player = "Player1";
}  // namespace

class ArmedPlayerScenarioTest : public PlayerScene
{
protected:
  void TearDown() override
  {
    SetGodMode(false);
    log = EventLog();  // its listeners go before the session
    PlayerScene::TearDown();
  }

  Equipment* Hands() const { return Get<Equipment>(Player); }
  Gun* Held(std::uint32_t slot) const { return Gun::GetGunComponent(Hands()->GetSlot(slot).Get()); }
  float Bullets() const { return Get<Ammo>(Player)->GetAmmo(AmmoType::BULLET); }

  // Follows the first slot's magazine from frame to frame: the frames it went down on.
  std::vector<Step> Watched(std::vector<Step> steps)
  {
    for (Step& step : steps)
      step = [this, step] {
        ++frame;
        const float magazine = Held(0) != nullptr ? Held(0)->GetMagAmmo() : 0.0f;
        if (magazine < lastMagazine)
          shotFrames.push_back(frame);
        lastMagazine = magazine;
        return step();
      };
    return steps;
  }

  // A pointer moved well to the right of the player, on its row: the player aims there.
  void AimRight()
  {
    Script(TestEvents::MouseMotion(static_cast<int>(session->GetWindowWidth()) - 20,
                                   static_cast<int>(session->GetWindowHeight()) / 2, 40, 0));
  }

  // "<name> <before>-><after>/<most>" for every change of the object's hitpoints, and its death.
  void WatchHealth(const std::string& name)
  {
    const std::uint32_t id = Find(name)->GetId();
    log.Watch<HealthChangedEvent>(id, [name](const HealthChangedEvent& event) {
      return event.previousHitpoints == event.newHitpoints ? std::string() : name + " " + HealthLine(event);
    });
    log.Watch<DiedEvent>(id, name + " died");
  }
  std::vector<std::string> Lines()
  {
    std::vector<std::string> lines = log.Take();
    lines.erase(std::remove(lines.begin(), lines.end(), std::string()), lines.end());
    return lines;
  }

  EventLog log;
  int frame = 0;
  float lastMagazine = 0.0f;
  std::vector<int> shotFrames;
};

TEST_F(ArmedPlayerScenarioTest, TakesFiresReloadsRunsDryRefillsSwapsAndDrops)
{
  Gun* pistol = nullptr;
  const auto reloaded = [&] { return !pistol->IsReloading() && pistol->GetMagAmmo() > 0.0f; };
  Play({Object(Player, "Player", {0, 0}, R"({"Ammo": {"ammo_BULLET": 14}})"), Object("pistol", "pistol", {20, 0}),
        Object("crate", "TargetCrate", {400, 0}), Object("wall", "RangeWall", {700, 0}),
        Object("ammo", "Ammo_Pickup", {0, 900}), Object("heavy", "heavy_pistol", {-30, -900}),
        Object("dash", "SpecialDash", {30, -900})},
       Watched({
           [&] {
             AimRight();
             WatchHealth("crate");
             log.Watch<ReloadStart>(Find(Player)->GetId(), "reload start");
             log.Watch<ReloadEnd>(Find(Player)->GetId(), "reload end");
             return Press(SDLK_v), true;
           },
           [&] {
             Release(SDLK_v);
             EXPECT_FALSE(Hands()->GetSlot(2)) << "the special slot takes no gun";
             return Press(SDLK_e), true;
           },
           Wait(30),  // the body turns to the pointer
           [&] {
             Release(SDLK_e);
             pistol = Held(0);
             EXPECT_EQ(Hands()->GetSlot(0).Get(), Find("pistol")) << "the pistol underfoot is taken";
             EXPECT_EQ(Find("pistol")->GetParent().Get(), Find(Player));
             EXPECT_FALSE(GetCollider(Find("pistol"))->IsActive());
             return pistol != nullptr;
           },
           // Held down, the pistol fires a round every quarter second until the magazine is empty.
           HoldUntil(SDLK_o, [&] { return pistol->GetMagAmmo() == 0.0f; }),
           [&] {
             EXPECT_EQ(shotFrames.size(), 12u);
             for (std::size_t shot = 1; shot < shotFrames.size(); ++shot)
               EXPECT_GE(shotFrames[shot] - shotFrames[shot - 1], 30) << "never faster than its cooldown";
             EXPECT_EQ(Lines(), (std::vector<std::string>{"crate 30->20/30", "crate 20->10/30", "crate 10->0/30",
                                                          "crate died", "reload start"}))
                 << "each bullet strikes once, the crate dies once at 0, and the empty magazine reloads";
             return true;
           },
           reloaded,
           [&] {
             EXPECT_EQ(pistol->GetMagAmmo(), 12.0f);
             EXPECT_EQ(Bullets(), 2.0f) << "a magazine's worth taken from the reserve";
             return true;
           },
           HoldUntil(SDLK_o, [&] { return pistol->GetMagAmmo() == 9.0f; }),
           // The reload key with the trigger held: no round leaves while the last two go in.
           [&] { return Press(SDLK_t), Press(SDLK_o), true; },
           [&] { return Release(SDLK_t), true; },
           Wait(60),
           [&] {
             Release(SDLK_o);
             EXPECT_TRUE(pistol->IsReloading()) << "the reload key started it";
             EXPECT_EQ(pistol->GetMagAmmo(), 9.0f) << "no shot while reloading";
             return true;
           },
           reloaded,
           [&] {
             EXPECT_EQ(pistol->GetMagAmmo(), 11.0f) << "the two left added to the nine in it";
             EXPECT_EQ(Bullets(), 0.0f);
             shotFrames.clear();
             return true;
           },
           // Dry: the trigger held on, nothing fires and no reload comes to anything.
           HoldUntil(SDLK_o, [&] { return pistol->GetMagAmmo() == 0.0f; }),
           Hold(SDLK_o, 240),
           [&] {
             EXPECT_EQ(shotFrames.size(), 11u);
             EXPECT_EQ(Bullets(), 0.0f);
             const std::vector<std::string> lines = Lines();
             EXPECT_EQ(std::count(lines.begin(), lines.end(), "reload end"), 2) << "the two reloads that loaded";
             MoveTo(Player, {0, 900});  // onto the ammo
             return true;
           },
           Wait(2),
           [&] {
             EXPECT_FALSE(Find("ammo")) << "emptied, the pickup is gone";
             EXPECT_EQ(Bullets(), 50.0f) << "all of it to the type of the gun in hand";
             return true;
           },
           reloaded,
           [&] {
             EXPECT_EQ(pistol->GetMagAmmo(), 12.0f) << "the empty gun reloads once there is ammunition";
             EXPECT_EQ(Bullets(), 38.0f);
             return true;
           },
           // A gun and a special side by side: each slot takes what fits it.
           [&] { return MoveTo(Player, {0, -900}), Press(SDLK_q), Press(SDLK_v), true; },
           [&] {
             Release(SDLK_q);
             Release(SDLK_v);
             EXPECT_EQ(Hands()->GetSlot(1).Get(), Find("heavy"));
             EXPECT_EQ(Hands()->GetSlot(2).Get(), Find("dash"));
             return Held(1) != nullptr;
           },
           // The second slot's semi-automatic fires once however long its key is held.
           Hold(SDLK_u, 40),
           Wait(2),
           Hold(SDLK_u, 2),
           [&] {
             EXPECT_EQ(Held(1)->GetMagAmmo(), 6.0f) << "held, then pulled again: two shots";
             EXPECT_EQ(pistol->GetMagAmmo(), 12.0f) << "the first slot's gun untouched";
             return Press(SDLK_e), true;
           },
           [&] {
             Release(SDLK_e);
             EXPECT_FALSE(Hands()->GetSlot(0)) << "dropped";
             EXPECT_FALSE(Find("pistol")->GetParent());
             EXPECT_TRUE(GetCollider(Find("pistol"))->IsActive());
             EXPECT_NEAR(PositionOf("pistol").y, -964.0f, 2.0f) << "put down below the player";
             return true;
           },
           Wait(2),  // within reach
           [&] { return MoveTo(Player, {2000, 0}), true; },
           Wait(3),
           [&] { return Press(SDLK_e), true; },
           [&] {
             Release(SDLK_e);
             EXPECT_FALSE(Hands()->GetSlot(0)) << "out of reach of what it dropped";
             std::vector<std::string> taken;
             for (const CollectionEntry& entry : Registry::Instance()->GetDataBoard().GetCollectedItems())
               taken.push_back(entry.prefab);
             EXPECT_EQ(taken, (std::vector<std::string>{"pistol", "heavy_pistol", "SpecialDash"}));
             return true;
           },
       }));
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}

// Two turrets fire at the player. Under god mode their hits do nothing, a heal stops at the most
// the player can have and one shot kills a turret; without it every hit takes the turret's four
// and flashes the player, and the player dies once.
TEST_F(ArmedPlayerScenarioTest, UnderGodModeOneShotKillsAndThenTheTurretKillsThePlayer)
{
  float faintest = 1.0f;
  float faintestHealing = 1.0f;
  float most = 0.0f;
  std::size_t hitsUnderGodMode = 0;
  // The enemy shots that reach the player, and what each change of its hitpoints took.
  EventLog hits;
  const auto hitpoints = [&] { return Get<Health>(Player)->GetHitpoints(); };
  Play({Object(Player, "Player", {0, 0}, R"({"Health": {"hitpoints": 12, "max hitpoints": 20}})"),
        Object("heavy", "heavy_pistol", {30, 0}),
        Object("heal", "SpecialHOT", {-30, 0}, R"({"SpecialHOTLogic": {"coolDown": 0.25}})"),
        Object("right", "Turret", {600, 0}), Object("left", "Turret", {-600, 0})},
       {
           [&] {
             SetGodMode(true);  // as the console's god_mode does
             AimRight();
             hits.Watch<CollisionEvent>(Find(Player)->GetId(), [](const CollisionEvent& event) {
               return event.otherGroup == static_cast<std::uint32_t>(CollisionGroup::ENEMY_PROJECTILE) ? "hit" : "";
             });
             hits.Watch<HealthChangedEvent>(Find(Player)->GetId(), [](const HealthChangedEvent& event) {
               const float taken = event.previousHitpoints - event.newHitpoints;
               return taken <= 0.0f ? "" : std::abs(taken - 4.0f) < 1e-3f ? "took 4" : "took " + std::to_string(taken);
             });
             hits.Watch<DiedEvent>(Find(Player)->GetId(), "died");
             for (const char* name : {"right", "left"})
               WatchHealth(name);
             return Press(SDLK_e), Press(SDLK_v), true;
           },
           [&] {
             Release(SDLK_e);
             Release(SDLK_v);
             EXPECT_EQ(Hands()->GetSlot(0).Get(), Find("heavy"));
             EXPECT_EQ(Hands()->GetSlot(2).Get(), Find("heal"));
             return Hands()->GetSlot(0).IsValid();
           },
           [&] { return hits.CountOf("hit") >= 3; },
           [&] {
             EXPECT_EQ(hitpoints(), 12.0f) << "the player is invulnerable";
             return Press(SDLK_c), true;
           },
           [&] { return Release(SDLK_c), true; },
           [&, left = 120]() mutable {
             most = std::max(most, hitpoints());
             faintestHealing = std::min(faintestHealing, Get<Sprite>(Player)->GetColor().a);
             return --left <= 0;
           },
           [&] {
             EXPECT_EQ(most, 20.0f) << "healed up to its most and no further";
             EXPECT_EQ(hitpoints(), 20.0f);
             EXPECT_EQ(faintestHealing, 1.0f) << "a heal does not flash";
             return Press(SDLK_o), true;
           },
           [&] { return Release(SDLK_o), true; },
           [&] { return log.CountOf("right died") > 0; },
           [&] {
             EXPECT_EQ(Lines(), (std::vector<std::string>{"right 90->72/90", "right 72->-1/90", "right died"}))
                 << "one shot, one death";
             SetGodMode(false);
             hitsUnderGodMode = hits.CountOf("hit");
             return true;
           },
           [&] {
             if (!Get<Health>(Player)->IsDead())
               most = std::max(most, hitpoints());
             faintest = std::min(faintest, Get<Sprite>(Player)->GetColor().a);
             return Get<PlayerController>(Player)->IsDead();
           },
           Wait(120),
           [&] {
             EXPECT_EQ(most, 20.0f) << "nor above it later";
             EXPECT_EQ(hits.CountOf("took 4"), hits.CountOf("hit") - hitsUnderGodMode) << "four a hit, none once dead";
             EXPECT_EQ(hits.CountOf("died"), 1u);
             EXPECT_EQ(hitpoints(), Health::DeadHitpoints);
             EXPECT_LT(faintest, 0.9f) << "a hit flashes the player";
             EXPECT_FALSE(Get<Health>("left")->IsDead());
             return true;
           },
       });
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}

// A boarding begins beside a pistol on the floor. Q there with a pistol in hand swaps the two: the
// one let go lies within reach, and Q again takes it back. A bear comes up from below to the
// player's side, onto that pistol, and is shot dead there: a death only drops, so once its body is
// gone the pistol and the bear's rifle both lie loose and E takes the one, then the other. No gun
// is lost either way.
TEST_F(ArmedPlayerScenarioTest, NoGunIsLostToASwapOrToABearThatDiesOnOne)
{
  Handle<GameObject> carried;
  Handle<GameObject> bear;
  Handle<GameObject> rifle;
  std::vector<GameObject*> taken;
  const auto onTheFloor = [&](GameObject* gun) {
    return gun != nullptr && !gun->GetParent() && GetCollider(gun)->IsActive() &&
           glm::length(gun->GetTransform()->GetWorldPosition() - PositionOf(Player)) < 120.0f;
  };
  const auto takeWithE = [&] { return Press(SDLK_e), true; };
  const auto noteTaken = [&] {
    Release(SDLK_e);
    taken.push_back(Hands()->GetSlot(0).Get());
    return true;
  };
  Play({Object(Player, "Player", {0, 0}, R"({"Equipment": {"startingSecondary": "pistol"}})"),
        Object("floor", "pistol", {0, -60}), Object("Bear", "AI_bear", {0, -600})},
       {
           [&] {
             SetGodMode(true);  // the bear's shots do nothing, and one of the player's kills it
             carried = Hands()->GetSlot(1);
             bear = space->GetObjectNamed("Bear");
             rifle = Get<Equipment>("Bear")->GetSlot(0);
             return carried.IsValid() && (Press(SDLK_q), true);
           },
           [&] {
             Release(SDLK_q);
             EXPECT_EQ(Hands()->GetSlot(1).Get(), Find("floor")) << "the gun underfoot taken";
             return true;
           },
           Wait(30),
           [&] {
             EXPECT_TRUE(onTheFloor(carried.Get())) << "the gun let go lies within reach";
             return Press(SDLK_q), true;
           },
           [&] {
             Release(SDLK_q);
             EXPECT_EQ(Hands()->GetSlot(1).Get(), carried.Get()) << "and is taken back";
             return true;
           },
           Wait(30),
           [&] {
             EXPECT_TRUE(onTheFloor(Find("floor")));
             EXPECT_EQ(ObjectsOf("pistol").size(), 2u);
             return true;
           },
           [&] { return glm::length(PositionOf("Bear") - PositionOf("floor")) < 40.0f; },
           [&] {
             Script(TestEvents::MouseMotion(static_cast<int>(session->GetWindowWidth()) / 2,
                                            static_cast<int>(session->GetWindowHeight()) - 20, 0, 40));
             return true;
           },
           Wait(30),  // the body turns to the pointer, below
           Tap(SDLK_u),
           [&] { return !bear.IsValid(); },
           [&] {
             EXPECT_TRUE(rifle.IsValid() && GetCollider(rifle.Get())->IsActive()) << "the bear dropped its rifle";
             EXPECT_TRUE(GetCollider(Find("floor"))->IsActive()) << "and took nothing as it died";
             MoveTo(Player, (PositionOf("floor") + rifle->GetTransform()->GetWorldPosition()) / 2.0f);
             return true;
           },
           Wait(2),
           takeWithE,
           noteTaken,
           takeWithE,
           noteTaken,
           [&] {
             EXPECT_EQ(std::count(taken.begin(), taken.end(), Find("floor")), 1) << "the pistol it died on";
             EXPECT_EQ(std::count(taken.begin(), taken.end(), rifle.Get()), 1) << "the rifle it dropped";
             return true;
           },
       });
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}
