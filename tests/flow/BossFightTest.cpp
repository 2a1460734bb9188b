// The whole boss fight on the real game loop, in the shipped "BossRoom" level: the session runs
// its frames (physics, update events, the queue) on a stepped clock that makes every frame the
// longest step the loop takes (1/30 s), and the boss attacks every second. The boss fires his
// fans, throws turrets that land as turrets and arm themselves (never more than three in the
// room), calls waves out of the pads and
// charges and fires death balls; he knocks away a player who runs into him, and a shot at him
// takes nothing; a shot at the throne stops on the force field over it until the field's
// generator is shot down; then the throne dies, the cracked hull walls blow, the room loses its
// air, the defeat clears the room (the enemies with their guns), the reward is paid once, the boss
// spins out before the victory (its banner on the HUD), and BossWinEvent follows 13 s after his
// death, once.
#include "ai/boss/BossActionLogic.h"
#include "ai/boss/BossMovementLogic.h"
#include "core/EventManager.h"
#include "core/FileUtilities.h"
#include "flow/camera/BossCameraManager.h"
#include "flow/camera/ZoomManager.h"
#include "flow/hud/BossDialogueManager.h"
#include "flow/hud/BossFightGuide.h"
#include "gameplay/boss/BossEvents.h"
#include "gameplay/boss/BossSpawner.h"
#include "gameplay/boss/CountLiving.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/weapons/Ammo.h"
#include "gameplay/weapons/Gun.h"
#include "gameplay/player/PlayerEvents.h"
#include "gameplay/score/ScoreEvents.h"
#include "gameplay/ship/ShipEvents.h"
#include "gameplay/ship/ShipMap.h"
#include "object/FrameEvents.h"
#include "object/Transform.h"
#include "physics/Rigidbody.h"
#include "platform/Random.h"
#include "render/Camera.h"
#include "render/Sprite.h"
#include "render/TextToSprite.h"
#include "support/EventRecorder.h"
#include "support/GameScene.h"

#include <algorithm>
#include <glm/geometric.hpp>
#include <glm/mat2x2.hpp>
#include <glm/matrix.hpp>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

class BossFightTest : public GameScene
{
protected:
  void SetUp() override
  {
    GameScene::SetUp();
    if (IsSkipped())
      return;
    // The shipped room, with the boss attacking every second and charging for two.
    Json::Value level;
    ASSERT_TRUE(ReadJsonFile(level, "Assets/LevelFiles/BossRoom.json"));
    for (Json::Value& object : level["level"]["objects"])
      if (object["name"] == "Boss")
      {
        object["components"]["BossActionLogic"]["maxCooldown"] = 1.0;
        object["components"]["BossActionLogic"]["cooldown"] = 1.0;
        object["components"]["BossActionLogic"]["chargeTime"] = 2.0;
      }
    ASSERT_TRUE(WriteJsonFile(level, "Assets/LevelFiles/BossRoomFast.json"));
    ResetRandom();
    Start("BossRoomFast", &clock);
  }

  // The live objects of the room by name and by prefab.
  static std::multiset<std::string> Census(Space& space)
  {
    std::multiset<std::string> found;
    for (const auto& [id, handle] : space.GetObjectsById())
      if (const GameObject* object = handle.Get())
      {
        found.insert(object->GetName());
        found.insert("prefab " + object->GetPrefabName());
      }
    return found;
  }

  static std::size_t Reinforcements(const std::multiset<std::string>& census)
  {
    std::size_t count = 0;
    for (const char* prefab : BossSpawner::Prefabs)
      count += census.count(std::string("prefab ") + prefab);
    return count;
  }

  // Every reading moves time on by 20 ms: each frame is 40 ms or more and clamped to 1/30 s.
  SteppedClock clock{20000};
};

TEST_F(BossFightTest, TheBossAttacksTheThroneFallsTheRoomVentsAndTheFightEndsOnTime)
{
  // What the room hears, in order, with the game time each was first heard.
  float now = 0.0f;
  EventRecorder<UpdateEvent> roomClock;
  roomClock.onEvent = [&now](UpdateEvent& event) { now += event.dt; };
  EventLog ear;
  std::map<std::string, float> first;
  const auto heard = [&first, &now](const std::string& name) {
    first.emplace(name, now);
    return name;
  };
  std::map<float, int> wavesAt;  // the waves called at each moment
  // The boss's reward; the reinforcements the fight kills pay their own worth besides.
  int points = 0;
  EventRecorder<UpdateReputation> reputation;
  reputation.onEvent = [&](UpdateReputation& event) {
    if (event.points != BossCameraManager::Reward)
      return;
    ear.lines.push_back(heard("reward"));
    points += event.points;
  };
  std::set<std::string> seen;  // what showed during the fight
  int thrownAtOnce = 0;
  int mostTurrets = 0;  // standing or in flight
  float throneKilledAt = -1.0f;
  float enemiesClearedAt = -1.0f;
  float twinkleAt = -1.0f;
  bool hatThrown = false;
  bool tauntShown = true;
  bool tauntGone = false;
  float frameOffCentre = -1.0f;
  float bossScaleAtVictory = 0.0f;
  bool fieldRaised = false;
  bool throneShielded = true;
  bool victoryShown = false;
  Studio::EventInstance lastStep;
  std::vector<std::uint32_t> stepFrames;  // the walk's frame at each footstep
  int frame = 0;
  Handle<GameObject> bossShot;
  bool bossShotLanded = false;
  bool bossUnhurt = false;
  float knockedTo = 0.0f;
  session->SetFrameObserver([&] {
    Space* found = session->GetSpace("BossRoomFast");
    if (found == nullptr || ear.CountOf("BossWinEvent") > 0)
    {
      session->StopAll();
      return;
    }
    Space& space = *found;
    if (++frame == 1)
    {
      const std::uint32_t room = space.GetId();
      roomClock.Watch(room);
      ear.Watch<BossSpawnEnemies>(room, [&](const BossSpawnEnemies&) {
        ++wavesAt[now];
        return heard("BossSpawnEnemies");
      });
      ear.Watch<ThroneExplosionEvent>(room, [&](const ThroneExplosionEvent&) { return heard("ThroneExplosionEvent"); });
      ear.Watch<DepressurizationEvent>(room,
                                       [&](const DepressurizationEvent&) { return heard("DepressurizationEvent"); });
      ear.Watch<BossDiedEvent>(room, [&](const BossDiedEvent&) { return heard("BossDiedEvent"); });
      ear.Watch<PlayerVictory>(room, [&](const PlayerVictory&) { return heard("PlayerVictory"); });
      ear.Watch<BossWinEvent>(room, [&](const BossWinEvent&) { return heard("BossWinEvent"); });
      reputation.Watch(room);
      ear.Watch<DiedEvent>(Find(space, "Boss")->GetId(), [&](const DiedEvent&) { return heard("boss DiedEvent"); });
      // The player stands the fight out.
      Find(space, "Player1")->GetComponent<Health>()->SetInvulnerable(true);
      // The boss knocks away whatever runs into him: the player, put against his side for a moment,
      // is thrown well clear of where the contact alone would leave him (about 130 from his middle).
      const glm::vec2 bossAt = Find(space, "Boss")->GetTransform()->GetWorldPosition();
      Find(space, "Player1")->GetTransform()->SetWorldPosition(bossAt.x - 100.0f, bossAt.y);
      // Four throws at once make three turrets: the room holds no more.
      for (int throwNumber = 0; throwNumber < 4; ++throwNumber)
        Find(space, "Boss")->GetComponent<BossActionLogic>()->ThrowTurret();
      thrownAtOnce = CountLiving(space, {BossActionLogic::TurretPrefab, BossActionLogic::ThrownPrefab});
      // A boss down by 150 of his 400 owes two waves a call.
      Find(space, "Boss")->GetComponent<Health>()->SetHealth(250.0f);
      // The field stands over the throne, and a shot from the side stops on it.
      GameObject* field = Find(space, "ShieldWall");
      fieldRaised = field != nullptr && field->GetTransform()->GetWorldPosition() == glm::vec2(1600.0f, 2300.0f);
      Handle<GameObject> shot;
      session->GetFactory().CreateGameObjectAt(shot, "Bullet", &space, 2060.0f, 2160.0f, "");
      shot->GetComponent<Rigidbody>()->SetVelocity(glm::vec2(-900.0f, 0.0f));
      // A shot at the boss himself is heard but takes nothing: only the throne's fall hurts him.
      session->GetFactory().CreateGameObjectAt(bossShot, "Bullet", &space, bossAt.x + 150.0f, bossAt.y, "");
      bossShot->GetComponent<Rigidbody>()->SetVelocity(glm::vec2(-900.0f, 0.0f));
    }
    if (frame == 6)
    {
      GameObject* player = Find(space, "Player1");
      knockedTo = glm::distance(player->GetTransform()->GetWorldPosition(),
                                Find(space, "Boss")->GetTransform()->GetWorldPosition());
      // Then off the hall's middle line, so that the framing must move to find him.
      player->GetTransform()->SetWorldPosition(900.0f, 700.0f);
      player->GetComponent<Rigidbody>()->SetVelocity(glm::vec2(0.0f, 0.0f));
    }
    if (frame == 20)
    {
      bossShotLanded = !bossShot.IsValid();
      bossUnhurt = Find(space, "Boss")->GetComponent<Health>()->GetHitpoints() == 250.0f;
    }
    GameObject* generator = Find(space, "Field Generator");
    if (generator != nullptr && !generator->GetComponent<Health>()->IsDead())
      throneShielded = throneShielded && Find(space, "Throne")->GetComponent<Health>()->GetHitpoints() == 200.0f;
    // A footstep sounds as the walk reaches its footstep frame, once a visit.
    const GameObject* boss = Find(space, "Boss");
    const Studio::EventInstance step = boss->GetComponent<BossMovementLogic>()->GetWalkSound().GetInstance();
    const std::uint32_t walkFrame = boss->GetSprite()->GetFrame();
    if (throneKilledAt < 0.0f && step.isValid() && !(step == lastStep))
      stepFrames.push_back(walkFrame);
    lastStep = step;
    const std::multiset<std::string> census = Census(space);
    mostTurrets = std::max(mostTurrets, CountLiving(space, {BossActionLogic::TurretPrefab, BossActionLogic::ThrownPrefab}));
    for (const char* name : {"TEST", "ThrownItem", "ThrownSpawn", "BeamWeaponOne", "DeathBallCharge", "DeathBall"})
      if (census.count(name) != 0)
        seen.insert(name);
    if (Reinforcements(census) != 0)
      seen.insert("reinforcement");
    // The throne falls once every attack has shown and the opening shot is over.
    const bool everyAttack = seen.size() == 7;
    if (throneKilledAt < 0.0f && everyAttack && now > BossCameraManager::OpeningShot)
    {
      // The generator first: its fall lowers the field, and only then is the throne broken.
      if (generator != nullptr && !generator->GetComponent<Health>()->IsDead())
        generator->GetComponent<Health>()->Kill();
      else if (Find(space, "ShieldWall") == nullptr)
      {
        throneKilledAt = now;
        Find(space, "Throne")->GetComponent<Health>()->Kill();
      }
    }
    // The enemies go with their guns.
    if (ear.CountOf("BossDiedEvent") != 0 && enemiesClearedAt < 0.0f && Reinforcements(census) == 0 &&
        census.count("prefab BossTurret") == 0 && census.count("BeamWeaponOne") == 0 &&
        census.count("BeamWeaponTwo") == 0 && census.count("prefab enemy_rifle") == 0 &&
        census.count("prefab enemy_pistol") == 0 && census.count("prefab enemy_blaster") == 0)
      enemiesClearedAt = now;
    for (const auto& [id, handle] : space.GetObjectsById())
      if (handle.IsValid() && handle->GetName() == "ThrownItem" && handle->GetSprite() != nullptr &&
          handle->GetSprite()->GetSource() == "boss_death_hat")
        hatThrown = true;
    // The taunt shows for its first eight seconds, then its box goes; after the opening shot the
    // fight is framed halfway between the player and the room's anchor.
    const Handle<GameObject> taunt = space.GetObjectNamed("Boss Taunt");
    if (now > 0.5f && now < BossDialogueManager::Lifetime - 0.5f)
      tauntShown = tauntShown && taunt && taunt->GetComponent<BossDialogueManager>()->IsTextShown();
    if (now > BossDialogueManager::Lifetime + 0.5f)
      tauntGone = !taunt;
    if (frameOffCentre < 0.0f && now > BossCameraManager::OpeningShot + 0.5f)
      frameOffCentre = glm::distance(Find(space, "Boss Camera Manager")->GetTransform()->GetWorldPosition(),
                                     0.5f * (Find(space, "Player1")->GetTransform()->GetWorldPosition() +
                                             Find(space, "BossCamManagerAnchor")->GetTransform()->GetWorldPosition()));
    if (twinkleAt < 0.0f && census.count("BossTwinkle") != 0)
      twinkleAt = now;
    if (ear.CountOf("PlayerVictory") == 1 && bossScaleAtVictory == 0.0f)
      bossScaleAtVictory = Find(space, "Boss")->GetSprite()->GetScale().x;
    if (Space* hud = session->GetSpace("HUD"); hud != nullptr && !victoryShown)
      for (const auto& [id, object] : hud->GetObjectsById())
        victoryShown = victoryShown || object->GetPrefabName() == BossCameraManager::VictoryPrefab;
    // The throne's explosion has blown the first cracked wall out of the hull.
    if (ear.CountOf("DepressurizationEvent") == 1 && frame % 30 == 0)
    {
      const ShipMap* map = Find(space, "Ship")->GetComponent<ShipMap>();
      EXPECT_EQ(map->GetTile(13, 19).bottom, ShipTile::None);
    }
  });
  session->QuitAfterFrames(3000);
  session->Run();

  // Every attack showed before the throne fell: fans, a thrown turret landing and arming itself, a
  // wave's reinforcement, a charge and its ball.
  EXPECT_EQ(seen, (std::set<std::string>{"BeamWeaponOne", "DeathBall", "DeathBallCharge", "TEST", "ThrownItem",
                                         "ThrownSpawn", "reinforcement"}));
  ASSERT_GT(throneKilledAt, 0.0f) << "the boss never showed every attack";
  EXPECT_EQ(thrownAtOnce, BossActionLogic::MaxTurrets);
  EXPECT_EQ(mostTurrets, BossActionLogic::MaxTurrets);
  EXPECT_TRUE(fieldRaised);
  EXPECT_TRUE(throneShielded) << "the shot reached the throne through the field";
  EXPECT_TRUE(bossShotLanded) << "the shot at the boss never reached him";
  EXPECT_TRUE(bossUnhurt) << "a shot hurt the boss";
  EXPECT_GT(knockedTo, 250.0f) << "the player was knocked to " << knockedTo;
  EXPECT_GE(ear.CountOf("BossSpawnEnemies"), 1u);
  EXPECT_FALSE(stepFrames.empty());
  EXPECT_EQ(std::count(stepFrames.begin(), stepFrames.end(), BossMovementLogic::FootstepFrame),
            static_cast<std::ptrdiff_t>(stepFrames.size()));
  for (const auto& [time, waves] : wavesAt)
    EXPECT_EQ(waves, 2) << "at " << time << " s";

  // The chain: the throne explodes, the hull goes within its walls' delays, the room vents (the
  // boss room's managers hear it first and announce the defeat at once), the boss dies, the reward
  // is paid, the victory and the win follow. Each but the venting comes once.
  std::vector<std::string> ending;
  const std::vector<std::string>& heardLines = ear.lines;
  for (auto name = std::find(heardLines.begin(), heardLines.end(), "ThroneExplosionEvent"); name != heardLines.end();
       ++name)
    if (*name != "BossSpawnEnemies" && std::find(ending.begin(), ending.end(), *name) == ending.end())
      ending.push_back(*name);
  EXPECT_EQ(ending, (std::vector<std::string>{"ThroneExplosionEvent", "BossDiedEvent", "DepressurizationEvent",
                                              "boss DiedEvent", "reward", "PlayerVictory", "BossWinEvent"}));
  const float died = first["DepressurizationEvent"];
  EXPECT_NEAR(first["ThroneExplosionEvent"] - throneKilledAt, 0.1f, 0.1f);
  EXPECT_NEAR(died - first["ThroneExplosionEvent"], 0.4f, 0.15f) << "the first wall's delay is 0.33 s";
  EXPECT_FLOAT_EQ(first["BossDiedEvent"], died);
  EXPECT_EQ(ear.CountOf("reward"), 1u);
  EXPECT_EQ(points, BossCameraManager::Reward);
  EXPECT_EQ(ear.CountOf("BossDiedEvent"), 1u);
  EXPECT_EQ(ear.CountOf("boss DiedEvent"), 1u);
  EXPECT_NEAR(enemiesClearedAt - died, 0.05f, 0.05f) << "the defeat clears the room's enemies";
  EXPECT_TRUE(hatThrown);
  EXPECT_TRUE(tauntShown);
  EXPECT_TRUE(tauntGone);
  EXPECT_GE(frameOffCentre, 0.0f);
  EXPECT_LT(frameOffCentre, 20.0f) << "the framing sits halfway between the player and the anchor";
  // The exit: three seconds of spin and shrink, then the victory; the twinkle 5 s and the win 13 s
  // after the death.
  EXPECT_NEAR(first["PlayerVictory"] - died, 3.0f, 0.1f);
  EXPECT_GT(bossScaleAtVictory, 0.0f);
  EXPECT_LT(bossScaleAtVictory, 256.0f * 0.7f);
  EXPECT_TRUE(victoryShown) << "the win's banner on the HUD";
  EXPECT_NEAR(twinkleAt - died, 5.0f, 0.1f);
  EXPECT_NEAR(first["BossWinEvent"] - died, 13.0f, 0.1f);
  EXPECT_EQ(ear.CountOf("BossWinEvent"), 1u);
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}

// A player who has never seen the fight wins it from empty guns by play, with the boss attacking
// every second. H shows how to play over the fight, and Escape goes back to it. The HUD's line and
// a ring say what to shoot, the generator and then the throne, and each blinks at every hit; shots
// from empty guns hurt nothing; the pads keep ammunition lying on them, one at a time, which the
// player walks onto with the keys; the room never fills up (the pads hold enemies back while four
// stand); the framing never narrows as the player walks about; and the guns, aimed with the
// pointer and fired with Space, win the fight within two minutes.
TEST_F(BossFightTest, FromEmptyGunsAPlayerWhoNeverSawTheFightWinsItByPlay)
{
  std::vector<Gun*> guns;
  Ammo* reserve = nullptr;
  // As the HUD counts: a share of a round fires nothing.
  const auto empty = [&] {
    for (const Gun* gun : guns)
      if (gun->GetMagAmmo() >= 1.0f || reserve->GetAmmo(gun->GetAmmoType()) >= 1.0f)
        return false;
    return true;
  };
  int frame = 0;
  float now = 0.0f;
  float wonAt = -1.0f;
  int suppliesTaken = 0;
  bool goingForSupply = false;
  std::size_t mostSuppliesOnAPad = 0;
  int mostReinforcements = 0;
  bool unhurtWhileEmpty = true;
  bool helpShown = false;
  std::set<std::string> hints;  // the HUD's line while the ring circled its target
  std::set<std::string> blinked;
  float widestFraming = 0.0f;
  float narrowedTo = -1.0f;
  std::set<SDL_Keycode> held;
  EventLog ear;
  session->SetFrameObserver([&] {
    Space* found = session->GetSpace("BossRoomFast");
    if (found == nullptr || ear.CountOf("BossDiedEvent") > 0)
    {
      session->StopAll();
      return;
    }
    Space& space = *found;
    GameObject* player = Find(space, "Player1");
    now = static_cast<float>(session->GetFrameStatistics().GetSteppedSeconds());
    if (++frame == 1)
    {
      ear.Watch<BossDiedEvent>(space.GetId(), [&](const BossDiedEvent&) {
        wonAt = now;
        return "BossDiedEvent";
      });
      player->GetComponent<Health>()->SetInvulnerable(true);
      reserve = player->GetComponent<Ammo>();
      const Equipment* hands = player->GetComponent<Equipment>();
      for (std::uint32_t slot = 0; slot < 2; ++slot)
        if (Gun* gun = Gun::GetGunComponent(hands->GetSlot(slot).Get()))
        {
          gun->SetMagAmmo(0.0f);
          reserve->SetAmmo(gun->GetAmmoType(), 0.0f);
          guns.push_back(gun);
        }
    }
    // H shows how to play over the fight, which waits beneath it until Escape closes the page.
    const auto shows = [this](const char* name) {
      for (const auto& [spaceName, shown] : session->GetSpaces())
        if (spaceName == name && shown->IsVisible())
          return shown->GetName();
      return std::string();
    };
    if (frame == 2)
      Press(SDLK_h);
    if (frame == 3)
      Release(SDLK_h);
    if (frame == 6)
    {
      helpShown = shows("MenuSpace1") == "how_to_play" && space.IsPaused();
      Press(SDLK_ESCAPE);
    }
    if (frame == 7)
      Release(SDLK_ESCAPE);
    if (frame < 10)
      return;
    if (frame == 10)
    {
      EXPECT_FALSE(space.IsPaused()) << "the fight goes on after the page";
      // The trigger stays down from here on, with ammunition or without.
      Press(SDLK_SPACE);
    }
    mostReinforcements = std::max(mostReinforcements, BossSpawner::LiveReinforcements(space));
    if (now > BossCameraManager::OpeningShot + 0.1f)
    {
      const float framing = Find(space, "EN Camera")->GetComponent<ZoomManager>()->GetZoom();
      if (framing < widestFraming && narrowedTo < 0.0f)
        narrowedTo = framing;
      widestFraming = std::max(widestFraming, framing);
    }
    GameObject* generator = Find(space, "Field Generator");
    const bool generatorUp = generator != nullptr && !generator->GetComponent<Health>()->IsDead();
    GameObject* target = generatorUp ? generator : Find(space, "Throne");
    if (target == nullptr)
      return;
    if (target->GetSprite()->GetColor().a < 1.0f)
      blinked.insert(target->GetName());
    const BossFightGuide& guide = Find(space, "Boss Camera Manager")->GetComponent<BossCameraManager>()->GetGuide();
    for (const auto& [id, shown] : session->GetSpace("HUD")->GetObjectsById())
      if (shown.IsValid() && shown->GetPrefabName() == BossFightGuide::HintPrefab && guide.GetMarker().IsValid() &&
          glm::distance(guide.GetMarker()->GetTransform()->GetWorldPosition(),
                        target->GetTransform()->GetWorldPosition()) < 1.0f)
        hints.insert(target->GetName() + ": " + shown->GetComponent<TextToSprite>()->GetText());
    std::vector<GameObject*> supplies = ObjectsOf(space, BossSpawner::SupplyPrefab);
    for (GameObject* pad : {Find(space, "Spawn Pad 1"), Find(space, "Spawn Pad 2")})
    {
      const glm::vec2 at = pad->GetTransform()->GetWorldPosition();
      mostSuppliesOnAPad = std::max<std::size_t>(
          mostSuppliesOnAPad, std::count_if(supplies.begin(), supplies.end(), [&](GameObject* supply) {
            return glm::distance(supply->GetTransform()->GetWorldPosition(), at) < 1.0f;
          }));
    }

    // Out of rounds, the player walks to the nearest supply; with rounds, to a place below the
    // target, out of the boss's walk, and aims at it with the pointer.
    const glm::vec2 at = player->GetTransform()->GetWorldPosition();
    glm::vec2 goal = generatorUp ? glm::vec2(2650.0f, 1300.0f) : glm::vec2(1664.0f, 1500.0f);
    if (empty())
    {
      if (suppliesTaken == 0 && generator != nullptr)
        unhurtWhileEmpty = unhurtWhileEmpty && generator->GetComponent<Health>()->GetHitpoints() == 120.0f;
      goingForSupply = true;
      goal = at;
      for (GameObject* supply : supplies)
      {
        const glm::vec2 lies = supply->GetTransform()->GetWorldPosition();
        if (goal == at || glm::distance(lies, at) < glm::distance(goal, at))
          goal = lies;
      }
    }
    else if (std::exchange(goingForSupply, false))
      ++suppliesTaken;
    std::set<SDL_Keycode> keys;
    const glm::vec2 way = goal - at;
    if (way.x > 40.0f)
      keys.insert(SDLK_d);
    if (way.x < -40.0f)
      keys.insert(SDLK_a);
    if (way.y > 40.0f)
      keys.insert(SDLK_w);
    if (way.y < -40.0f)
      keys.insert(SDLK_s);
    for (SDL_Keycode key : {SDLK_a, SDLK_d, SDLK_w, SDLK_s})
      if (keys.count(key) != held.count(key))
        keys.count(key) != 0 ? Press(key) : Release(key);
    held = keys;
    const Camera* camera = space.GetCurrentCamera();
    const std::optional<glm::vec2> origin = camera->ToWorld(glm::vec2(0.0f));
    const std::optional<glm::vec2> right = camera->ToWorld(glm::vec2(1.0f, 0.0f));
    const std::optional<glm::vec2> down = camera->ToWorld(glm::vec2(0.0f, 1.0f));
    if (!origin || !right || !down)
      return;
    const glm::mat2 pixelToWorld(*right - *origin, *down - *origin);
    const glm::vec2 pixel = glm::inverse(pixelToWorld) * (target->GetTransform()->GetWorldPosition() - *origin);
    Script(TestEvents::MouseMotion(static_cast<int>(pixel.x), static_cast<int>(pixel.y), 40, 40));
  });
  session->QuitAfterFrames(4000);
  session->Run();

  EXPECT_TRUE(helpShown) << "H showed no how-to-play page over the fight";
  EXPECT_EQ(guns.size(), 2u);
  EXPECT_EQ(hints, (std::set<std::string>{std::string("Field Generator: ") + BossFightGuide::GeneratorHint,
                                          std::string("Throne: ") + BossFightGuide::ThroneHint}));
  EXPECT_EQ(blinked, (std::set<std::string>{"Field Generator", "Throne"})) << "a hit showed nothing";
  EXPECT_TRUE(unhurtWhileEmpty) << "empty guns hurt the generator";
  EXPECT_GT(suppliesTaken, 0) << "no supply came within reach";
  EXPECT_EQ(mostSuppliesOnAPad, 1u) << "a pad piles supplies up";
  // Four from the pads at most, or three and the five drones a carrier bursts into.
  EXPECT_LE(mostReinforcements, BossSpawner::MaxReinforcements - 1 + 5);
  EXPECT_LT(narrowedTo, 0.0f) << "the framing narrowed from " << widestFraming << " to " << narrowedTo;
  EXPECT_EQ(ear.CountOf("BossDiedEvent"), 1u) << "the fight was not won from empty guns";
  EXPECT_GT(wonAt, 0.0f);
  EXPECT_LT(wonAt, 120.0f);
  EXPECT_EQ(output.Errors(), 0u) << output.Text();
}
