// The shipped player and the shipped enemies in one level on the real game loop, the player's
// actions through the input layer. A bandit, a basic enemy and a turret in the open arm
// themselves, notice the player, chase and aim at him and shoot him, never one another; a bug
// and a turret behind a wall do not see him at first; a drone carrier closes in and bursts into
// drones that ram him; the player works the teleporter console and a bear arrives on its pad,
// then another once the pad has re-armed; a killed bandit drops its rifle, falls silent and is
// removed.
#include "support/PlayerScene.h"
#include "ai/enemies/AIController.h"
#include "ai/enemies/BanditController.h"
#include "ai/enemies/BugController.h"
#include "ai/navigation/AimingModule.h"
#include "ai/spawning/Teleporter.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/Equipment.h"
#include "gameplay/items/ItemEvents.h"
#include "gameplay/player/PlayerEvents.h"
#include "render/Sprite.h"
#include "steering/Agent.h"
#include "support/EventRecorder.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace
{
constexpr const char* Player = "Player1";
constexpr float Toughness = 100000.0f;
const glm::vec2 PadAt{250.0f, -250.0f};
constexpr float DroneHit = 0.5f;
}  // namespace

class EnemiesMeetThePlayerScenarioTest : public PlayerScene
{
protected:
  void TearDown() override
  {
    uses.clear();
    wounds.reset();  // their listeners go before the session
    PlayerScene::TearDown();
  }

  // Every use an enemy sends to itself, counted by name from the first step on.
  void WatchUses(std::initializer_list<const char*> names)
  {
    for (const char* name : names)
      uses[name] = std::make_unique<EventRecorder<UseEvent>>(Find(name)->GetId());
  }
  std::size_t Uses(const std::string& name) { return uses[name]->Count(); }

  template <typename Brain>
  std::string StateOf(const std::string& name) const
  {
    return Get<Brain>(name)->GetMachine().GetCurrentState()->GetName();
  }
  float Hitpoints(const std::string& name) const { return Get<Health>(name)->GetHitpoints(); }
  float Distance(const std::string& from, const std::string& to) const
  {
    return glm::length(PositionOf(to) - PositionOf(from));
  }
  GameObject* Weapon(const std::string& name) const { return Get<Equipment>(name)->GetSlot(0).Get(); }

  std::map<std::string, std::unique_ptr<EventRecorder<UseEvent>>> uses;
  std::unique_ptr<EventRecorder<HealthChangedEvent, float>> wounds;
};

TEST_F(EnemiesMeetThePlayerScenarioTest, EnemiesNoticeChaseAimShootAndArriveOnlyAsThePlayerMeetsThem)
{
  const std::string tough = R"({"Health": {"hitpoints": 100000, "max hitpoints": 100000}})";
  const std::string tall = R"({"Transform": {"scale": [40, 1800]}, "RectangleCollider": {"scale": [40, 1800]}})";
  Json::Value pad = Object("Pad", "TeleporterPad", PadAt);
  // The console, after the camera, stands beside the player: its place is kept from the pad.
  pad["children"].append(Json::Value(Json::objectValue))["who"] = 4;
  std::size_t shotsAtDeath = 0;
  Handle<GameObject> rifle;
  Handle<GameObject> bandit;
  Play({Object(Player, "Player", {0, 0}, tough), pad, Object("Console", "Teleporter", glm::vec2(40, 0) - PadAt),
        Object("Bandit", "AI_bandit", {450, 0}), Object("Turret", "Turret", {0, 450}),
        Object("Wall", "RangeWall", {-400, 0}, tall), Object("Hidden", "AI_bug", {-800, 0}),
        Object("Carrier", "DroneCarrier", {0, -650}), Object("Basic", "BasicEnemy", {-300, 300}),
        Object("Blind", "Turret", {-700, -300})},
       {
           [&] {
             WatchUses({"Bandit", "Basic", "Turret", "Hidden", "Blind"});
             wounds = std::make_unique<EventRecorder<HealthChangedEvent, float>>(
                 Find(Player)->GetId(),
                 [](const HealthChangedEvent& event) { return event.previousHitpoints - event.newHitpoints; });
             return true;
           },
           Wait(10),
           Tap(SDLK_f),  // the player stands in the console's zone
           [&] { return ObjectsOf(Teleporter::ArrivalPrefab).size() == 1; },
           [&] {
             EXPECT_LT(glm::length(ObjectsOf(Teleporter::ArrivalPrefab)[0]->GetTransform()->GetWorldPosition() - PadAt),
                       1.0f)
                 << "the bear arrives on the pad";
             return true;
           },
           [&] { return !Get<Teleporter>("Console")->IsActivated(); },
           [&] {
             EXPECT_EQ(ObjectsOf(Teleporter::ArrivalPrefab).size(), 1u) << "one bear for one interaction";
             return true;
           },
           Tap(SDLK_f),
           [&] { return ObjectsOf(Teleporter::ArrivalPrefab).size() == 2; },
           Wait(360),
           [&] {
             // In the open, within sight: armed, chasing, closing in, firing at the player.
             EXPECT_EQ(StateOf<BanditController>("Bandit"), "Combat");
             EXPECT_NE(Weapon("Bandit"), nullptr) << "the bandit armed itself";
             EXPECT_LT(Distance("Bandit", Player), 400.0f) << "it closed in";
             EXPECT_GT(Uses("Bandit"), 10u);
             EXPECT_GT(Uses("Turret"), 10u);
             EXPECT_EQ(Get<AIController>("Basic")->GetMachine().GetCurrentState()->GetName(), "Chasing");
             EXPECT_GT(Uses("Basic"), 10u);
             EXPECT_LT(Hitpoints(Player), Toughness) << "their shots and the drones hit";
             for (const char* enemy : {"Bandit", "Basic", "Turret", "Hidden"})
             {
               EXPECT_EQ(Get<AimingModule>(enemy)->FindTarget().Get(), Find(Player)) << enemy << " hunts the player";
               EXPECT_EQ(Hitpoints(enemy), Get<Health>(enemy)->GetMaxHitpoints()) << enemy << " was never hit";
             }
             // The turret faces the player and holds its cannon along its facing.
             const glm::vec2 toPlayer = PositionOf(Player) - PositionOf("Turret");
             const float facing = Get<Agent>("Turret")->GetKinematic()->orientation;
             EXPECT_LT(std::abs(std::remainder(facing - std::atan2(toPlayer.y, toPlayer.x), 6.2831853f)), 0.3f) << "it turns after him";
             const glm::mat3 held = Weapon("Turret")->GetTransform()->GetLocalMatrix();
             EXPECT_NEAR(held[0][0], std::cos(facing), 0.01f);
             EXPECT_NEAR(held[1][1], std::abs(std::cos(facing)), 0.01f) << "the cannon is never upside down";
             // Behind the wall: never sees him, never fires.
             EXPECT_EQ(StateOf<BugController>("Hidden"), "Wandering");
             EXPECT_EQ(Uses("Hidden"), 0u);
             EXPECT_EQ(Uses("Blind"), 0u) << "nor does the turret there";
             EXPECT_NE(Weapon("Hidden"), nullptr);
             // The carrier burst into its drones once it was near.
             EXPECT_TRUE(Find("Carrier") == nullptr || Get<Health>("Carrier")->IsDead());
             EXPECT_EQ(ObjectsOf("DroneSpawn").size(), 5u);
             EXPECT_GT(std::count(wounds->notes.begin(), wounds->notes.end(), DroneHit), 0) << "the drones rammed him";
             return true;
           },
           [&] {
             bandit = space->GetObjectNamed("Bandit");
             rifle = Get<Equipment>("Bandit")->GetSlot(0);
             Get<Health>("Bandit")->Kill();
             return true;
           },
           Wait(2),
           [&] {
             EXPECT_TRUE(rifle.IsValid() && !rifle->GetParent().IsValid()) << "the dead bandit drops its rifle";
             shotsAtDeath = Uses("Bandit");
             return true;
           },
           [&] { return !bandit.IsValid(); },
           [&] {
             EXPECT_EQ(Uses("Bandit"), shotsAtDeath) << "the dead fall silent";
             return true;
           },
       });
  EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
}

// A player who stands still stays where he stood: a bear and a duck chase him to his side and shoot
// at him there, a carrier's drones ram him, for ten seconds, but none of them shoves him about.
TEST_F(EnemiesMeetThePlayerScenarioTest, CrewAtThePlayersSideNeverShoveHimAbout)
{
  const std::string tough = R"({"Health": {"hitpoints": 100000, "max hitpoints": 100000}})";
  float closest = 1e9f;
  float drift = 0.0f;
  std::size_t drones = 0;
  int frames = 0;
  Play({Object(Player, "Player", {0, 0}, tough), Object("Bear", "AI_bear", {250, 60}),
        Object("Duck", "AI_duck", {-250, -60}), Object("Carrier", "DroneCarrier", {0, -500})},
       {[&] {
          wounds = std::make_unique<EventRecorder<HealthChangedEvent, float>>(
              Find(Player)->GetId(),
              [](const HealthChangedEvent& event) { return event.previousHitpoints - event.newHitpoints; });
          return true;
        },
        [&] {
         closest = std::min({closest, Distance(Player, "Bear"), Distance(Player, "Duck")});
         drift = std::max(drift, glm::length(PositionOf(Player)));
         drones = ObjectsOf("DroneSpawn").size();
         return ++frames == 1200;  // ten seconds
       }});
  EXPECT_LT(closest, 80.0f) << "the crew never came to the player's side";
  EXPECT_EQ(drones, 5u) << "the carrier burst into its drones";
  EXPECT_GT(std::count(wounds->notes.begin(), wounds->notes.end(), DroneHit), 2) << "the drones rammed him";
  EXPECT_LT(drift, 40.0f) << "the player was shoved about";
}
