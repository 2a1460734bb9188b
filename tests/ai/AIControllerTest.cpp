// The basic enemy from its prefab in a level, on the game's frame. It wanders while a wall hides
// its target, chases and fires from the update the target walks into the open, and after its death
// sends nothing more but the drop of its weapon and the level change; an unarmed one asks for a
// weapon on every update. The run is the same every time: its end state is pinned.
#include "support/AIScene.h"

#include "ai/enemies/AIController.h"
#include "core/FiniteCheck.h"
#include "gameplay/LevelEvents.h"
#include "gameplay/combat/Health.h"
#include "gameplay/items/Equipment.h"
#include "physics/Rigidbody.h"
#include "platform/Random.h"
#include "steering/Agent.h"

#include <algorithm>
#include <limits>

namespace
{
// A wall from y = -3000 up to y = 0 at x = 300. The hunter, slowed by its limits, stays near
// the origin on its left; the target starts on its right, hidden, and walks north until it stops
// in sight beyond the wall's end.
constexpr float WallX = 300.0f;
constexpr float WallHalfWidth = 20.0f;
constexpr float WallBottom = -3000.0f;
constexpr float WallTop = 0.0f;

const std::string HuntLevel =
    "[" + Record("Hunter", "BasicEnemy", 1, {0, 0}, R"(, "Agent": {"motivator": [100, 20, 300, 25]})") + "," +
    Record("Runner", "Default", 2, {500, -400},
           R"(, "Rigidbody": {"Velocity": [0, 300], "velocityDrag": 0.5, "invMomentInertia": 0}, "CircleCollider": {"radius": 30, "group": "PLAYER"},
              "Agent": {}, "Team": {"Team": 0}, "Health": {"hitpoints": 100000, "max hitpoints": 100000, "regens": false},
              "Registerer": {"registryType": "PLAYERS"})") +
    "," +
    Record("Wall", "Default", 3, {WallX, (WallBottom + WallTop) / 2},
           R"(, "RectangleCollider": {"scale": [40, 3000], "group": "WALL", "mapFlag": true})") +
    "," + Record("Unarmed", "BasicEnemy", 4, {-2500, -2500}, R"(, "Equipment": {"startingPrimary": ""})") + "]";

// Whether the segment between two points crosses the wall, by more than `margin` either way:
// 1 crosses, 0 clear, -1 too close to call.
int CrossesWall(glm::vec2 from, glm::vec2 to, float margin)
{
  if ((from.x - WallX) * (to.x - WallX) > 0.0f)
    return 0;
  const float t = (WallX - from.x) / (to.x - from.x);
  const float y = from.y + t * (to.y - from.y);
  if (y < WallTop - margin && y > WallBottom + margin)
    return 1;
  if (y > WallTop + margin)
    return 0;
  return -1;
}

}  // namespace

class AIControllerTest : public AIScene
{
protected:
  struct Run
  {
    int firstChase = -1;
    int stateChecks = 0;
    std::uint64_t hash = 0;
  };

  // The hunt, from the start of the random sequence, in a session whose ids start afresh (the wake
  // order, and so the order of the random draws, follows the ids): returns when the hunter has
  // been dead for a while.
  Run Hunt()
  {
    ResetRandom();
    CapturedLog output;
    Space* space = Load("hunt", HuntLevel);
    const Handle<GameObject> hunter = Find(space, "Hunter");
    const Handle<GameObject> runner = Find(space, "Runner");
    const Handle<GameObject> unarmed = Find(space, "Unarmed");
    EXPECT_TRUE(hunter.IsValid() && runner.IsValid() && unarmed.IsValid()) << output.Text();
    if (!hunter.IsValid() || !runner.IsValid() || !unarmed.IsValid())
      return {};
    AIController* controller = hunter->GetComponent<AIController>();
    EXPECT_EQ(controller->GetMachine().GetCurrentState(), nullptr) << "not evaluated before its first update";
    EnemyOutput hunterLog(hunter->GetId());
    EnemyOutput unarmedLog(unarmed->GetId());
    EventRecorder<StartUtilityEvent, std::string> levelLog(
        LevelTransitionChannel, [](const StartUtilityEvent& event) { return event.levelName; });
    EXPECT_TRUE(hunter->GetComponent<Equipment>()->GetSlot(0).IsValid()) << "it starts armed";

    Run run;
    int frames = 0;
    // Until the target is in the open and chased for two seconds.
    for (int frame = 0; frame < 1200 && (run.firstChase < 0 || frame < run.firstChase + 240); ++frame)
    {
      const std::size_t usesBefore = hunterLog.uses.Count();
      ++frames;
      RunFrames(1);
      const std::string state = controller->GetMachine().GetCurrentState()->GetName();
      const glm::vec2 from = PositionOf(hunter);
      const glm::vec2 to = PositionOf(runner);
      const int crossing = CrossesWall(from, to, 40.0f);
      if (glm::length(to - from) < 900.0f && crossing >= 0)
      {
        // The wall alone decides what it sees, in the very update.
        EXPECT_EQ(state, crossing == 1 ? "Wandering" : "Chasing") << "frame " << frame;
        ++run.stateChecks;
      }
      if (state == "Chasing" && run.firstChase < 0)
        run.firstChase = frame;
      if (state == "Chasing" && frame > run.firstChase)
      {
        EXPECT_GE(hunterLog.uses.Count() - usesBefore, 1u) << "it fires on every update of the chase";
      }
      EXPECT_EQ(hunterLog.steerings.Count(), static_cast<std::size_t>(frame + 1)) << "one steering per update";
    }
    EXPECT_GT(run.firstChase, 60) << "it wandered while the wall hid the target";
    EXPECT_GT(run.stateChecks, 100);
    EXPECT_EQ(hunterLog.equipRequests.Count(), 0u) << "an armed enemy asks for nothing";
    EXPECT_TRUE(std::all_of(hunterLog.uses.notes.begin(), hunterLog.uses.notes.end(),
                            [](const EnemyUse& use) { return use.slot == 0; }));
    EXPECT_LT(runner->GetComponent<Health>()->GetHitpoints(), 100000.0f) << "its shots hit";
    EXPECT_EQ(controller->GetTargetObject(), runner);
    // With nothing within reach to pick up, the unarmed one asks on every update and never fires.
    EXPECT_EQ(unarmedLog.equipRequests.Count(), static_cast<std::size_t>(frames));
    EXPECT_TRUE(unarmedLog.uses.notes.empty());

    // Its death: the weapon is dropped at once, the level change asked for once, then silence.
    std::vector<glm::vec2> state = {PositionOf(hunter), hunter->GetComponent<Rigidbody>()->velocity, PositionOf(runner),
                                    PositionOf(unarmed)};
    hunter->GetComponent<Health>()->Kill();
    const Handle<GameObject> weapon = hunter->GetComponent<Equipment>()->GetSlot(0);
    RunFrames(2);
    EXPECT_TRUE(controller->IsDead());
    EXPECT_EQ(hunter->GetComponent<Health>()->GetHitpoints(), Health::DeadHitpoints);
    EXPECT_EQ(hunterLog.equipRequests.Count(), 1u) << "the drop";
    EXPECT_FALSE(hunter->GetComponent<Equipment>()->GetSlot(0).IsValid());
    EXPECT_EQ(levelLog.notes, std::vector<std::string>{"brackwater"});
    const std::size_t steeringsAtDeath = hunterLog.steerings.Count();
    const std::size_t usesAtDeath = hunterLog.uses.Count();
    RunFrames(60);
    EXPECT_EQ(hunterLog.steerings.Count(), steeringsAtDeath);
    EXPECT_EQ(hunterLog.uses.Count(), usesAtDeath);
    EXPECT_EQ(levelLog.Count(), 1u);
    RunFrames(360);
    EXPECT_FALSE(hunter.IsValid()) << "removed when its death animation ended";
    EXPECT_TRUE(weapon.IsValid()) << "its weapon stays behind";
    EXPECT_FALSE(output.Contains("[ERROR]")) << output.Text();
    EXPECT_FALSE(output.Contains("[WARNING]")) << output.Text();

    run.hash = HashOf(state);
    session->UnloadAllSpaces();
    return run;
  }
};

TEST_F(AIControllerTest, AnEnemyWandersChasesWhatItSeesFiresAndFallsSilentWhenItDies)
{
  // A deliberate change to the AI or the physics updates this to the value the failure prints.
  constexpr std::uint64_t ExpectedHash = 0x5f795364743ae5d4ull;
  const Run run = Hunt();
  EXPECT_EQ(run.hash, ExpectedHash) << "the hunt now ends in state 0x" << std::hex << run.hash;
}

TEST_F(AIControllerTest, MissingPartsLostTargetsAndNaNLimitsAreSurvivedWithAMessage)
{
  CapturedLog output;
  Space* space = Load("broken", "[" + Record("Bare", "Default", 1, {0, 0}, R"(, "AIController": {})") + "," +
                                    Record("Hunter", "BasicEnemy", 2, {-400, 0}) + "," +
                                    Record("Prey", "Default", 3, {-100, 0},
                                           R"(, "Rigidbody": {}, "CircleCollider": {"radius": 30, "group": "PLAYER"},
                                              "Agent": {}, "Registerer": {"registryType": "PLAYERS"})") +
                                    "]");
  Handle<GameObject> bare = Find(space, "Bare");
  Handle<GameObject> hunter = Find(space, "Hunter");
  Handle<GameObject> prey = Find(space, "Prey");
  ASSERT_TRUE(bare.IsValid() && hunter.IsValid() && prey.IsValid()) << output.Text();
  RunFrames(3);
  const AIController* hunting = hunter->GetComponent<AIController>();
  EXPECT_EQ(hunting->GetMachine().GetCurrentState()->GetName(), "Chasing");
  for (const char* part : {"AimingModule", "Agent", "Equipment"})
    EXPECT_EQ(output.CountOf(std::string("[WARNING] AIController of \"Bare\": no ") + part), 1u) << part << output.Text();
  EXPECT_EQ(bare->GetComponent<AIController>()->GetMachine().GetCurrentState()->GetName(), "Wandering");

  // The target goes: the hunter wanders again, steering for where it was last seen.
  space->DeleteObject(prey);
  RunFrames(2);
  EXPECT_EQ(hunting->GetMachine().GetCurrentState()->GetName(), "Wandering");
  EXPECT_FALSE(hunting->GetTargetObject().IsValid());

  // A limit gone wrong at run time makes a steering that is not a number: refused, and it coasts.
  Handle<MotivatorModifier> broken = MemoryManager::NewHandle<MotivatorModifier>(
      BRINDLE_SITE, [](float) { return std::numeric_limits<float>::quiet_NaN(); });
  hunter->GetComponent<Agent>()->GetMotivator().AddModifier(Motivator::MaxLinearAcceleration, 1, broken);
  RunFrames(5);
  EXPECT_EQ(output.CountOf("[ERROR] Agent of \"Hunter\": a steering that is not a finite number is refused"), 1u);
  EXPECT_TRUE(IsFinite(PositionOf(hunter)));
  broken.Release();
}
