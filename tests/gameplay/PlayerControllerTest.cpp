// The player on the real game loop, driven through the input layer with scripted SDL events: it
// picks up, aims with the stick and the mouse, walks, swaps, fires every kind of gun, blinks and
// dashes a measured distance.
#include "gameplay/player/PlayerController.h"

#include "support/PlayerScene.h"
#include "core/FileUtilities.h"
#include "core/Send.h"
#include "CombatScene.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/player/ArmAnimator.h"
#include "gameplay/specials/SpecialDashLogic.h"
#include "gameplay/weapons/Gun.h"
#include "object/DataBoard.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"
#include "render/Graphics.h"
#include "render/InstanceData.h"
#include "render/ResourceManagerTwo.h"
#include "render/Sprite.h"
#include "render/TextToSprite.h"
#include "steering/Agent.h"
#include "support/AtlasFrames.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr std::int32_t Pad = 40;
constexpr const char* Player = "Player1";
}  // namespace

class PlayerControllerTest : public PlayerScene
{
protected:
  PlayerController* Controller() const { return Get<PlayerController>(Player); }
  Equipment* Hands() const { return Get<Equipment>(Player); }
  GameObject* Held(std::uint32_t slot) const { return Hands()->GetSlot(slot).Get(); }
  float Facing() const { return FacingOf(Find(Player)); }

  // The direction of the newest projectile of a prefab.
  // The direction of the newest shot: the one nearest the player (ids are reused, so the order by
  // id says nothing of age once the HUD's digits come and go).
  glm::vec2 LastShot(const std::string& prefab) const
  {
    const std::vector<GameObject*> shots = ObjectsOf(prefab);
    const glm::vec2 from = PositionOf(Player);
    const auto nearer = [from](GameObject* one, GameObject* other) {
      return glm::length(one->GetTransform()->GetWorldPosition() - from) <
             glm::length(other->GetTransform()->GetWorldPosition() - from);
    };
    const auto newest = std::min_element(shots.begin(), shots.end(), nearer);
    return newest == shots.end() ? glm::vec2(0.0f) : glm::normalize((*newest)->GetComponent<Rigidbody>()->velocity);
  }

  void PlugController()
  {
    devices->Attach(Pad);
    Script(TestEvents::ControllerAdded(devices->IndexOf(Pad)));
  }
  void RightStick(Sint16 x, Sint16 y)
  {
    Script(TestEvents::ControllerAxis(Pad, SDL_CONTROLLER_AXIS_RIGHTX, x));
    Script(TestEvents::ControllerAxis(Pad, SDL_CONTROLLER_AXIS_RIGHTY, y));
  }
  // The arms follow the facing along x: both hands on that side of the body, and the first
  // slot's rifle held in the first hand, pointing the same way.
  void ExpectArmsHoldTheRifleTowards(float side) const
  {
    const ArmAnimator* arms = Get<ArmAnimator>(Player);
    EXPECT_NEAR(arms->GetAim().x, side, 0.02f);
    EXPECT_GT(arms->GetArm(0).hand.x * side, 0.0f);
    EXPECT_GT(arms->GetArm(1).hand.x * side, 0.0f);
    const glm::mat3 held = Find("rifle")->GetTransform()->GetLocalMatrix();
    EXPECT_NEAR(held[2].x, arms->GetArm(0).hand.x, 1e-3f);
    EXPECT_NEAR(held[2].y, arms->GetArm(0).hand.y, 1e-3f);
    EXPECT_GT(held[0].x * side, 0.0f) << "the rifle points along the aim";
  }
  // A pointer moved well to the right of the player, on its row.
  void MouseToTheRight()
  {
    const int width = static_cast<int>(session->GetWindowWidth());
    const int height = static_cast<int>(session->GetWindowHeight());
    Script(TestEvents::MouseMotion(width - 20, height / 2, 40, 0));
  }
};

TEST_F(PlayerControllerTest, PicksUpAimsWithStickAndMouseWalksAndSwaps)
{
  Play({Object(Player, "Player", {0, 0}), Object("rifle", "rifle", {20, 0}),
        Object("shotgun", "shotgun", {0, -900})},
       {
           [&] {
             EXPECT_FALSE(Hands()->GetSlot(0)) << "nothing carried over, no tutorial";
             EXPECT_EQ(Controller()->GetAimMode(), PlayerController::KeepAim);
             PlugController();
             Press(SDLK_e);
             return true;
           },
           [&] {
             Release(SDLK_e);
             EXPECT_EQ(Held(0), Find("rifle")) << "the rifle under the player's feet is taken";
             EXPECT_EQ(Find("rifle")->GetParent().Get(), Find(Player));
             EXPECT_FALSE(GetCollider(Find("rifle"))->IsActive());
             RightStick(-32767, 0);
             return true;
           },
           Wait(40),
           [&] {
             EXPECT_EQ(Controller()->GetAimMode(), PlayerController::AimByStick);
             EXPECT_NEAR(Controller()->GetAimDirection().x, -1.0f, 1e-3f);
             EXPECT_NEAR(std::cos(Facing()), -1.0f, 0.02f) << "the body turned to the stick";
             EXPECT_EQ(Get<Sprite>(Player)->GetSource(), "player_space_idle_left") << "standing, facing left";
             ExpectArmsHoldTheRifleTowards(-1.0f);
             RightStick(0, 0);
             return true;
           },
           Wait(5),
           [&] {
             EXPECT_EQ(Controller()->GetAimMode(), PlayerController::KeepAim);
             EXPECT_NEAR(Controller()->GetAimDirection().x, -1.0f, 1e-3f) << "a released stick keeps the aim";
             Press(SDLK_o);
             return true;
           },
           Wait(3),
           [&] {
             Release(SDLK_o);
             EXPECT_LT(LastShot("Bullet").x, -0.9f) << "the gun in the hand points where the stick did";
             MouseToTheRight();
             Press(SDLK_d);
             return true;
           },
           Wait(60),
           [&] {
             EXPECT_EQ(Controller()->GetAimMode(), PlayerController::AimByMouse);
             EXPECT_GT(Controller()->GetAimDirection().x, 0.99f);
             EXPECT_GT(PositionOf(Player).x, 100.0f) << "walked right";
             EXPECT_NEAR(PositionOf(Player).y, 0.0f, 1.0f);
             EXPECT_LE(glm::length(Get<Rigidbody>(Player)->velocity), PlayerController::MaxSpeed + 200.0f);
             EXPECT_EQ(Get<Sprite>(Player)->GetSource(), "player_space_walk_right") << "no ship under it: in space";
             EXPECT_TRUE(Get<Sprite>(Player)->IsForward()) << "walking the way it faces";
             ExpectArmsHoldTheRifleTowards(1.0f);
             Release(SDLK_d);
             Press(SDLK_o);
             return true;
           },
           [&] {
             Release(SDLK_o);
             return true;
           },
           Wait(2),
           [&] {
             EXPECT_GT(LastShot("Bullet").x, 0.99f) << "and now where the mouse is";
             MoveTo(Player, {0, -900});  // onto the shotgun
             return true;
           },
           [&] {
             Press(SDLK_q);
             return true;
           },
           [&] {
             Release(SDLK_q);
             Press(SDLK_e);
             return true;
           },
           [&] {
             Release(SDLK_e);
             EXPECT_EQ(Held(1), Find("shotgun")) << "taken into the second slot";
             EXPECT_EQ(Held(0), nullptr) << "the rifle was dropped";
             EXPECT_FALSE(Find("rifle")->GetParent());
             EXPECT_NEAR(PositionOf("rifle").y, -900.0f - 64.0f, 2.0f) << "put down below the player";
             return true;
           },
       });
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}

TEST_F(PlayerControllerTest, EveryGunFiresInItsOwnRhythm)
{
  const std::vector<std::string> guns = {"heavy_pistol", "rifle", "burst_rifle", "shotgun", "rocket_launcher"};
  std::vector<Json::Value> level = {Object(Player, "Player", {0, 0})};
  for (std::size_t index = 0; index < guns.size(); ++index)
    level.push_back(Object(guns[index], guns[index], {0.0f, -1000.0f * static_cast<float>(index + 1)}));

  Gun* gun = nullptr;
  std::vector<int> shotFrames;  // frames on which the magazine went down
  int frame = 0;
  float lastMagazine = 0.0f;
  // Watches the held gun's magazine every frame.
  const auto watch = [&] {
    ++frame;
    if (gun != nullptr && gun->GetMagAmmo() < lastMagazine)
      shotFrames.push_back(frame);
    lastMagazine = gun != nullptr ? gun->GetMagAmmo() : 0.0f;
  };
  // The fire key down for this many frames.
  const auto hold = [&](int frames) {
    return [&, frames, left = std::make_shared<int>(frames + 1)] {
      watch();
      if (*left == frames + 1)
        Press(SDLK_o);
      if (--*left > 0)
        return false;
      Release(SDLK_o);
      return true;
    };
  };
  const auto idle = [&](int frames) {
    return [&, left = std::make_shared<int>(frames)] {
      watch();
      return --*left <= 0;
    };
  };
  // Off to the next gun: drop the one in hand, step onto the next, take it.
  const auto take = [&](const std::string& name) {
    return std::vector<Step>{
        [&] { return Press(SDLK_e), true; },
        [&, name] { return Release(SDLK_e), MoveTo(Player, PositionOf(name) + glm::vec2(0, 10)), true; },
        [&] { return Press(SDLK_e), true; },
        [&, name] {
          Release(SDLK_e);
          EXPECT_EQ(Held(0), Find(name));
          gun = Gun::GetGunComponent(Find(name));
          lastMagazine = gun->GetMagAmmo();
          shotFrames.clear();
          return true;
        }};
  };

  std::vector<Step> script = {[&] { return PlugController(), true; }};
  const auto add = [&script](std::vector<Step> steps) { script.insert(script.end(), steps.begin(), steps.end()); };
  add(take("heavy_pistol"));
  add({hold(40), idle(2), hold(1), idle(2), [&] {
         EXPECT_EQ(shotFrames.size(), 2u) << "held down it fired once; pulled again, once more";
         EXPECT_EQ(gun->GetMagAmmo(), 6.0f);
         return true;
       }});
  add(take("rifle"));
  add({hold(66), idle(1), [&] {
         EXPECT_EQ(shotFrames.size(), 6u) << "0.55 s at one shot per 0.1 s";
         for (std::size_t shot = 1; shot < shotFrames.size(); ++shot)
           EXPECT_GE(shotFrames[shot] - shotFrames[shot - 1], 12) << "never faster than its cooldown";
         return true;
       }});
  add(take("burst_rifle"));
  add({hold(1), idle(30), [&] {
         EXPECT_EQ(shotFrames.size(), 3u) << "one pull, one burst of three";
         for (std::size_t shot = 1; shot < shotFrames.size(); ++shot)
         {
           EXPECT_GE(shotFrames[shot] - shotFrames[shot - 1], 8) << "0.07 s between the shots of a burst";
           EXPECT_LE(shotFrames[shot] - shotFrames[shot - 1], 9);
         }
         return true;
       }});
  add(take("shotgun"));
  add({hold(1), idle(1), [&] {
         // The earlier guns' bullets are far away by now.
         std::size_t pellets = 0;
         for (GameObject* bullet : ObjectsOf("Bullet"))
           pellets += glm::length(bullet->GetTransform()->GetWorldPosition() - PositionOf(Player)) < 300.0f ? 1 : 0;
         EXPECT_EQ(pellets, 10u) << "ten pellets";
         EXPECT_EQ(gun->GetMagAmmo(), 5.0f) << "for one shell";
         return true;
       }});
  add(take("rocket_launcher"));
  add({hold(1), idle(1), [&] {
         EXPECT_EQ(ObjectsOf("Rocket").size(), 1u);
         EXPECT_EQ(gun->GetMagAmmo(), 3.0f);
         EXPECT_EQ(devices->rumbles.size(), 2u) << "the shotgun and the launcher shake the player's controller";
         return true;
       }});
  Play(level, script);
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}

TEST_F(PlayerControllerTest, BlinksWhereItFacesAndDashes)
{
  glm::vec2 before(0.0f);
  Play({Object(Player, "Player", {0, 0}), Object("blink", "SpecialBlink", {0, 20}, R"({"SpecialBlinkLogic": {"coolDown": 0.25}})"),
        Object("dash", "SpecialDash", {0, -1500}, R"({"SpecialDashLogic": {"coolDown": 0.25}})")},
       {
           [&] { return Press(SDLK_v), true; },
           [&] {
             Release(SDLK_v);
             EXPECT_EQ(Held(2), Find("blink"));
             EXPECT_FALSE(Find("blink")->GetComponent<Sprite>()->GetDraw()) << "a held special is not drawn";
             return true;
           },
           Wait(20),
           [&] {
             Press(SDLK_c);
             return true;
           },
           [&] {
             Release(SDLK_c);
             EXPECT_EQ(PositionOf(Player), glm::vec2(0, 0)) << "the cooldown had not refilled: no blink";
             return true;
           },
           Wait(20),
           [&] {
             before = PositionOf(Player);
             Press(SDLK_c);
             return true;
           },
           [&] {
             Release(SDLK_c);
             return true;
           },
           [&] {
             EXPECT_NEAR(PositionOf(Player).x - before.x, 500.0f, 2.0f) << "500 units the way it faces";
             EXPECT_NEAR(PositionOf(Player).y, before.y, 2.0f);
             EXPECT_TRUE(Get<Rigidbody>(Player)->IsActive());
             EXPECT_LT(glm::length(Get<Rigidbody>(Player)->velocity), 10.0f);
             EXPECT_EQ(ObjectsOf("BlinkPSEffect").size(), 1u);
             Press(SDLK_v);  // drop the blink
             return true;
           },
           [&] {
             Release(SDLK_v);
             MoveTo(Player, PositionOf("dash") + glm::vec2(0, 10));
             return true;
           },
           [&] { return Press(SDLK_v), true; },
           [&] {
             Release(SDLK_v);
             EXPECT_EQ(Held(2), Find("dash"));
             return true;
           },
           Wait(40),
           [&] {
             before = PositionOf(Player);
             Press(SDLK_c);
             return true;
           },
           Wait(12),
           [&] {
             Release(SDLK_c);
             EXPECT_TRUE(Get<SpecialDashLogic>("dash")->IsActive());
             EXPECT_GT(Get<Rigidbody>(Player)->velocity.x, PlayerController::MaxSpeed) << "faster than it walks";
             // Unseen in the carry below, which the physics' top speed caps: a push that never
             // weakens would shove harder whatever the dash runs into.
             EXPECT_LT(Get<SpecialDashLogic>("dash")->GetForceApplied(), 50000.0f) << "the push weakens as it goes";
             EXPECT_GE(ObjectsOf("dash_effect").size(), 1u) << "after-images";
             return true;
           },
           Wait(60),
           [&] {
             EXPECT_FALSE(Get<SpecialDashLogic>("dash")->IsActive());
             EXPECT_EQ(Get<SpecialDashLogic>("dash")->GetForceApplied(), 50000.0f) << "given back as it was";
             return true;
           },
           [&] { return glm::length(Get<Rigidbody>(Player)->velocity) < 1.0f; },
           [&] {
             // Half a second at the physics' top speed of 2000 a second and the glide out of it:
             // 1210 at the game's 120 frames a second, 1261 at its slowest steps of 1/30 s.
             EXPECT_NEAR(PositionOf(Player).x - before.x, 1235.0f, 60.0f) << "how far a dash carries";
             EXPECT_NEAR(PositionOf(Player).y, before.y, 2.0f);
             return true;
           },
       });
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}

// Without input: the items a level hands the player, and its death. The game's pictures are
// loaded and its renderer set up, so a frame's drawing can be looked at.
class PlayerLifeTest : public CombatScene
{
protected:
  PlayerLifeTest() { drawing = pictures.loaded && static_cast<Graphics::Graphics&>(*session).Initialize(); }

  // The arm segments a frame of the game's drawing files for the space: the records on the arms'
  // layer that show one of the player's arm drawings.
  std::size_t ArmSegmentsDrawn()
  {
    Graphics::Graphics& renderer = *session;
    session->DispatchDrawEvents();
    std::size_t segments = 0;
    for (const auto& [spaceName, layers] : renderer.GetSubmissions())
    {
      const auto passes = layers.find(renderer.GetLayer(ArmAnimator::LayerName));
      if (spaceName != space->GetSpaceName() || passes == layers.end())
        continue;
      for (const auto& [pass, buffer] : passes->second)
        for (std::size_t index = 0; buffer->Data() != nullptr && index < buffer->Count(); ++index)
        {
          const float* shown = static_cast<const Graphics::InstanceData*>(buffer->Data())[index].uvRect;
          for (const char* arm : {"player_arm_upper", "player_arm_lower", "player_arm_upper_back", "player_arm_lower_back"})
            if (std::equal(shown, shown + 4, ResourceManagerTwo::ResolveTextureName(arm, false).firstFrame))
              ++segments;
        }
    }
    session->Render();
    return segments;
  }

  AtlasFrames pictures;
  bool drawing = false;
};

TEST_F(PlayerLifeTest, CarriedItemsComeBackButNotIntoTheTutorialAndDeathEndsTheRunOnce)
{
  DataBoard& board = registry->GetDataBoard();
  board.SetPrimaryItem("rifle");
  board.SetSecondaryItem("no_such_gun");
  board.SetSpecialItem("SpecialDash");
  Space* hud = LiveSpace("HUD", "HUD");  // the one the player's HUD displays look for
  Handle<GameObject> player = Make("Player", {0, 0}, "Player1");
  Equipment* hands = Get<Equipment>(player);
  EXPECT_EQ(hands->GetSlot(0)->GetPrefabName(), "rifle");
  EXPECT_EQ(hands->GetSlot(0)->GetName(), "spawned weapon");
  EXPECT_EQ(hands->GetSlot(2)->GetName(), "spawned special");
  EXPECT_FALSE(hands->GetSlot(1));
  EXPECT_EQ(output.CountOf("\"no_such_gun\""), 1u) << output.Text();
  // Guns a level gives its player (the boss room's) fill only the slots that came in empty.
  Json::Value armed;
  ASSERT_TRUE(ReadJsonFile(armed, "Assets/Prefabs/Player.prefab"));
  armed["Player"]["Equipment"]["startingPrimary"] = "Beam_Gun";
  armed["Player"]["Equipment"]["startingSecondary"] = "shotgun";
  session->GetFactory().DefinePrefab("ArmedPlayer", armed["Player"], "test");
  const Equipment* armedHands = Get<Equipment>(Make("ArmedPlayer", {0, 900}));
  EXPECT_EQ(armedHands->GetSlot(0)->GetPrefabName(), "rifle");
  EXPECT_EQ(armedHands->GetSlot(1)->GetPrefabName(), "shotgun");

  // The tutorial's player starts empty-handed, whatever the board holds.
  space->SetCurrentLevelName("tutorial");
  const Equipment* tutorialHands = Get<Equipment>(Make("Player", {900, 0}));
  EXPECT_FALSE(tutorialHands->GetSlot(0) || tutorialHands->GetSlot(1) || tutorialHands->GetSlot(2));
  space->SetCurrentLevelName("testlevel");
  board.SetPrimaryItem("");
  board.SetSpecialItem("");
  EXPECT_FALSE(Get<Equipment>(Make("Player", {-900, 0}))->GetSlot(0));

  board.SetPrimaryItem("rifle");
  board.GetCollectedItems().push_back(CollectionEntry{"", "loot", 0, 0});
  ASSERT_TRUE(drawing);
  Frames(1);
  const std::size_t players = CountPrefab(*space, "Player") + CountPrefab(*space, "ArmedPlayer");
  EXPECT_EQ(ArmSegmentsDrawn(), players * 2u * 2u) << "two arms of two segments for each living player";
  log.Watch<DiedEvent>(space->GetId(), "space died");
  Get<Health>(player)->Kill();
  Frames(2);
  PlayerController* controller = Get<PlayerController>(player);
  ASSERT_TRUE(controller->IsDead());
  // The death plays once from its first frame, in the space suit; the arms go with it.
  const Sprite* body = Get<Sprite>(player);
  EXPECT_EQ(body->GetSource(), "player_space_death");
  EXPECT_FALSE(Get<ArmAnimator>(player)->IsVisible());
  EXPECT_EQ(ArmSegmentsDrawn(), (players - 1u) * 2u * 2u) << "arms drawn on the dead body";
  EventRecorder<DeathAnimationComplete> deathShown(player->GetId());
  EXPECT_FALSE(GetCollider(player.Get())->IsActive());
  EXPECT_TRUE(board.GetPrimaryItem().empty() && board.GetCollectedItems().empty()) << "the run is forgotten";
  ASSERT_EQ(CountPrefab(*hud, "HUD_DeathMessage"), 1u);
  for (const auto& [id, object] : hud->GetObjectsById())
  {
    if (object->GetPrefabName() == "HUD_DeathMessage")
    {
      EXPECT_EQ(object->GetComponent<TextToSprite>()->GetText(), "You Died");
    }
  }
  SendNow<DiedEvent>(BRINDLE_SITE, player->GetId());
  EXPECT_EQ(CountPrefab(*hud, "HUD_DeathMessage"), 1u) << "a second death changes nothing";

  // The end screen is asked for on the first update past 6 s, then on every update.
  int frames = 2;
  while (log.lines.empty() && frames < 400)
    Frames(1), ++frames;
  EXPECT_GT(controller->GetDeathTimer(), PlayerController::EndScreenDelay);
  EXPECT_LE(controller->GetDeathTimer(), PlayerController::EndScreenDelay + 1.5f * Dt);
  Frames(3);
  EXPECT_EQ(log.Take(), std::vector<std::string>(4, "space died"));
  EXPECT_EQ(body->GetFrame() + 1, body->GetFrameCount()) << "held on its last frame";
  EXPECT_FALSE(body->IsAnimated());
  EXPECT_GT(deathShown.Count(), 100u) << "told on every update once it has played";
}
