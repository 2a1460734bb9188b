// A fight on the real game loop: the session runs its frames (physics, the update events, the
// queue) on a stepped clock, keys arrive through the input layer, and a stand-in controller turns
// the player's actions into EquipDequip and UseEvent as the player's controller does. A gunner
// takes the rocket launcher it stands on and blows up two crates with one rocket. (The player's
// own pistol, reloads and drops are ArmedPlayerScenarioTest's.)
#include "CombatScene.h"
#include "core/Send.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/weapons/Ammo.h"
#include "gameplay/weapons/Gun.h"
#include "input/InputActionMap.h"
#include "object/GameobjectFactory.h"
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

TEST_F(FirefightTest, ARocketBlowsUpTwoCratesAtOnce)
{
  // What the player's controller does with the two actions this fight needs, and what the fight
  // tells the fighters.
  std::unique_ptr<EventRecorder<UpdateEvent>> pilot;
  EventLog log;
  Handle<GameObject> gunner, launcher, left, right;
  Gun* gun = nullptr;
  Ammo* ammo = nullptr;

  Play({
      [&] {
        space = session->GetSpace("testlevel");
        gunner = Make("Gunner", {0, 600});
        launcher = Make("rocket_launcher", {30, 600});  // under the gunner's hands
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
        for (const auto& [target, name] : {std::pair{left, "left"}, {right, "right"}})
        {
          const std::string who = name;
          log.Watch<HealthChangedEvent>(
              target->GetId(), [who](const HealthChangedEvent& event) { return who + " " + HealthLine(event); });
          log.Watch<DiedEvent>(target->GetId(), who + " died");
        }
        ammo = gunner->GetComponent<Ammo>();
        Press('e');
        return true;
      },
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
        return true;
      },
  }, 2000);

  EXPECT_EQ(log.lines, (std::vector<std::string>{"left 30->30/30", "right 30->30/30",  // as each woke
                                                 "left 30->5/30", "right 30->5/30"}))
      << "the blast strikes each once";
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}
