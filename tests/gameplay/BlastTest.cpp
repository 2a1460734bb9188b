// The things guns and bombs leave in the world: bullets, rockets, bombs, blasts, muzzle flashes, and
// the HUD bar that counts a reload down.
#include "gameplay/weapons/Blast.h"

#include "CombatScene.h"
#include "core/Send.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/specials/SpecialCooldown.h"
#include "gameplay/weapons/Gun.h"
#include "gameplay/weapons/MuzzleFlash.h"
#include "gameplay/weapons/SimpleBombLogic.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsModule.h"
#include "physics/Rigidbody.h"
#include "render/Sprite.h"

#include <algorithm>
#include <cmath>

class BlastTest : public CombatScene
{
protected:
  std::size_t Count(const std::string& prefab) { return CountPrefab(*space, prefab); }
};

TEST_F(BlastTest, ABlastStrikesWhatItOverlapsOnceAndIsGoneAfterItsDuration)
{
  Define("Dummy", R"({"Transform": null, "Health": {"regens": false},
                      "CircleCollider": {"radius": 20, "group": "ENEMY"}})");
  std::vector<Handle<GameObject>> near = {Make("Dummy", {50, 0}), Make("Dummy", {-50, 0}), Make("Dummy", {0, 60})};
  Handle<GameObject> late = Make("Dummy", {1000, 0});
  Handle<GameObject> blast = Make("Blast", {0, 0});
  Frames(2);
  // Walking into it after its first contacts, one is not struck.
  late->GetTransform()->SetWorldPosition(0, -50);
  Frames(10);
  for (const auto& dummy : near)
    EXPECT_EQ(Get<Health>(dummy)->GetHitpoints(), 75.0f) << "25 once";
  EXPECT_EQ(Get<Health>(late)->GetHitpoints(), 100.0f);
  Frames(static_cast<int>(std::ceil(Get<Blast>(blast)->GetDuration() / Dt)));
  EXPECT_FALSE(blast) << "removed when its animation has played";

  // Without a sprite, it goes after its duration all the same.
  Define("BareBlast", R"({"Transform": null, "Blast": {"duration": 0.5}})");
  Handle<GameObject> bare = Make("BareBlast");
  Frames(32);
  EXPECT_FALSE(bare);
}

TEST_F(BlastTest, AUsedBombBeepsFasterAndFasterAndBlowsUp)
{
  Handle<GameObject> bomb = Make("Bomb", {0, 0});
  SimpleBombLogic& logic = *Get<SimpleBombLogic>(bomb);
  EXPECT_EQ(logic.GetBeepSound().GetEvent(), SimpleBombLogic::BeepSoundPath);
  Frames(30);
  EXPECT_EQ(logic.GetTimer(), 3.0f) << "unused, it lies still";

  SendNow<UseEvent>(BRINDLE_SITE, bomb->GetId(), true, 0u, false);
  std::vector<float> beeps;  // the timer at each beep
  float nextBeep = logic.GetNextBeep();
  while (bomb && beeps.size() < 20)
  {
    Frames(1);
    if (bomb && logic.GetNextBeep() != nextBeep)
    {
      beeps.push_back(logic.GetNextBeep() * 1.5f);
      nextBeep = logic.GetNextBeep();
    }
  }
  ASSERT_GE(beeps.size(), 4u);
  EXPECT_NEAR(beeps[0], 3.0f - Dt, 1e-3f) << "at once on the first active frame";
  EXPECT_NEAR(beeps[1], 2.0f, Dt);
  EXPECT_NEAR(beeps[2], 4.0f / 3.0f, Dt);
  EXPECT_FALSE(bomb);
  EXPECT_EQ(Count("Blast"), 1u);
}

TEST_F(BlastTest, AGunFlashesItsMuzzleFlashAtEveryShot)
{
  Handle<GameObject> holder = Make("Gunner");
  Handle<GameObject> pistol = Make("pistol");
  Get<Equipment>(holder)->Equip(pistol, 0);
  Frames(1);  // the flash hears it has been parented
  Handle<GameObject> flash = pistol->GetTransform()->GetChildren().front()->GetOwner();
  Frames(1);
  EXPECT_FALSE(Get<Sprite>(flash)->GetDraw());
  SendNow<UseEvent>(BRINDLE_SITE, holder->GetId(), true, 0u, false);
  Frames(1);
  EXPECT_TRUE(Get<Sprite>(flash)->GetDraw()) << "shown for its flash length";
  Frames(6);
  EXPECT_FALSE(Get<Sprite>(flash)->GetDraw());
}

TEST_F(BlastTest, TheCooldownBarFadesShrinksSinksAndGoes)
{
  Handle<GameObject> bar = Make("HUD_SpecialCooldown", {0, 0});
  Sprite& sprite = *Get<Sprite>(bar);
  const float height = sprite.GetScale().y;
  Get<SpecialCooldown>(bar)->SetCooldown(3, 3);
  EXPECT_FLOAT_EQ(sprite.GetColor().a, 0.5f);
  EXPECT_FLOAT_EQ(sprite.GetScale().y, 0.0f);
  EXPECT_FLOAT_EQ(PositionOf(bar).y, -120.0f);
  Frames(1);
  EXPECT_FALSE(bar);

  bar = Make("HUD_SpecialCooldown", {0, 0});
  Get<SpecialCooldown>(bar)->SetCooldown(0, 2);
  EXPECT_FLOAT_EQ(Get<Sprite>(bar)->GetScale().y, height);
  Frames(121);
  EXPECT_FALSE(bar) << "gone once its two seconds are up";

  // A total of 0 has nothing to count: the bar goes at once and nothing turns to NaN.
  bar = Make("HUD_SpecialCooldown", {0, 0});
  Get<SpecialCooldown>(bar)->SetCooldown(0, 0);
  EXPECT_TRUE(std::isfinite(PositionOf(bar).y));
  EXPECT_TRUE(std::isfinite(Get<Sprite>(bar)->GetScale().y));
  Frames(1);
  EXPECT_FALSE(bar);
}

TEST_F(BlastTest, TheFiringRangeLevelLoadsAndPlaysOutWithoutAWord)
{
  Space* range = LiveSpace("Firing Range", "firingrange");
  std::vector<Health*> crates;
  for (auto entry = range->ObjectsBegin(); entry != range->ObjectsEnd(); ++entry)
    if (entry->second->GetPrefabName() == "TargetCrate")
      crates.push_back(Get<Health>(entry->second));
  ASSERT_EQ(crates.size(), 6u);
  for (int frame = 0; frame < 300; ++frame)
  {
    PhysicsModule::Of(range)->Update(Dt);
    session->DispatchUpdateEvents(Dt);
  }
  // The bomb and the rocket have each left two crates at 5; the bullets broke one.
  EXPECT_EQ(std::count_if(crates.begin(), crates.end(), [](Health* crate) { return crate->GetHitpoints() == 5; }), 4);
  EXPECT_EQ(std::count_if(crates.begin(), crates.end(), [](Health* crate) { return crate->IsDead(); }), 1);
  EXPECT_EQ(output.Lines().size(), 0u) << output.Text();
}
