#include "gameplay/items/Equipment.h"

#include "CombatScene.h"
#include "core/Send.h"
#include "gameplay/combat/Team.h"
#include "gameplay/items/Equippable.h"
#include "gameplay/items/ItemDetector.h"
#include "object/DataBoard.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"

class EquipmentTest : public CombatScene
{
protected:
  EquipmentTest()
  {
    Define("chip", R"({"Transform": null, "Rigidbody": {}, "CircleCollider": {"radius": 16, "group": "ITEMS"},
                       "Equippable": {"special": true}})");
    gunner = Make("Gunner", {0, 0}, "gunner");
    equipment = Get<Equipment>(gunner);
  }

  // EquipDequips for these slots, queued in the next frame's update as a controller queues them.
  void Toggle(std::vector<std::uint32_t> slots)
  {
    controller.onEvent = [this, slots](UpdateEvent&) {
      for (std::uint32_t slot : slots)
        Queue<EquipDequip>(BRINDLE_SITE, gunner->GetId(), slot);
    };
    Frames(1);
    controller.onEvent = nullptr;
  }

  Handle<GameObject> gunner;
  Equipment* equipment = nullptr;
};

TEST_F(EquipmentTest, ASlotTakesTheFirstFittingItemTouchedThatFrameAndOnlyTheSpecialSlotTakesSpecials)
{
  Handle<GameObject> pistol = Make("pistol", {30, 0}, "pistol");
  Toggle({2});
  EXPECT_FALSE(equipment->GetSlot(2)) << "no special within reach";
  Frames(1);
  EXPECT_TRUE(equipment->GetTouchedItems().empty()) << "the touched list empties after each frame";

  Handle<GameObject> chip = Make("chip", {-30, 0}, "chip");
  Handle<GameObject> rocketLauncher = Make("rocket_launcher", {0, 30}, "launcher");
  Toggle({0, 1, 2});
  EXPECT_TRUE(equipment->GetSlot(0) == pistol || equipment->GetSlot(0) == rocketLauncher);
  EXPECT_TRUE(equipment->GetSlot(1) == pistol || equipment->GetSlot(1) == rocketLauncher);
  EXPECT_NE(equipment->GetSlot(0), equipment->GetSlot(1)) << "an item fills one slot, however often it was touched";
  EXPECT_EQ(equipment->GetSlot(2), chip);
  EXPECT_EQ(equipment->FindSlot(chip), 2u);
  EXPECT_EQ(equipment->FindSlot(gunner), Equipment::SlotCount);
  EXPECT_EQ(registry->GetDataBoard().GetCollectedItems().size(), 3u);
  EXPECT_EQ(chip->GetParent(), gunner);
  EXPECT_EQ(chip->GetTransform()->GetPosition(), glm::vec2(0, 0)) << "held in the hands";
  EXPECT_FALSE(Get<Rigidbody>(chip)->IsActive());
  EXPECT_EQ(Get<Equippable>(pistol)->GetPickupSound().GetEvent(), Equippable::SwapSoundPath);
}

TEST_F(EquipmentTest, TheFirstToArriveIsTakenAndADropTellsTheItemThenTheHolderAndThrowsIt)
{
  Handle<GameObject> first = Make("pistol", {2000, 0});
  Handle<GameObject> second = Make("pistol", {2000, 300});
  const std::uint32_t reach = space->FindObjectByName(Equipment::PickupColliderPrefab)->second->GetId();
  controller.onEvent = [&](UpdateEvent&) {
    SendNow<TouchedItem>(BRINDLE_SITE, reach, second, Get<Equippable>(second));
    SendNow<TouchedItem>(BRINDLE_SITE, reach, first, Get<Equippable>(first));
    Queue<EquipDequip>(BRINDLE_SITE, gunner->GetId(), 0u);
  };
  Frames(1);
  controller.onEvent = nullptr;
  EXPECT_EQ(equipment->GetSlot(0), second);

  log.Watch<DequipEvent>(second->GetId(), "item dequip");
  log.Watch<DequipEvent>(gunner->GetId(), "gunner dequip");
  Toggle({0});
  EXPECT_EQ(log.Take(), (std::vector<std::string>{"item dequip", "gunner dequip"}));
  EXPECT_FALSE(equipment->GetSlot(0));
  EXPECT_FALSE(second->GetParent());
  EXPECT_EQ(PositionOf(second), glm::vec2(0, -64)) << "put down below the holder";
  EXPECT_EQ(Get<Rigidbody>(second)->velocity, glm::vec2(0, 0)) << "a still holder throws nothing";
  EXPECT_TRUE(GetCollider(second.Get())->IsActive());

  // Running at 300 to the right, the holder throws what it drops.
  equipment->Equip(second, 0);
  controller.onEvent = [&](UpdateEvent&) {
    Get<Rigidbody>(gunner)->SetVelocity({300, 0});
    Queue<EquipDequip>(BRINDLE_SITE, gunner->GetId(), 0u);
  };
  Frames(1);
  EXPECT_EQ(Get<Rigidbody>(second)->velocity, glm::vec2(250, 0));
  EXPECT_EQ(Get<Rigidbody>(second)->angularVelocity, 4.0f);

  controller.onEvent = nullptr;
  gunner->GetTransform()->SetWorldPosition(0, 5000);  // away from what it dropped
  Toggle({0});
  EXPECT_FALSE(equipment->GetSlot(0)) << "nothing touched, nothing taken";
  SendNow<UseEvent>(BRINDLE_SITE, gunner->GetId(), true, 1u, false);
  SendNow<UseEvent>(BRINDLE_SITE, gunner->GetId(), true, 7u, false);
  Toggle({7});
}

TEST_F(EquipmentTest, OthersThanPlayersReachWithTheirBodiesAndGetTheirStartingItems)
{
  Define("Guard", R"({"Transform": null, "Team": {"Team": 1}, "Ammo": {},
                      "Equipment": {"startingPrimary": "pistol", "startingSpecial": "no such chip"}})");
  Define("Sensor", R"({"Transform": null, "ItemDetector": null, "CircleCollider": {"radius": 40, "group": "ITEMS"}})");
  const std::size_t before = space->GetObjectsById().size();
  Handle<GameObject> guard = Make("Guard", {500, 0});
  EXPECT_EQ(space->GetObjectsById().size(), before + 3) << "the guard, its pistol and the pistol's flash";
  EXPECT_EQ(Get<Equipment>(guard)->GetSlot(0)->GetPrefabName(), "pistol");
  EXPECT_FALSE(Get<Equipment>(guard)->GetSlot(1)) << "no starting secondary, no message";
  EXPECT_FALSE(Get<Equipment>(guard)->GetSlot(2));
  EXPECT_EQ(output.CountOf("[ERROR] startingSpecial_ not created. Probably an invalid prefab"), 1u);

  // A detector tells its own object of what it touches, item or not.
  Handle<GameObject> sensor = Make("Sensor", {1000, 0});
  Handle<GameObject> loose = Make("pistol", {1030, 0});
  struct Detected : Listener
  {
    Detected() : Listener(EventManager::Instance()->GetNewListenerId()) {}
    void On(TouchedItem* event) { items.push_back(event->equippable != nullptr); }
    std::vector<bool> items;
  } detected;
  EventManager::Instance()->Subscribe<Detected, TouchedItem>(&detected, sensor->GetId());
  Frames(1);
  ASSERT_FALSE(detected.items.empty());
  EXPECT_TRUE(detected.items.front()) << "the pistol, with its Equippable";
}
