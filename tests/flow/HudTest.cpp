#include "FlowScene.h"

#include "core/Send.h"
#include "flow/hud/HealthCounter.h"
#include "flow/hud/HealthIndicator.h"
#include "flow/hud/ItemIndicator.h"
#include "gameplay/combat/Health.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/items/ItemEvents.h"
#include "gameplay/weapons/Ammo.h"
#include "gameplay/weapons/Gun.h"
#include "object/Removal.h"
#include "render/Sprite.h"
#include "render/TextToSprite.h"

#include <algorithm>
#include <cmath>
#include <set>

#include <SOIL/SOIL.h>  // reads the pictures' pixels
#include <glm/common.hpp>
#include <glm/mat3x3.hpp>

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

  // Empty slots: no icons, no magazine counts; the pool shows the player's ammunition. A slot and
  // its card are opaque, so that no crate, door or enemy behind the HUD shows in an empty slot as
  // if it were held.
  EXPECT_EQ(alpha("PrimaryItem's HUD_ItemIndicatorPlacard"), 0.0f);
  EXPECT_EQ(text("AmmoPrimary"), "");
  for (const char* slot : {"SecondaryItem", "PrimaryItem", "SpecialItem", "SecondaryItem card", "PrimaryItem card",
                           "SpecialItem card"})
  {
    const Sprite* sprite = ComponentOf<Sprite>("HUD", slot);
    ASSERT_NE(sprite, nullptr) << slot;
    EXPECT_EQ(sprite->GetColor().a, 1.0f) << slot;
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = SOIL_load_image(("Assets/Images/" + sprite->GetSource() + ".png").c_str(), &width, &height,
                                            &channels, SOIL_LOAD_RGBA);
    ASSERT_NE(pixels, nullptr) << sprite->GetSource();
    int seeThrough = 0;
    for (int pixel = 0; pixel < width * height; ++pixel)
      seeThrough += pixels[pixel * 4 + 3] < 255 ? 1 : 0;
    SOIL_free_image_data(pixels);
    EXPECT_EQ(seeThrough, 0) << slot << " (" << sprite->GetSource() << ") lets the fight show through";
  }
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

// Everything the two HUDs can show at once (the overworld's score panel stays up when a level is
// loaded over the overworld by the console), each text at its widest: seen through a window of
// each size the game opens on a 16:9 screen, every picture lies inside the window, and no two
// cover a common pixel, except what lies wholly on a backing (a card, the score panel) or in a
// slot's placard.
TEST_F(InterfaceScene, HudElementsStayInTheWindowAndApartAtEveryWindowSize)
{
  SKIP_WITHOUT_GL();
  session->GetSpace("HUD", "HUD");
  session->GetSpace("OW_HUD", "OW_HUD");
  Frame();
  Define("TestPlayer", R"({"Equipment": {}, "Ammo": {}, "HealthCounter": null, "ItemIndicator": null})");
  Define("TestStation", R"({"CommStationsControls": null})");
  const Handle<GameObject> player = Make("TestPlayer", {0.0f, 0.0f}, "Player1");
  Make("TestStation");
  Frame();
  auto* equipment = player->GetComponent<Equipment>();
  equipment->Equip(Make("Beam_Gun"), 0);  // "100/100", the longest magazine
  equipment->Equip(Make("Beam_Gun"), 1);
  equipment->Equip(Make("SpecialShield"), 2);
  Ammo* ammo = player->GetComponent<Ammo>();
  for (AmmoType type : {AmmoType::BULLET, AmmoType::ENERGY, AmmoType::EXPLOSIVE})
    ammo->SetAmmo(type, ammo->GetMaxAmmo(type));
  Hitpoints(player, 100.0f);
  ComponentOf<TextToSprite>("OW_HUD", "OW_Reputation")->SetNumber(99999);
  ComponentOf<TextToSprite>("OW_HUD", "OW_Reputation_Goal")->SetString("of 3000");
  Frames(3);
  TextToSprite* clock = ComponentOf<TextToSprite>("HUD", "Clock");
  ASSERT_NE(clock, nullptr) << "the comm station started the clock";
  clock->SetString("100.00");  // as it starts; it counts down from the next update

  struct Element
  {
    std::string name;
    glm::vec2 low{1e9f, 1e9f};
    glm::vec2 high{-1e9f, -1e9f};
  };
  auto grow = [](Element& element, const GameObject& object) {
    const Sprite* sprite = object.GetComponent<Sprite>();
    Transform* transform = const_cast<GameObject&>(object).GetTransform();
    const glm::mat3 world = transform->GetWorldMatrix();
    for (const glm::vec2 corner : {glm::vec2(-0.5f, -0.5f), glm::vec2(0.5f, 0.5f)})
    {
      const glm::vec3 at = world * glm::vec3(corner * sprite->GetScale() + sprite->GetOffset(), 1.0f);
      element.low = glm::min(element.low, glm::vec2(at));
      element.high = glm::max(element.high, glm::vec2(at));
    }
  };
  auto shows = [](const GameObject& object) {
    const Sprite* sprite = object.GetComponent<Sprite>();
    return sprite != nullptr && sprite->GetDraw() && sprite->GetColor().a > 0.0f;
  };
  std::vector<Element> backings, placards, onPlacards, pieces;
  for (const char* spaceName : {"HUD", "OW_HUD"})
  {
    Space* hudSpace = Live(spaceName);
    ASSERT_NE(hudSpace, nullptr) << spaceName;
    std::set<std::uint32_t> glyphs;
    for (const auto& [id, handle] : hudSpace->GetObjectsById())
      if (const TextToSprite* text = handle->GetComponent<TextToSprite>())
      {
        Element element{handle->GetName() + " \"" + text->GetText() + "\""};
        for (const Handle<GameObject>& glyph : text->GetDigits())
          if (glyph && shows(*glyph))
          {
            glyphs.insert(glyph->GetId());
            grow(element, *glyph);
          }
        if (!text->GetText().empty())
          pieces.push_back(element);
      }
    for (const auto& [id, handle] : hudSpace->GetObjectsById())
    {
      // The characters of a text that has just changed go at the next frame.
      const bool oldGlyph = handle->GetName().empty() && handle->GetComponent<Sprite>() != nullptr &&
                            handle->GetComponent<Sprite>()->GetSource() == "font";
      if (glyphs.count(id) != 0 || oldGlyph || !shows(*handle))
        continue;
      Element element{handle->GetName()};
      grow(element, *handle);
      const std::string& name = handle->GetName();
      const bool backing = name.size() > 5 && name.compare(name.size() - 5, 5, " card") == 0;
      if (backing || name == "OW_Reputation_Panel")
        backings.push_back(element);
      else if (name == "PrimaryItem" || name == "SecondaryItem" || name == "SpecialItem")
        placards.push_back(element);
      else if (name.find("HUD_ItemIndicatorPlacard") != std::string::npos || name.find("cooldown bar") != std::string::npos)
        onPlacards.push_back(element);  // an item's icon, and the bar of its reload or cooldown over it
      else
        pieces.push_back(element);
    }
  }
  EXPECT_EQ(backings.size(), 5u);
  EXPECT_EQ(placards.size(), 3u);
  EXPECT_EQ(onPlacards.size(), 4u) << "three icons and the shield's cooldown";
  for (const char* shown : {"HUD_Health_Counter \"100\"", "Clock \"100.00\"", "AmmoPrimary \"100/100\"",
                            "HUD_Ammo_Pool count 0 \"200\"", "OW_Reputation \"99999\""})
    EXPECT_TRUE(std::any_of(pieces.begin(), pieces.end(), [&](const Element& piece) { return piece.name == shown; }))
        << shown;

  for (const glm::ivec2 window : {glm::ivec2(1024, 576), glm::ivec2(1280, 720), glm::ivec2(1920, 1080)})
  {
    // The pixels whose centres an element covers, as the game's projection (1920 units across)
    // puts it in a window of that size.
    const float perUnit = static_cast<float>(window.x) / 1920.0f;
    const float halfHeight = 960.0f * static_cast<float>(window.y) / static_cast<float>(window.x);
    struct Pixels
    {
      int left, right, top, bottom;  // covered: left <= x < right, top <= y < bottom
    };
    auto pixels = [&](const Element& element) {
      return Pixels{static_cast<int>(std::lround((element.low.x + 960.0f) * perUnit)),
                    static_cast<int>(std::lround((element.high.x + 960.0f) * perUnit)),
                    static_cast<int>(std::lround((halfHeight - element.high.y) * perUnit)),
                    static_cast<int>(std::lround((halfHeight - element.low.y) * perUnit))};
    };
    auto meet = [&](const Element& a, const Element& b) {
      const Pixels p = pixels(a), q = pixels(b);
      return p.left < q.right && q.left < p.right && p.top < q.bottom && q.top < p.bottom;
    };
    auto within = [&](const Element& inner, const Element& outer) {
      const Pixels p = pixels(inner), q = pixels(outer);
      return p.left >= q.left && p.right <= q.right && p.top >= q.top && p.bottom <= q.bottom;
    };
    const std::string size = std::to_string(window.x) + "x" + std::to_string(window.y) + ": ";
    std::vector<const Element*> everything;
    for (const auto* group : {&backings, &placards, &onPlacards, &pieces})
      for (const Element& element : *group)
        everything.push_back(&element);
    for (const Element* element : everything)
    {
      const Pixels p = pixels(*element);
      EXPECT_TRUE(p.left >= 0 && p.top >= 0 && p.right <= window.x && p.bottom <= window.y)
          << size << element->name << " reaches out of the window";
    }
    for (const auto* group : {&backings, &placards, &pieces})
      for (std::size_t i = 0; i < group->size(); ++i)
        for (std::size_t j = i + 1; j < group->size(); ++j)
          EXPECT_FALSE(meet((*group)[i], (*group)[j])) << size << (*group)[i].name << " meets " << (*group)[j].name;
    for (const auto& [containers, contents] : {std::pair(&backings, &placards), std::pair(&backings, &pieces),
                                               std::pair(&placards, &pieces), std::pair(&backings, &onPlacards)})
      for (const Element& container : *containers)
        for (const Element& content : *contents)
          EXPECT_TRUE(!meet(container, content) || within(content, container))
              << size << content.name << " lies partly on " << container.name;
    for (const Element& content : onPlacards)
      EXPECT_TRUE(std::any_of(placards.begin(), placards.end(),
                              [&](const Element& placard) { return within(content, placard); }))
          << size << content.name << " is not inside a placard";
  }
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
        sound->GetStudioSystem()->getEvent(path, &description);
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

// The death message shows over all a level draws, its dialogue boxes' layers included, whichever
// space the level plays in: every pixel of its letters keeps their colour over a level that covers
// the view on each of those layers.
TEST_F(FlowScene, TheDeathMessageShowsOverAllALevelDraws)
{
  SKIP_WITHOUT_GL();
  StartDrawing();
  Space* hud = session->GetSpace("HUD", "HUD");
  // Named to come after "HUD", as the tutorial's "Utility" does: its pieces on a layer the HUD
  // shares are drawn after the HUD's.
  Space* level = Load("zone", R"([{"uuid": 1, "name": "Camera", "prefab": "Camera", "components": {}}])");
  Define("Piece", R"({"Transform": {"scale": [8000, 8000]}, "Sprite": {"source": "white", "color": [0.2, 0.6, 1, 1]}})");
  for (const char* layer : {"DL_MAIN", "DL_HUD", "DL_GUI_FRAME", "DL_GUI_BUTTON"})
    Make("Piece", {0.0f, 0.0f}, layer, level)->GetComponent<Sprite>()->SetLayer(layer);
  const Handle<GameObject> player = Make("Player", {0.0f, 0.0f}, "Player1", level);
  Frame();
  player->GetComponent<Health>()->Kill();
  Frames(2);
  ASSERT_EQ(CountPrefab(*hud, "HUD_DeathMessage"), 1u);

  // The letters' pixels: those of the message's colour with the level out of sight.
  const TextToSprite* message = nullptr;
  for (const auto& [id, object] : hud->GetObjectsById())
    if (object->GetPrefabName() == "HUD_DeathMessage")
      message = object->GetComponent<TextToSprite>();
  ASSERT_NE(message, nullptr);
  const fColor tint = message->GetColor();
  const glm::ivec3 colour(glm::round(glm::vec3(tint.r, tint.g, tint.b) * 255.0f));
  level->SetVisible(false);
  Frame();
  Draw();
  std::vector<glm::ivec2> letters;
  for (int y = 0; y < static_cast<int>(HeadlessGl::Height); ++y)
    for (int x = 0; x < static_cast<int>(HeadlessGl::Width); ++x)
      if (Shown(x, y) == colour)
        letters.emplace_back(x, y);
  ASSERT_GT(letters.size(), 100u);
  level->SetVisible(true);
  Frame();
  Draw();
  const auto covered = std::count_if(letters.begin(), letters.end(), [this, colour](glm::ivec2 at) { return Shown(at.x, at.y) != colour; });
  EXPECT_EQ(covered, 0) << "of " << letters.size() << " pixels of the letters";
}
