#pragma once
// The component behind every particle effect. It owns a fixed pool of particles sized by
// "maxParticles": each update it spawns at "spawnRate" (the fraction of a particle left over is
// carried to the next update), retires the particles whose life has run out and advances the
// rest through its update function; each drawn frame it files itself with the particle pass on
// its layer, which draws its live particles at once.
//
// The spawn and update functions are replaceable (ParticleFunctions.h); they stay as set across
// Reset.
#include "core/fColor.h"
#include "object/Component.h"
#include "render/InstanceTarget.h"
#include "render/Particle.h"
#include "render/ParticleFunctions.h"
#include "render/ResourceManagerTwo.h"

#include <glm/vec2.hpp>
#include <glm/vec4.hpp>

#include <string>
#include <vector>

class DrawEvent;
class Space;
class UpdateEvent;

namespace Graphics
{
class Graphics;
struct Layer;
}  // namespace Graphics

class ParticleSystem : public Component
{
public:
  // More than any frame could draw; a larger "maxParticles" in data is an error.
  static constexpr unsigned MaximumParticles = 1000000;

  static constexpr std::uint32_t TypeId = COMP_ParticleSystem;
  static constexpr const char* FallbackLayer = "DL_PARTICLES";

  ParticleSystem();
  ParticleSystem& operator=(const ParticleSystem&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  // "Reset ParticleSystem", which starts the particles afresh.
  void RenderEditorButtons() override;
  void On(UpdateEvent* event);
  void On(DrawEvent* event);

  // Rebuilds the pool (every slot free) and spawns "initialSpawn" particles.
  void Reset();
  // Spawns up to `count` particles, fewer when the pool runs out.
  void Spawn(unsigned count);
  // One update without the event: spawn, retire, advance.
  void Update(float dt);

  // The point spawning adds to positions: the emitter in world space, else (0, 0).
  glm::vec2 GetOrigin() const { return originAtEmitter ? emitterPosition : glm::vec2(0.0f, 0.0f); }
  glm::vec2 GetEmitterPosition() const { return emitterPosition; }
  const std::vector<Particle>& GetPool() const { return particles; }
  const std::vector<Particle*>& GetActive() const { return active; }
  // Replaces `out` with copies of the live particles in pool order (the order they are drawn in).
  void CopyLive(std::vector<Particle>& out) const;
  std::size_t FreeCount() const { return freeList.size(); }
  float GetAccumulator() const { return accumulator; }
  const float* GetTextureRect() const { return textureRect; }
  // The layer the system draws on; null until it has been drawn once.
  Graphics::Layer* GetLayer() const { return layerRecord; }
  // The space the system was last filed for; the particle pass asks its camera.
  Space* GetDrawnSpace() const { return drawnSpace; }

  void SetSpawnFunction(ParticleSpawnFunction function) { spawnFunction = function; }
  void SetUpdateFunction(ParticleUpdateFunction function) { updateFunction = function; }
  ParticleSpawnFunction GetSpawnFunction() const { return spawnFunction; }
  ParticleUpdateFunction GetUpdateFunction() const { return updateFunction; }

  // Reflected members, in declaration order of the record; see GetMembers for the file order.
  std::string texture = ResourceManagerTwo::DefaultTexture;
  int blendMode = 0;  // 1 multiply, 2 add, anything else alpha blending
  bool lerpColorsInHSV = false;
  bool inWorldSpace = true;
  std::string layer = FallbackLayer;
  float ageMax = 10.0f;
  float ageMin = 1.0f;
  float spawnRate = 10.0f;  // particles per second
  int initialSpawn = 5;
  std::uint32_t maxParticles = 100;
  float scaleMin = 10.0f;
  float scaleMax = 10.0f;
  float scaleRate = 0.0f;
  fColor color1{1, 0, 0, 1};
  fColor color2{0, 1, 0, 1};
  fColor color3{0, 0, 1, 1};
  glm::vec2 offset{0.0f, 0.0f};
  glm::vec4 spawnRandos{0.0f, 3.1415925f, 30.0f, 40.0f};  // one float step below pi
  float velocityMagnitudeMin = 1.0f;
  float velocityMagnitudeMax = 2.0f;
  float velocityDirAngleMin = 0.0f;
  float velocityDirAngleMax = 6.283185f;  // one float step below 2 pi
  float angularVelocityMin = 0.0f;
  float angularVelocityMax = 1.0f;

private:
  void FollowEmitter();
  void RetireDead();
  void ResolveLayer(Graphics::Graphics& renderer);

  // The pool and its lists point into one object; a copy fills its own on Reset.
  Transient<std::vector<Particle>> particles;
  Transient<std::vector<Particle*>> freeList;
  Transient<std::vector<Particle*>> active;  // in spawn order
  Transient<std::vector<std::uint8_t>> live;  // per pool slot: 1 while the slot holds a live particle
  float textureRect[4] = {0, 0, 0, 0};
  float accumulator = 0.0f;  // seconds of spawning not yet turned into particles
  bool originAtEmitter = true;
  glm::vec2 emitterPosition{0.0f, 0.0f};
  Transient<Graphics::Layer*> layerRecord = nullptr;  // found with the renderer of the target's buffer
  bool layerStale = true;                              // "layer" is looked up again on the next draw
  Transient<Graphics::InstanceTarget> target;
  Transient<Space*> drawnSpace = nullptr;
  ParticleUpdateFunction updateFunction = &StandardParticleUpdate;
  ParticleSpawnFunction spawnFunction = &RingSpawn;
};
