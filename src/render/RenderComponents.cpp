#include "render/RenderComponents.h"

#include "render/Camera.h"
#include "render/Light.h"
#include "render/LightFlicker.h"
#include "render/MouseWorldTracker.h"
#include "render/ParticleAInitFunc1.h"
#include "render/ParticleBoxSpawnModifier.h"
#include "render/ParticleSystem.h"
#include "render/PointLight.h"
#include "render/PulseAndRise.h"
#include "render/RandExplosionSprite.h"
#include "render/Sprite.h"
#include "render/TextToSprite.h"
#include "render/TimedHide.h"

void RegisterRenderComponents(ComponentFactoryMap& factories)
{
  AddComponentFactory<PointLight>(factories);
  AddComponentFactory<LightFlicker>(factories);
  AddComponentFactory<Light>(factories);
  AddComponentFactory<ParticleSystem>(factories);
  AddComponentFactory<ParticleAInitFunc1>(factories);
  AddComponentFactory<ParticleBoxSpawnModifier>(factories);
  AddComponentFactory<Camera>(factories);
  AddComponentFactory<Sprite>(factories);
  AddComponentFactory<TextToSprite>(factories);
  AddComponentFactory<PulseAndRise>(factories);
  AddComponentFactory<RandExplosionSprite>(factories);
  AddComponentFactory<MouseWorldTracker>(factories);
  AddComponentFactory<TimedHide>(factories);
}
