// A fight on the real game loop: the session runs its frames (physics, the update events, the
// queue) on a stepped clock, keys arrive through the input layer, and a stand-in controller turns
// the player's actions into EquipDequip and UseEvent as the player's controller does. A gunner
// picks up the pistol it stands on, empties its magazine at a crate, reloads what its reserve
// holds, drops the pistol, takes a rocket launcher and blows up two crates with one rocket.
#include "CombatScene.h"
#include "core/Send.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/weapons/Ammo.h"
#include "gameplay/weapons/Gun.h"
#include "input/InputActionMap.h"
#include "object/DataBoard.h"
#include "object/GameobjectFactory.h"
#include "object/Registry.h"
#include "object/Transform.h"
#include "physics/Collider.h"
#include "support/GameScene.h"

class FirefightTest : public GameScene
{
protected:
  void SetUp() override
  {
    GameScene::SetUp();
    if (!IsSkipped())
      Start("testlevel", &clock);
  }

  Handle<GameObject> Make(const std::string& prefab, glm::vec2 position)
  {
    Handle<GameObject> object;
    session->GetFactory().CreateGameObjectAt(object, prefab, space, position.x, position.y, prefab);
    return object;
  }

  // Each reading moves time on by 4.2 ms, so every frame is 8.4 ms or more and runs a physics step.
  SteppedClock clock{4200};
  Space* space = nullptr;
};

TEST_F(FirefightTest, PickUpShootReloadDropAndBlowUpTwoCratesWithOneRocket)
{
  // What the player's controller does with the two actions this fight needs, and what the fight
  // tells the fighters.
  std::unique_ptr<EventRecorder<UpdateEvent>> pilot;
  EventLog log;
  Handle<GameObject> gunner, pistol, crate, launcher, left, right;
  Gun* gun = nullptr;
  Ammo* ammo = nullptr;

  Play({
      [&] {
        space = session->GetSpace("testlevel");
        gunner = Make("Gunner", {0, 0});
        pistol = Make("pistol", {20, 0});  // under the gunner's hands
        crate = Make("TargetCrate", {400, 0});
        Make("RangeWall", {700, 0});
        launcher = Make("rocket_launcher", {30, 600});
        left = Make("TargetCrate", {330, 520});
        right = Make("TargetCrate", {330, 680});
        Make("RangeWall", {420, 600});
        pilot = std::make_unique<EventRecorder<UpdateEvent>>(space->GetId());
        pilot->onEvent = [&](UpdateEvent&) {
          InputActionMap* actions = InputActionMap::Instance();
          if (actions->IsActionActive(0, ACTION_EQUIP_SLOT_0))
            Queue<EquipDequip>(BRINDLE_SITE, gunner->GetId(), 0u);
          if (actions->IsActionActive(0, ACTION_USE_SLOT_0))
            SendNow<UseEvent>(BRINDLE_SITE, gunner->GetId(), true, 0u, false);
        };
        log.Watch<DequipEvent>(pistol->GetId(), "pistol dequip");
        log.Watch<DequipEvent>(gunner->GetId(), "gunner dequip");
        log.Watch<ReloadEnd>(gunner->GetId(), "gunner reload end");
        for (const auto& [target, name] : {std::pair{crate, "crate"}, {left, "left"}, {right, "right"}})
        {
          const std::string who = name;
          log.Watch<HealthChangedEvent>(
              target->GetId(), [who](const HealthChangedEvent& event) { return who + " " + HealthLine(event); });
          log.Watch<DiedEvent>(target->GetId(), who + " died");
        }
        gun = Gun::GetGunComponent(pistol.Get());
        ammo = gunner->GetComponent<Ammo>();
        gun->SetMagAmmo(4);
        ammo->SetAmmo(AmmoType::BULLET, 5);
        Press('e');
        return true;
      },
      [&] {
        Release('e');
        EXPECT_EQ(gunner->GetComponent<Equipment>()->GetSlot(0), pistol) << "the touched pistol is taken";
        EXPECT_EQ(pistol->GetParent(), gunner);
        EXPECT_FALSE(GetCollider(pistol.Get())->IsActive());
        EXPECT_EQ(Registry::Instance()->GetDataBoard().GetCollectedItems().back().prefab, "pistol");
        Press('o');
        return true;
      },
      // Four shots a quarter second apart: three break the crate, the fourth flies through the
      // dying crate to the wall; the empty magazine then reloads the five rounds held.
      [&] { return gun->GetMagAmmo() == 0.0f ? (Release('o'), true) : false; },
      [&] { return !gun->IsReloading() && gun->GetMagAmmo() > 0.0f; },
      [&] {
        EXPECT_EQ(gun->GetMagAmmo(), 5.0f);
        EXPECT_EQ(ammo->GetAmmo(AmmoType::BULLET), 0.0f);
        Press('e');  // drop the pistol
        return true;
      },
      [&] {
        Release('e');
        EXPECT_FALSE(gunner->GetComponent<Equipment>()->GetSlot(0));
        EXPECT_FALSE(pistol->GetParent());
        EXPECT_EQ(pistol->GetTransform()->GetWorldPosition(), glm::vec2(0, -64)) << "dropped below the gunner";
        gunner->GetTransform()->SetWorldPosition(0, 600);  // on to the launcher
        return true;
      },
      Wait(2),
      [&] { return Press('e'), true; },
      [&] {
        Release('e');
        EXPECT_EQ(gunner->GetComponent<Equipment>()->GetSlot(0), launcher);
        gun = Gun::GetGunComponent(launcher.Get());
        Press('o');
        return true;
      },
      [&] { return Release('o'), true; },
      Wait(120),  // the rocket's flight, the blast and its animation
      [&] {
        EXPECT_EQ(gun->GetMagAmmo(), 3.0f) << "one rocket fired";
        EXPECT_EQ(ammo->GetAmmo(AmmoType::EXPLOSIVE), 4.0f);
        EXPECT_EQ(CountPrefab(*space, "Blast"), 0u) << "the blast is gone after its animation";
        EXPECT_EQ(CountPrefab(*space, "Rocket"), 0u);
        EXPECT_EQ(CountPrefab(*space, "Bullet"), 0u);
        return true;
      },
  }, 2000);

  EXPECT_EQ(log.lines, (std::vector<std::string>{
                            "crate 30->30/30", "left 30->30/30", "right 30->30/30",  // as each woke
                            "crate 30->20/30", "crate 20->10/30", "crate 10->0/30", "crate died",
                            "gunner reload end",  // five of twelve, then none left
                            "pistol dequip", "gunner dequip",
                            "left 30->5/30", "right 30->5/30"}))
      << "each bullet and the blast strike once; the death is told once";
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}
