// The trigger rhythms and one-round reloads of the gun family, used as the controllers use them.
#include "gameplay/weapons/SemiAutoGun.h"

#include "CombatScene.h"
#include "core/FileUtilities.h"
#include "core/Send.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/weapons/Ammo.h"
#include "gameplay/weapons/BurstGun.h"
#include "gameplay/weapons/Shotgun.h"

class SemiAutoGunTest : public CombatScene
{
protected:
  SemiAutoGunTest()
  {
    holder = Make("Gunner", {0, 0}, "holder");
    log.Watch<ReloadEnd>(holder->GetId(), "holder reload end");
  }

  template <typename T = Gun>
  T& Hold(const std::string& prefab, const std::string& members = "")
  {
    std::string name = prefab;
    if (!members.empty())
    {
      name = prefab + " tuned";
      Json::Value file;
      EXPECT_TRUE(ReadJsonFile(file, "Assets/Prefabs/" + prefab + ".prefab"));
      Json::Value definition = file[prefab];
      Json::Value tuning;
      Json::Reader().parse(members, tuning);
      for (const std::string& type : tuning.getMemberNames())
        for (const std::string& member : tuning[type].getMemberNames())
          definition[type][member] = tuning[type][member];
      session->GetFactory().DefinePrefab(name, definition, "test");
    }
    Handle<GameObject> item = Make(name, {0, 0});
    Get<Equipment>(holder)->Equip(item, 0);
    return *dynamic_cast<T*>(Gun::GetGunComponent(item.Get()));
  }

  // A use every frame for this many frames; `rearm` as the enemies send it.
  void Use(int frames, bool rearm = false)
  {
    controller.onEvent = [this, rearm](UpdateEvent&) {
      SendNow<UseEvent>(BRINDLE_SITE, holder->GetId(), true, 0u, rearm);
    };
    Frames(frames);
    controller.onEvent = nullptr;
  }

  Handle<GameObject> holder;
};

TEST_F(SemiAutoGunTest, HeldOnceRearmedByTheCooldownAndABurstRunsThroughAnEmptyMagazine)
{
  Gun& pistol = Hold("heavy_pistol");
  Use(30);
  EXPECT_EQ(pistol.GetMagAmmo(), 7.0f) << "held down: one shot";
  Use(25, true);
  EXPECT_EQ(pistol.GetMagAmmo(), 4.0f) << "re-armed every use: a shot per 0.15 s cooldown";

  BurstGun& burst = Hold<BurstGun>("burst_rifle");
  burst.SetMagAmmo(1.0f);
  const std::size_t before = CountPrefab(*space, "Bullet");
  Use(1);
  Frames(20);
  EXPECT_EQ(CountPrefab(*space, "Bullet") - before, 3u) << "the whole burst";
  EXPECT_EQ(burst.GetMagAmmo(), 0.0f);
  EXPECT_EQ(burst.GetBurstBulletCounter(), 0);

  Hold<BurstGun>("burst_rifle", R"({"BurstGun": {"fireCooldown": 0.0}})");
  Use(5, true);
  EXPECT_EQ(output.CountOf("Warning: burst gun has fire cooldown less than time to complete burst"), 1u)
      << "said once, not every use";
}

TEST_F(SemiAutoGunTest, OneRoundReloadsAreCutShortByFiringAndKeepWhatTheyLoaded)
{
  Ammo& reserve = *Get<Ammo>(holder);
  Gun& launcher = Hold("rocket_launcher");
  reserve.SetAmmo(AmmoType::EXPLOSIVE, 4.0f);
  launcher.SetMagAmmo(2.0f);
  launcher.StartReloading();
  Frames(100);  // 1.67 s: one rocket in
  EXPECT_EQ(launcher.GetMagAmmo(), 3.0f);
  EXPECT_TRUE(launcher.IsReloading());
  Use(1);
  EXPECT_FALSE(launcher.IsReloading()) << "firing ends the reload";
  EXPECT_EQ(launcher.GetMagAmmo(), 2.0f);
  EXPECT_EQ(log.Take(), std::vector<std::string>{"holder reload end"});

  Shotgun& shotgun = Hold<Shotgun>("shotgun");
  reserve.SetAmmo(AmmoType::BULLET, 2.0f);
  shotgun.SetMagAmmo(3.0f);
  shotgun.StartReloading();
  Frames(90);  // 1.5 s: the two shells in the reserve, then nothing more to load
  EXPECT_EQ(shotgun.GetMagAmmo(), 5.0f) << "the shells loaded stay when the reserve runs dry";
  EXPECT_FALSE(shotgun.IsReloading());
  Use(1);
  EXPECT_NEAR(shotgun.GetPumpCountdown(), 0.2f, 0.02f) << "the pump follows a shot that leaves shells";

  // Nothing in the magazine and nothing to reload: the trigger does nothing, and says nothing.
  shotgun.SetMagAmmo(0.0f);
  reserve.SetAmmo(AmmoType::BULLET, 0.0f);
  const std::size_t pellets = CountPrefab(*space, "Bullet");
  Use(20);
  EXPECT_EQ(CountPrefab(*space, "Bullet"), pellets);
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}

TEST_F(SemiAutoGunTest, ABrokenRecipeIsCutDownWithAMessage)
{
  Hold<Shotgun>("shotgun", R"({"Shotgun": {"projectilesPerShot": 1000000}})");
  Use(1);
  EXPECT_EQ(CountPrefab(*space, "Bullet"), Shotgun::MostPellets);
  EXPECT_EQ(output.Errors(), 1u) << output.Text();
}
