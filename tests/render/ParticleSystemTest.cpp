#include "render/ParticleSystem.h"

#include "support/CapturedLog.h"
#include "LightsAndParticlesScene.h"
#include "object/Members.h"
#include "platform/Random.h"
#include "render/ParticleAInitFunc1.h"
#include "render/ParticleBoxSpawnModifier.h"

#include <cmath>

namespace
{
constexpr float Frame = 1.0f / 60.0f;

class ParticleSystemTest : public ::testing::Test
{
protected:
  ParticleSystemTest() { ResetRandom(); }

  // A system on an object at `position`, with its members set by `configure` before it wakes.
  template <typename Configure>
  ParticleSystem* MakeSystem(glm::vec2 position, Configure configure)
  {
    emitter = scene.MakeObject(position, "emitter");
    ParticleSystem* system = scene.Add<ParticleSystem>(emitter);
    configure(*system);
    system->OnAwake();
    return system;
  }

  LightsAndParticlesScene scene;
  Handle<GameObject> emitter;
};

bool Near(const fColor& colour, const fColor& expected, float tolerance = 1e-5f)
{
  for (int channel = 0; channel < 4; ++channel)
    if (std::fabs(colour[channel] - expected[channel]) > tolerance)
      return false;
  return true;
}
}  // namespace

TEST_F(ParticleSystemTest, SpawnsAtItsRateCarryingTheRemainderWithoutDrift)
{
  ParticleSystem* system = MakeSystem({0, 0}, [](ParticleSystem& s) {
    s.initialSpawn = 0;
    s.ageMin = s.ageMax = 100.0f;
  });
  std::vector<int> spawnedOn;
  for (int update = 1; update <= 600; ++update)
  {
    const std::size_t before = system->GetActive().size();
    system->Update(Frame);
    if (system->GetActive().size() > before)
      spawnedOn.push_back(update);
  }
  // 10 a second for 10 seconds, one on every sixth update.
  ASSERT_EQ(spawnedOn.size(), 100u);
  for (std::size_t i = 1; i < spawnedOn.size(); ++i)
    EXPECT_EQ(spawnedOn[i] - spawnedOn[i - 1], 6) << "at spawn " << i;
}

TEST_F(ParticleSystemTest, AFullPoolSpawnsNothingMoreUntilOneDiesAndDropsTheSurplus)
{
  ParticleSystem* system = MakeSystem({0, 0}, [](ParticleSystem& s) {
    s.maxParticles = 5;
    s.initialSpawn = 5;
    s.spawnRate = 60.0f;
    s.ageMin = s.ageMax = 100.0f;
  });
  EXPECT_EQ(system->GetActive().size(), 5u);
  EXPECT_EQ(system->FreeCount(), 0u);
  for (int i = 0; i < 30; ++i)
    system->Update(Frame);
  EXPECT_EQ(system->GetActive().size(), 5u);
  // The requested particles were counted off as if spawned: nothing is owed.
  EXPECT_LT(system->GetAccumulator(), 1.0f / 60.0f);
}

TEST_F(ParticleSystemTest, AParticleIsRetiredOneUpdateAfterItsLifeFallsBelowZero)
{
  ParticleSystem* system = MakeSystem({0, 0}, [](ParticleSystem& s) {
    s.initialSpawn = 1;
    s.spawnRate = 0.0f;
    s.ageMin = s.ageMax = 0.5f;
  });
  ASSERT_EQ(system->GetActive().size(), 1u);
  Particle* particle = system->GetActive()[0];
  system->Update(0.5f);  // life exactly 0: alive
  EXPECT_EQ(particle->life, 0.0f);
  system->Update(0.25f);  // below 0 now, but only retired by the next update
  EXPECT_EQ(system->GetActive().size(), 1u);
  EXPECT_LT(particle->life, 0.0f);
  system->Update(0.25f);
  EXPECT_TRUE(system->GetActive().empty());
  EXPECT_EQ(particle->color, fColor(0, 0, 0, 0));
  EXPECT_EQ(system->FreeCount(), system->GetPool().size());
}

TEST_F(ParticleSystemTest, ColoursRunThroughTheThreeStopsInRgbOrHsv)
{
  ParticleSystem* system = MakeSystem({0, 0}, [](ParticleSystem& s) {
    s.initialSpawn = 1;
    s.spawnRate = 0.0f;
    s.ageMin = s.ageMax = 4.0f;
    s.color2 = fColor(0, 0, 1, 1);
  });
  Particle* particle = system->GetActive()[0];
  EXPECT_EQ(particle->color, system->color1);  // spawned with the first stop
  system->Update(1.0f);                        // t = 0.75
  EXPECT_TRUE(Near(particle->color, fColor(0.5f, 0, 0.5f, 1)));

  system->lerpColorsInHSV = true;
  particle->life = 4.0f;
  system->Update(1.0f);
  // Red (hue 0) and blue (hue 2/3) blend to hue 1/3: green, not magenta.
  EXPECT_TRUE(Near(particle->color, fColor(0, 1, 0, 1)));
}

TEST_F(ParticleSystemTest, ScaleShrinksAtItsRateAndParticlesMoveByTheirVelocity)
{
  ParticleSystem* system = MakeSystem({0, 0}, [](ParticleSystem& s) {
    s.initialSpawn = 1;
    s.spawnRate = 0.0f;
    s.scaleRate = 0.5f;
  });
  Particle* particle = system->GetActive()[0];
  const float scale = particle->scale;
  const glm::vec2 position = particle->position;
  particle->angularVelocity = 2.0f;
  system->Update(Frame);
  EXPECT_FLOAT_EQ(particle->scale, scale * (1.0f - 0.5f * Frame));
  EXPECT_FLOAT_EQ(particle->angle, 2.0f * Frame);
  EXPECT_FLOAT_EQ(particle->position.x, position.x + particle->velocity.x * Frame);
  EXPECT_FLOAT_EQ(particle->position.y, position.y + particle->velocity.y * Frame);
}

TEST_F(ParticleSystemTest, ARateOfZeroBanksTimeAndAPositiveRateThenBursts)
{
  ParticleSystem* system = MakeSystem({0, 0}, [](ParticleSystem& s) {
    s.initialSpawn = 0;
    s.spawnRate = 0.0f;
    s.ageMin = s.ageMax = 100.0f;
  });
  for (int i = 0; i < 120; ++i)
    system->Update(Frame);
  EXPECT_TRUE(system->GetActive().empty());
  EXPECT_NEAR(system->GetAccumulator(), 2.0f, 1e-3f);
  system->spawnRate = 10.0f;
  system->Update(Frame);
  EXPECT_EQ(system->GetActive().size(), 20u);
}

TEST_F(ParticleSystemTest, NegativeOrBrokenRatesSpawnNothing)
{
  ParticleSystem* system = MakeSystem({0, 0}, [](ParticleSystem& s) {
    s.initialSpawn = -3;
    s.spawnRate = -10.0f;
  });
  for (int i = 0; i < 60; ++i)
    system->Update(Frame);
  EXPECT_TRUE(system->GetActive().empty());
  system->spawnRate = std::nanf("");
  system->Update(Frame);
  system->spawnRate = INFINITY;
  system->Update(Frame);
  // An infinite rate asks for more than the pool holds: the pool fills and no more.
  EXPECT_EQ(system->GetActive().size(), system->GetPool().size());
}

TEST_F(ParticleSystemTest, TheRingSpawnDrawsItsValuesInTheFixedOrder)
{
  ParticleSystem* system = MakeSystem({100, 50}, [](ParticleSystem& s) {
    s.initialSpawn = 1;
    s.offset = {5, 6};
  });
  ResetRandom();
  const float life = 1.0f + RandomUnit() * 9.0f;
  const float spin = RandomUnit();
  const float scale = 10.0f;
  RandomUnit();  // the scale's draw, between equal bounds
  const float radius = 30.0f + RandomUnit() * 10.0f;
  const float angle = RandomUnit() * 3.1415925f;
  const float speed = 1.0f + RandomUnit();
  const float direction = RandomUnit() * 6.283185f;

  ResetRandom();
  system->Reset();
  const Particle& particle = *system->GetActive()[0];
  EXPECT_FLOAT_EQ(particle.life, life);
  EXPECT_FLOAT_EQ(particle.angularVelocity, spin);
  EXPECT_FLOAT_EQ(particle.scale, scale);
  EXPECT_EQ(particle.angle, 0.0f);
  EXPECT_FLOAT_EQ(particle.position.x, 105.0f + radius * std::cos(angle));
  EXPECT_FLOAT_EQ(particle.position.y, 56.0f - radius * std::sin(angle));
  EXPECT_FLOAT_EQ(particle.velocity.x, speed * std::cos(direction));
  EXPECT_FLOAT_EQ(particle.velocity.y, -speed * std::sin(direction));
  // The last slot of the pool is the first one handed out.
  EXPECT_EQ(&particle, &system->GetPool().back());
}

TEST_F(ParticleSystemTest, LocalSystemsKeepPositionsRelativeToTheEmitter)
{
  ParticleSystem* world = MakeSystem({300, 0}, [](ParticleSystem& s) {
    s.initialSpawn = 1;
    s.spawnRate = 0.0f;
    s.spawnRandos = {0, 0, 0, 0};
    s.velocityMagnitudeMin = s.velocityMagnitudeMax = 0.0f;
  });
  EXPECT_EQ(world->GetActive()[0]->position, glm::vec2(300, 0));
  emitter->GetTransform()->SetPosition({0, 0});
  world->Update(Frame);
  EXPECT_EQ(world->GetActive()[0]->position, glm::vec2(300, 0));  // stays where it was spawned

  ParticleSystem* local = MakeSystem({300, 0}, [](ParticleSystem& s) {
    s.initialSpawn = 1;
    s.spawnRate = 0.0f;
    s.inWorldSpace = false;
    s.spawnRandos = {0, 0, 0, 0};
  });
  EXPECT_EQ(local->GetActive()[0]->position, glm::vec2(0, 0));
  emitter->GetTransform()->SetPosition({-200, 40});
  local->Update(Frame);
  EXPECT_EQ(local->GetEmitterPosition(), glm::vec2(-200, 40));  // the pass adds it when drawing
}

TEST_F(ParticleSystemTest, TheBoxSpawnPlacesParticlesInItsRectangle)
{
  ParticleSystem* system = nullptr;
  emitter = scene.MakeObject({100, 100}, "emitter");
  scene.Add<ParticleBoxSpawnModifier>(emitter)->OnAwake();  // it wakes first in the game's order
  system = scene.Add<ParticleSystem>(emitter);
  system->maxParticles = 200;
  system->initialSpawn = 200;
  system->offset = {0, 20};
  system->spawnRandos = {-50, 50, 0, 0};
  system->OnAwake();
  // Too early: the modifier found no system. Woken again after it, it installs the box spawn.
  scene.objects.back()->GetComponent<ParticleBoxSpawnModifier>()->OnAwake();
  system->Reset();
  float lowest = 1000;
  float highest = -1000;
  for (const Particle* particle : system->GetActive())
  {
    EXPECT_FLOAT_EQ(particle->position.y, 120.0f);
    lowest = std::min(lowest, particle->position.x);
    highest = std::max(highest, particle->position.x);
  }
  EXPECT_GE(lowest, 50.0f);
  EXPECT_LE(highest, 150.0f);
  EXPECT_GT(highest - lowest, 90.0f);
}

TEST_F(ParticleSystemTest, TheConvergingSpawnAimsAtTheOriginPoint)
{
  emitter = scene.MakeObject({10, 20}, "emitter");
  ParticleSystem* system = scene.Add<ParticleSystem>(emitter);
  system->spawnRandos = {0, 0, 100, 100};
  system->velocityDirAngleMin = system->velocityDirAngleMax = 0.0f;
  system->initialSpawn = 0;
  system->OnAwake();
  scene.Add<ParticleAInitFunc1>(emitter)->OnAwake();
  EXPECT_EQ(system->GetSpawnFunction(), &ConvergingSpawn);
  system->Spawn(1);
  const Particle& straight = *system->GetActive().back();
  EXPECT_EQ(straight.position, glm::vec2(110, 20));
  EXPECT_FLOAT_EQ(straight.velocity.x, -100.0f);
  EXPECT_NEAR(straight.velocity.y, 0.0f, 1e-4f);

  system->velocityDirAngleMin = system->velocityDirAngleMax = 1.5707964f;
  system->Spawn(1);
  const Particle& sideways = *system->GetActive().back();
  EXPECT_NEAR(sideways.velocity.x, 0.0f, 1e-3f);
  EXPECT_FLOAT_EQ(sideways.velocity.y, 100.0f);
  // The replacement outlives a reset.
  system->Reset();
  EXPECT_EQ(system->GetSpawnFunction(), &ConvergingSpawn);
}

TEST_F(ParticleSystemTest, AModifierWithoutASystemWarnsOnce)
{
  CapturedLog output;
  Handle<GameObject> lonely = scene.MakeObject({0, 0}, "lonely");
  auto* modifier = scene.Add<ParticleAInitFunc1>(lonely);
  modifier->OnAwake();
  modifier->OnAwake();
  EXPECT_EQ(output.CountOf("[WARNING] ParticleAInitFunc1 of \"lonely\": no ParticleSystem"), 1u);
}

TEST_F(ParticleSystemTest, MembersAreReflectedInFileOrderAndCopiesStartWithTheirOwnPool)
{
  ParticleSystem* system = MakeSystem({0, 0}, [](ParticleSystem& s) { s.maxParticles = 7; });
  std::vector<MemberBase*> members;
  system->GetMembers(members);
  const char* const names[] = {"maxParticles", "texture", "inWorldSpace", "blendMode", "ageMax", "ageMin",
                               "spawnRate", "initialSpawn", "scaleMin", "scaleMax", "scaleRate",
                               "lerpColorsInHSV", "color1", "color2", "color3", "offset", "spawnRandos",
                               "velocityMagnitudeMin", "velocityMagnitudeMax", "velocityDirAngleMin",
                               "velocityDirAngleMax", "layer", "angularVelocityMin", "angularVelocityMax"};
  ASSERT_EQ(members.size(), 24u);
  for (std::size_t i = 0; i < members.size(); ++i)
    EXPECT_EQ(members[i]->GetName(), names[i]);
  for (MemberBase* member : members)
    EXPECT_EQ(member->HasChanged(), member->GetName() == "maxParticles") << member->GetName();
  Members::Clear(members);

  auto* copy = MemoryManager::New<ParticleSystem>(BRINDLE_SITE);
  *copy = *system;
  EXPECT_EQ(copy->maxParticles, 7u);
  EXPECT_TRUE(copy->GetPool().empty());
  copy->Reset();
  EXPECT_NE(copy->GetPool().data(), system->GetPool().data());
  MemoryManager::Delete(copy);
}

TEST_F(ParticleSystemTest, APoolSizeNoFrameCouldDrawIsRefusedNotAllocated)
{
  CapturedLog output;
  ParticleSystem* system = MakeSystem({0, 0}, [](ParticleSystem& s) {
    s.maxParticles = 4000000000u;
    s.initialSpawn = 3;
  });
  EXPECT_EQ(system->GetPool().size(), ParticleSystem::MaximumParticles);
  EXPECT_EQ(system->GetActive().size(), 3u);
  EXPECT_TRUE(output.Contains("[ERROR] ParticleSystem \"maxParticles\""));
}
