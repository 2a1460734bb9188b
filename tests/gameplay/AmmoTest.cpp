#include "gameplay/weapons/Ammo.h"

#include "CombatScene.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/weapons/AmmoPickup.h"
#include "render/TextToSprite.h"

#include <cmath>

namespace
{
constexpr AmmoType Bullet = AmmoType::BULLET;
constexpr AmmoType Energy = AmmoType::ENERGY;
constexpr AmmoType Explosive = AmmoType::EXPLOSIVE;
const std::vector<AmmoType> Every = {Bullet, Energy, Explosive};
}  // namespace

TEST(AmmoTest, PointsAreSharedPassByPassAndFullTypesHandTheirOverflowOn)
{
  Ammo ammo;
  ammo.SetAmmo(Bullet, 190);
  EXPECT_FLOAT_EQ(ammo.AddAmmo({Bullet}, 50), 40.0f);
  EXPECT_FLOAT_EQ(ammo.AddAmmo(Every, 40), 0.0f);
  EXPECT_FLOAT_EQ(ammo.GetAmmo(Bullet), 200.0f);
  EXPECT_FLOAT_EQ(ammo.GetAmmo(Energy), 20.0f) << "a third, then half of what the full bullets gave back";
  EXPECT_FLOAT_EQ(ammo.GetAmmo(Explosive), 20.0f);

  Ammo priced;
  priced.SetConversion(Energy, 2);
  EXPECT_FLOAT_EQ(priced.AddAmmo({Energy}, 50), 0.0f);
  EXPECT_FLOAT_EQ(priced.GetAmmo(Energy), 25.0f) << "a unit costs two points";
  EXPECT_FLOAT_EQ(priced.AddAmmo({Bullet, Bullet, Explosive}, 30), 0.0f);
  EXPECT_FLOAT_EQ(priced.GetAmmo(Bullet), 20.0f) << "listed twice, two shares";
  EXPECT_FLOAT_EQ(priced.GetAmmo(Explosive), 10.0f);
  EXPECT_FLOAT_EQ(priced.AddAmmo({}, 7), 7.0f);

  // Full everywhere: nothing is taken, whatever the amount, down to traces that once never ended.
  for (AmmoType type : Every)
    ammo.SetAmmo(type, 500);
  EXPECT_FLOAT_EQ(ammo.GetAmmo(Energy), 200.0f) << "set no higher than the cap";
  EXPECT_FLOAT_EQ(ammo.AddAmmo(Every, 50), 50.0f);
  EXPECT_NEAR(ammo.AddAmmo(Every, 0.002f), 0.002f, 1e-4f);
  EXPECT_TRUE(std::isnan(ammo.AddAmmo(Every, std::nanf(""))));
}

class AmmoPickupTest : public CombatScene
{
protected:
  AmmoPickupTest()
  {
    gunner = Make("Gunner", {0, 0});
    Get<Equipment>(gunner)->Equip(Make("pistol"), 0);
    ammo = Get<Ammo>(gunner);
    for (AmmoType type : Every)
      ammo->SetAmmo(type, 0);
  }

  Handle<GameObject> gunner;
  Ammo* ammo = nullptr;
};

TEST_F(AmmoPickupTest, TheHeldGunsTypeComesFirstAndAnEmptiedPickupGoesShowingWhatItGave)
{
  Handle<GameObject> pickup = Make("Ammo_Pickup", {0, 0});
  Frames(2);
  EXPECT_FLOAT_EQ(ammo->GetAmmo(Bullet), 50.0f) << "all to the pistol's type";
  EXPECT_FLOAT_EQ(ammo->GetAmmo(Energy), 0.0f);
  EXPECT_FALSE(pickup) << "emptied, it removed itself";
  std::vector<std::string> texts;
  for (auto entry = space->ObjectsBegin(); entry != space->ObjectsEnd(); ++entry)
    if (entry->second && entry->second->GetPrefabName() == AmmoPickup::FeedbackPrefab)
      texts.push_back(Get<TextToSprite>(entry->second)->GetText());
  EXPECT_EQ(texts, std::vector<std::string>{"50"});

  // With bullets at 190 the overflow spreads over the other types.
  ammo->SetAmmo(Bullet, 190);
  pickup = Make("Ammo_Pickup", {0, 0});
  Frames(2);
  EXPECT_FALSE(pickup);
  EXPECT_FLOAT_EQ(ammo->GetAmmo(Bullet), 200.0f);
  EXPECT_FLOAT_EQ(ammo->GetAmmo(Energy), 20.0f);
  EXPECT_FLOAT_EQ(ammo->GetAmmo(Explosive), 20.0f);

  // Full everywhere: the pickup keeps its points and shows nothing.
  for (AmmoType type : Every)
    ammo->SetAmmo(type, 200);
  pickup = Make("Ammo_Pickup", {0, 0});
  Frames(2);
  ASSERT_TRUE(pickup);
  EXPECT_FLOAT_EQ(Get<AmmoPickup>(pickup)->GetPoints(), 50.0f);
  EXPECT_FALSE(Get<AmmoPickup>(pickup)->GetFeedback());
}
