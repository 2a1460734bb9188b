#include "render/ParticleFunctions.h"

#include "core/FileUtilities.h"
#include "platform/Random.h"
#include "render/ParticleSystem.h"

#include <cmath>

float RandomBetween(float a, float b)
{
  return a + RandomUnit() * (b - a);
}

void StandardParticleInit(Particle& particle, ParticleSystem& system)
{
  particle.life = RandomBetween(system.ageMin, system.ageMax);
  particle.angle = 0.0f;
  particle.angularVelocity = RandomBetween(system.angularVelocityMin, system.angularVelocityMax);
  particle.scale = RandomBetween(system.scaleMin, system.scaleMax);
  particle.color = system.color1;
}

namespace
{
// Speed, then direction; y runs against the angle as in the placement.
void LaunchParticle(Particle& particle, const ParticleSystem& system)
{
  const float speed = RandomBetween(system.velocityMagnitudeMin, system.velocityMagnitudeMax);
  const float direction = RandomBetween(system.velocityDirAngleMin, system.velocityDirAngleMax);
  particle.velocity = glm::vec2(speed * std::cos(direction), -speed * std::sin(direction));
}
}  // namespace

void RingSpawn(Particle& particle, ParticleSystem& system)
{
  StandardParticleInit(particle, system);
  const glm::vec4& randos = system.spawnRandos;
  const float radius = RandomBetween(randos.z, randos.w);
  const float angle = RandomBetween(randos.x, randos.y);
  particle.position = system.offset + system.GetOrigin() + glm::vec2(radius * std::cos(angle), -radius * std::sin(angle));
  LaunchParticle(particle, system);
}

void BoxSpawn(Particle& particle, ParticleSystem& system)
{
  StandardParticleInit(particle, system);
  const glm::vec4& randos = system.spawnRandos;
  const float x = RandomBetween(randos.x, randos.y);
  const float y = RandomBetween(randos.z, randos.w);
  particle.position = system.offset + system.GetOrigin() + glm::vec2(x, y);
  LaunchParticle(particle, system);
}

void ConvergingSpawn(Particle& particle, ParticleSystem& system)
{
  RingSpawn(particle, system);
  const glm::vec2 towardsOrigin = system.GetOrigin() - particle.position;
  const float turn = RandomBetween(system.velocityDirAngleMin, system.velocityDirAngleMax);
  const float cosine = std::cos(turn);
  const float sine = std::sin(turn);
  particle.velocity = glm::vec2(towardsOrigin.x * cosine + towardsOrigin.y * sine,
                                -towardsOrigin.x * sine + towardsOrigin.y * cosine);
}

void StandardParticleUpdate(Particle& particle, ParticleSystem& system, float dt)
{
  particle.life -= dt;
  particle.angle += particle.angularVelocity * dt;
  particle.scale *= 1.0f - system.scaleRate * dt;
  const float t = particle.life / system.ageMax;
  if (system.lerpColorsInHSV)
    LerpColorsInHSV(system.color1, system.color2, system.color3, particle.color, t);
  else
    LerpColors(system.color1, system.color2, system.color3, particle.color, t);
  particle.position += particle.velocity * dt;
}
