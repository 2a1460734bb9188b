#include "render/ParticleSystem.h"

#include "core/EventManager.h"
#include "core/Log.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Space.h"
#include "object/Transform.h"
#include "render/Graphics.h"
#include "render/ParticleEditorButton.h"
#include "render/ResourceManagerTwo.h"

#include <algorithm>

ParticleSystem::ParticleSystem() : Component(TypeId) {}

void ParticleSystem::RenderEditorButtons()
{
  if (ParticleEditorButton("Reset ParticleSystem"))
    Reset();
}

void ParticleSystem::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "maxParticles", &maxParticles, RenderUnsigned, 100u);
  Members::AddMember(members, "texture", &texture, RenderString, std::string(ResourceManagerTwo::DefaultTexture));
  Members::AddMember(members, "inWorldSpace", &inWorldSpace, RenderBool, true);
  Members::AddMember(members, "blendMode", &blendMode, RenderInt, 0);
  Members::AddMember(members, "ageMax", &ageMax, RenderFloat, 10.0f);
  Members::AddMember(members, "ageMin", &ageMin, RenderFloat, 1.0f);
  Members::AddMember(members, "spawnRate", &spawnRate, RenderFloat, 10.0f);
  Members::AddMember(members, "initialSpawn", &initialSpawn, RenderInt, 5);
  Members::AddMember(members, "scaleMin", &scaleMin, RenderFloat, 10.0f);
  Members::AddMember(members, "scaleMax", &scaleMax, RenderFloat, 10.0f);
  Members::AddMember(members, "scaleRate", &scaleRate, RenderFloat, 0.0f);
  Members::AddMember(members, "lerpColorsInHSV", &lerpColorsInHSV, RenderBool, false);
  Members::AddMember(members, "color1", &color1, RenderColor, fColor(1, 0, 0, 1));
  Members::AddMember(members, "color2", &color2, RenderColor, fColor(0, 1, 0, 1));
  Members::AddMember(members, "color3", &color3, RenderColor, fColor(0, 0, 1, 1));
  Members::AddMember(members, "offset", &offset, RenderVec2, glm::vec2(0.0f, 0.0f));
  Members::AddMember(members, "spawnRandos", &spawnRandos, RenderVec4, glm::vec4(0.0f, 3.1415925f, 30.0f, 40.0f));
  Members::AddMember(members, "velocityMagnitudeMin", &velocityMagnitudeMin, RenderFloat, 1.0f);
  Members::AddMember(members, "velocityMagnitudeMax", &velocityMagnitudeMax, RenderFloat, 2.0f);
  Members::AddMember(members, "velocityDirAngleMin", &velocityDirAngleMin, RenderAngle, 0.0f);
  Members::AddMember(members, "velocityDirAngleMax", &velocityDirAngleMax, RenderAngle, 6.283185f);
  Members::AddMember(members, "layer", &layer, RenderString, std::string(FallbackLayer));
  Members::AddMember(members, "angularVelocityMin", &angularVelocityMin, RenderFloat, 0.0f);
  Members::AddMember(members, "angularVelocityMax", &angularVelocityMax, RenderFloat, 1.0f);
}

void ParticleSystem::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
  SubscribeOnSpace<DrawEvent>(this);
  FollowEmitter();
  Reset();
}

void ParticleSystem::FollowEmitter()
{
  GameObject* object = GetGameObject();
  Transform* transform = object != nullptr ? object->GetTransform() : nullptr;
  if (transform != nullptr)
    emitterPosition = transform->GetWorldPosition();
  originAtEmitter = inWorldSpace;
}

void ParticleSystem::Reset()
{
  originAtEmitter = inWorldSpace;
  // The pool is sized from level data; a value no system could draw is refused, not allocated.
  if (maxParticles > MaximumParticles)
  {
    LogError("ParticleSystem \"maxParticles\" ", maxParticles, " is more than ", MaximumParticles, "; using ",
             MaximumParticles, ".");
    maxParticles = MaximumParticles;
  }
  Particle blank;
  particles.resize(maxParticles, blank);
  live.assign(particles.size(), 0);
  active.clear();
  freeList.clear();
  freeList.reserve(particles.size());
  active.reserve(particles.size());
  for (Particle& slot : particles)
  {
    freeList.push_back(&slot);
    slot.color = fColor(0, 0, 0, 0);
  }

  // Before the resource list is read (the start-up self-check, tests without pictures) there is
  // nothing to look up and nothing missing.
  if (!ResourceManagerTwo::GetAtlasRegions().empty())
  {
    const std::string& picture =
        ResourceManagerTwo::HasTexture(texture) ? texture : std::string(ResourceManagerTwo::DefaultTexture);
    const AtlasRegion& region = ResourceManagerTwo::ResolveTextureName(picture, false);
    std::copy(region.firstFrame, region.firstFrame + 4, textureRect);
  }

  // The layer is looked up with the renderer of the next draw.
  layerStale = true;
  Spawn(initialSpawn > 0 ? static_cast<unsigned>(initialSpawn) : 0u);
}

void ParticleSystem::Spawn(unsigned count)
{
  for (unsigned i = 0; i < count && !freeList.empty(); ++i)
  {
    Particle* particle = freeList.back();
    freeList.pop_back();
    spawnFunction(*particle, *this);
    active.push_back(particle);
    live[static_cast<std::size_t>(particle - particles.data())] = 1;
  }
}

void ParticleSystem::On(UpdateEvent* event)
{
  Update(event->dt);
}

void ParticleSystem::Update(float dt)
{
  FollowEmitter();
  accumulator += dt;
  // A rate of zero or below, or one that is not a number, asks for nothing; converting such a
  // value to unsigned would be undefined.
  const float wanted = spawnRate * accumulator;
  const unsigned count = wanted >= 1.0f ? static_cast<unsigned>(std::min(wanted, 4294967040.0f)) : 0u;
  Spawn(count);
  if (spawnRate > 0.000001f)
    accumulator -= static_cast<float>(count) / spawnRate;
  RetireDead();
  for (Particle* particle : active)
    updateFunction(*particle, *this, dt);
}

void ParticleSystem::RetireDead()
{
  std::size_t kept = 0;
  for (Particle* particle : active)
  {
    if (particle->life < 0.0f)
    {
      particle->color = fColor(0, 0, 0, 0);
      freeList.push_back(particle);
      live[static_cast<std::size_t>(particle - particles.data())] = 0;
    }
    else
    {
      active[kept++] = particle;
    }
  }
  active.resize(kept);
}

void ParticleSystem::CopyLive(std::vector<Particle>& out) const
{
  out.clear();
  out.reserve(active.size());
  for (std::size_t slot = 0; slot < particles.size(); ++slot)
    if (live[slot] != 0)
      out.push_back(particles[slot]);
}

void ParticleSystem::ResolveLayer(Graphics::Graphics& renderer)
{
  if (!layerStale && target.IsCurrent(renderer))
    return;
  if (!target.IsCurrent(renderer))
    layerRecord = nullptr;
  if (Graphics::Layer* found = renderer.GetLayer(layer))
    layerRecord = found;
  // A name that was never found leaves a fresh system on the particles' own layer.
  if (layerRecord == nullptr)
    layerRecord = renderer.GetLayer(FallbackLayer);
  layerStale = false;
}

void ParticleSystem::On(DrawEvent* event)
{
  if (event->renderer == nullptr)
    return;
  GameObject* object = GetGameObject();
  Space* space = object != nullptr ? object->GetSpace() : nullptr;
  if (space == nullptr)
    return;
  Graphics::Graphics& renderer = *event->renderer;
  ResolveLayer(renderer);
  drawnSpace = space;
  // The record is a pointer to the system, as wide as pointers are here.
  if (InstanceBuffer* buffer = target.Get(renderer, layerRecord, "ParticleSystemPass", space))
    Graphics::Graphics::File(*buffer, this);
}
