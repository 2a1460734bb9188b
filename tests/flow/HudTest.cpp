#include "InterfaceScene.h"

#include "core/Send.h"
#include "flow/hud/HealthCounter.h"
#include "flow/hud/HealthIndicator.h"
#include "flow/hud/ItemIndicator.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/items/ItemEvents.h"
#include "gameplay/weapons/Ammo.h"
#include "gameplay/weapons/Gun.h"
#include "object/Removal.h"
#include "render/Sprite.h"
#include "render/TextToSprite.h"

namespace
{
void Hitpoints(const Handle<GameObject>& object, float hitpoints, float maximum = 100.0f)
{
  EventManager::Instance()->SendEvent(
      MemoryManager::New<HealthChangedEvent>(BRINDLE_SITE, object->GetId(), hitpoints, maximum, maximum));
}
}  // namespace

// The shipped HUD level in its space, a player in the encounter with the counter and the item
// indicator: what the HUD shows follows the player's health, items and ammunition.
TEST_F(InterfaceScene, HudFollowsThePlayersHealthItemsAndAmmunition)
{
  Space* hud = session->GetSpace("HUD", "HUD");
  Frame();
  Define("TestPlayer", R"({"Equipment": {}, "Ammo": {}, "HealthCounter": null, "ItemIndicator": null})");
  const Handle<GameObject> player = Make("TestPlayer", {0.0f, 0.0f}, "Player1");
  Frame();
  auto text = [this](const std::string& name) {
    TextToSprite* display = ComponentOf<TextToSprite>("HUD", name);
    return display != nullptr ? display->GetText() : std::string("(missing)");
  };
  auto alpha = [this](const std::string& name) {
    Sprite* sprite = ComponentOf<Sprite>("HUD", name);
    return sprite != nullptr ? sprite->GetColor().a : -1.0f;
  };

  for (const auto& [hitpoints, shown] : std::vector<std::pair<float, std::string>>{
           {12.2f, "13"}, {0.4f, "1"}, {0.0f, "0"}, {-5.0f, "0"}, {std::nanf(""), "0"}, {100.0f, "100"}})
  {
    Hitpoints(player, hitpoints);
    EXPECT_EQ(text("HUD_Health_Counter"), shown) << hitpoints;
  }

  // Empty slots: no icons, no magazine counts; the pool shows the player's ammunition.
  EXPECT_EQ(alpha("PrimaryItem's HUD_ItemIndicatorPlacard"), 0.0f);
  EXPECT_EQ(text("AmmoPrimary"), "");
  // Counted in whole units: a pickup's points shared over three types leave thirds.
  player->GetComponent<Ammo>()->SetAmmo(AmmoType::ENERGY, 2.5f);
  player->GetComponent<Ammo>()->AddAmmo({AmmoType::BULLET, AmmoType::ENERGY, AmmoType::EXPLOSIVE}, 50.0f);
  Frame();
  EXPECT_EQ(text("HUD_Ammo_Pool count 0"), "16");
  EXPECT_EQ(text("HUD_Ammo_Pool count 1"), "19");
  player->GetComponent<Ammo>()->SetAmmo(AmmoType::EXPLOSIVE, 3.0f - 1e-6f);
  Frame();
  EXPECT_EQ(text("HUD_Ammo_Pool count 2"), "3");

  const Handle<GameObject> pistol = Make("pistol", {0.0f, 0.0f}, "pistol");
  const Handle<GameObject> launcher = Make("rocket_launcher", {0.0f, 0.0f}, "rocket_launcher");
  auto* equipment = player->GetComponent<Equipment>();
  equipment->Equip(pistol, 0);
  equipment->Equip(launcher, 1);
  Gun::GetGunComponent(pistol.Get())->SetMagAmmo(5.9f);
  Frame();
  EXPECT_EQ(alpha("PrimaryItem's HUD_ItemIndicatorPlacard"), 1.0f);
  EXPECT_EQ(ComponentOf<Sprite>("HUD", "PrimaryItem's HUD_ItemIndicatorPlacard")->GetSource(),
            pistol->GetComponent<Sprite>()->GetSource());
  EXPECT_EQ(text("AmmoPrimary"), "5/12");
  EXPECT_EQ(ComponentOf<Sprite>("HUD", "AmmoPrimary")->GetSource(), "HUD_ammo_bullet");
  EXPECT_EQ(ComponentOf<Sprite>("HUD", "AmmoSecondary")->GetSource(), "HUD_ammo_rocket");
  EXPECT_EQ(alpha("SpecialItem's HUD_ItemIndicatorPlacard"), 0.0f);

  // A special changes no ammunition display.
  const std::string secondaryIcon = ComponentOf<Sprite>("HUD", "AmmoSecondary")->GetSource();
  equipment->Equip(Make("pistol", {0.0f, 0.0f}, "spare"), 2);
  EXPECT_EQ(alpha("SpecialItem's HUD_ItemIndicatorPlacard"), 1.0f);
  EXPECT_EQ(ComponentOf<Sprite>("HUD", "AmmoSecondary")->GetSource(), secondaryIcon);

  // Dropping the first slot hides its icon and its ammunition type; its count empties.
  SendNow<EquipDequip>(BRINDLE_SITE, player->GetId(), 0u);
  Frames(2);
  EXPECT_EQ(alpha("PrimaryItem's HUD_ItemIndicatorPlacard"), 0.0f);
  EXPECT_EQ(alpha("AmmoPrimary"), 0.0f);
  EXPECT_EQ(text("AmmoPrimary"), "");

  // A HUD level without its displays: said once each, nothing shown, nothing broken.
  ASSERT_NE(hud, nullptr);
  for (const char* name : {"AmmoPrimary", "HUD_Ammo_Pool", "PrimaryItem", "HUD_Health_Counter"})
    QueueRemoval(FindNamedObject(hud, name));
  Frames(2);
  const Handle<GameObject> another = Make("TestPlayer", {0.0f, 0.0f}, "Player2");
  another->GetComponent<Equipment>()->Equip(Make("pistol"), 0);
  Hitpoints(another, 50.0f);
  Frames(2);
  EXPECT_EQ(log.Errors(), 0u) << log.Text();
  EXPECT_EQ(log.CountOf("The HUD has no object \"HUD_Health_Counter\" for the health counter"), 1u) << log.Text();
  EXPECT_TRUE(log.Contains("The HUD has no object \"AmmoPrimary\" for the item indicator"));
}

// The heartbeat overlay's phases (rest, first beat, gap, second beat, top, fall), and at zero
// health: opaque at rest, 0.9 in the gap between the beats, 0.8 at the top.
TEST_F(InterfaceScene, HeartbeatOverlayPulsesWithItsPhases)
{
  Define("TestOverlay", R"({"Sprite": {"color": [1, 0, 0, 0]}, "HealthIndicator": {}})");
  const Handle<GameObject> overlay = Make("TestOverlay");
  auto* indicator = overlay->GetComponent<HealthIndicator>();
  auto* sprite = overlay->GetComponent<Sprite>();
  EXPECT_FLOAT_EQ(indicator->BeatLevel(0.1f), 0.0f);
  EXPECT_FLOAT_EQ(indicator->BeatLevel(0.25f), 0.25f);
  EXPECT_FLOAT_EQ(indicator->BeatLevel(0.4f), 0.5f);
  EXPECT_FLOAT_EQ(indicator->BeatLevel(0.7f), 1.0f);
  EXPECT_NEAR(indicator->BeatLevel(1.3f - 1e-4f), 0.0f, 1e-3f);

  Frames(3);
  EXPECT_FLOAT_EQ(sprite->GetColor().a, 0.0f) << "invisible at full health";
  // The player's Health hands the overlay its changes; a body without hitpoints counts as healthy.
  HealthChangedEvent noMaximum(0, 0.0f, 0.0f, 0.0f);
  indicator->On(&noMaximum);
  EXPECT_EQ(indicator->GetHealthFraction(), 1.0f);
  HealthChangedEvent dying(0, 0.0f, 100.0f, 1.0f);
  indicator->On(&dying);
  EXPECT_TRUE(indicator->IsDead());
  // A whole period at 1/60 s: opaque at rest, never below 0.8 at the top, and always pulsing.
  float lowest = 1.0f;
  float highest = 0.0f;
  for (int frame = 0; frame < 78; ++frame)
  {
    Frame();
    lowest = std::min(lowest, sprite->GetColor().a);
    highest = std::max(highest, sprite->GetColor().a);
  }
  EXPECT_EQ(sprite->GetColor().r, 1.0f) << "only the alpha is driven";
  EXPECT_NEAR(lowest, 0.8f, 1e-4f);
  EXPECT_FLOAT_EQ(highest, 1.0f);
}

// The beats sound below half health, once each per period, never at half and never once dead.
TEST_F(InterfaceScene, HeartbeatSoundsOnlyBelowHalfHealthWhileAlive)
{
  Define("TestOverlay", R"({"Sprite": {"color": [1, 0, 0, 0]}, "HealthIndicator": {}})");
  auto beats = [this](float hitpoints) {
    const Handle<GameObject> overlay = Make("TestOverlay");
    HealthChangedEvent change(0, hitpoints, 100.0f, 100.0f);
    overlay->GetComponent<HealthIndicator>()->On(&change);
    int heard = 0;
    for (int frame = 0; frame < 78; ++frame)
    {
      Frame();
      for (const char* path : {"event:/SFX/Heartbeat1", "event:/SFX/Heartbeat2"})
      {
        int playing = 0;
        Studio::EventDescription description;
        soundSystem->GetStudioSystem()->getEvent(path, &description);
        description.getInstanceCount(&playing);
        heard = std::max(heard, playing);
      }
    }
    QueueRemoval(overlay);
    Frames(120);
    return heard;
  };
  EXPECT_EQ(beats(50.0f), 0);
  EXPECT_EQ(beats(0.0f), 0) << "silent once dead";
  EXPECT_GT(beats(49.0f), 0);
}
