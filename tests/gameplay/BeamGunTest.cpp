#include "gameplay/weapons/BeamGun.h"

#include "CombatScene.h"
#include "core/Send.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/weapons/Ammo.h"
#include "object/Removal.h"
#include "render/PointLight.h"

#include <cmath>

class BeamGunTest : public CombatScene
{
protected:
  BeamGunTest()
  {
    Define("Dummy", R"({"Transform": null, "Health": {"regens": false},
                        "CircleCollider": {"group": "ENEMY", "radius": 30}, "Rigidbody": {"invMass": 0}})");
    // Walls, props and doors stop a beam (they meet the BLOCKS_LASER group).
    Define("Pillar", R"({"Transform": null, "Health": {"regens": false},
                         "RectangleCollider": {"group": "WALL", "scale": [40, 200]}})");
    holder = Make("Gunner", {0, 0}, "holder");
    beam = Make("Beam_Gun", {0, 0}, "beam");
    Get<Equipment>(holder)->Equip(beam, 0);
  }

  // The trigger held for this many frames, as the player's controller uses the gun.
  void Fire(int frames)
  {
    controller.onEvent = [this](UpdateEvent&) {
      SendNow<UseEvent>(BRINDLE_SITE, holder->GetId(), true, 0u, false);
    };
    Frames(frames);
    controller.onEvent = nullptr;
  }

  bool LightsOn() const
  {
    BeamGun* gun = Get<BeamGun>(beam);
    return gun->GetBeamLight()->GetComponent<PointLight>()->on && gun->GetBackLight()->GetComponent<PointLight>()->on;
  }

  Handle<GameObject> holder;
  Handle<GameObject> beam;
};

TEST_F(BeamGunTest, ASecondOfBeamHurtsEverythingUpToAndIncludingTheBlockerAndDrainsTheMagazine)
{
  // The muzzle is at (50, 14): the beam runs along y = 14.
  Handle<GameObject> near = Make("Dummy", {300, 14});
  Handle<GameObject> far = Make("Dummy", {500, 14});
  Handle<GameObject> pillar = Make("Pillar", {700, 14});
  Handle<GameObject> shielded = Make("Dummy", {900, 14});
  Handle<GameObject> aside = Make("Dummy", {300, 300});
  Frames(1);
  BeamGun* gun = Get<BeamGun>(beam);
  EXPECT_FALSE(LightsOn());

  Fire(61);
  for (const Handle<GameObject>& hit : {near, far, pillar})
    EXPECT_NEAR(Get<Health>(hit)->GetHitpoints(), 50.0f, 1.0f) << "50 a second";
  EXPECT_EQ(Get<Health>(shielded)->GetHitpoints(), 100.0f) << "behind the blocker";
  EXPECT_EQ(Get<Health>(aside)->GetHitpoints(), 100.0f);
  EXPECT_NEAR(gun->GetMagAmmo(), 80.0f, 0.5f) << "20 rounds a second";
  EXPECT_TRUE(gun->IsFiring());
  EXPECT_TRUE(LightsOn());
  EXPECT_GT(CountPrefab(*space, "LazerImpact"), 0u);
  // The light stretches from the muzzle to the pillar's face.
  const float muzzleFromGun = std::sqrt(50.0f * 50.0f + 14.0f * 14.0f);
  EXPECT_NEAR(gun->GetBeamLight()->GetComponent<PointLight>()->scale.x * 64.0f, muzzleFromGun + 680.0f - 50.0f, 1.0f);

  Frames(1);
  EXPECT_FALSE(gun->IsFiring()) << "off at the first update after a frame without a use";
  EXPECT_FALSE(LightsOn());

  // The gun takes its lights with it.
  const Handle<GameObject> light = gun->GetBeamLight();
  QueueRemoval(beam);
  Frames(1);
  EXPECT_FALSE(light);
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}

TEST_F(BeamGunTest, AnEmptyMagazineStopsTheBeamAndReloadsFromTheReserve)
{
  Handle<GameObject> target = Make("Dummy", {300, 14});
  BeamGun* gun = Get<BeamGun>(beam);
  // Three frames of beam leave less than a firable share: that remainder counts as empty.
  gun->SetMagAmmo(1.0f + Gun::Epsilon / 2.0f);
  Get<Ammo>(holder)->SetAmmo(AmmoType::ENERGY, 50.0f);
  Fire(10);
  EXPECT_FALSE(gun->IsFiring());
  EXPECT_TRUE(gun->IsReloading());
  EXPECT_LT(100.0f - Get<Health>(target)->GetHitpoints(), 5.0f) << "a round lasts a twentieth of a second";
  Frames(100);
  EXPECT_FALSE(gun->IsReloading());
  EXPECT_EQ(gun->GetMagAmmo(), 50.0f) << "all the reserve had";
  EXPECT_EQ(Get<Ammo>(holder)->GetAmmo(AmmoType::ENERGY), 0.0f);
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}
