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
  AddComponentFactory<PointLight>(factories, "PointLight");
  AddComponentFactory<LightFlicker>(factories, "LightFlicker");
  AddComponentFactory<Light>(factories, "Light");
  AddComponentFactory<ParticleSystem>(factories, "ParticleSystem");
  AddComponentFactory<ParticleAInitFunc1>(factories, "ParticleAInitFunc1");
  AddComponentFactory<ParticleBoxSpawnModifier>(factories, "ParticleBoxSpawnModifier");
  AddComponentFactory<Camera>(factories, "Camera");
  AddComponentFactory<Sprite>(factories, "Sprite");
  AddComponentFactory<TextToSprite>(factories, "TextToSprite");
  AddComponentFactory<PulseAndRise>(factories, "PulseAndRise");
  AddComponentFactory<RandExplosionSprite>(factories, "RandExplosionSprite");
  AddComponentFactory<MouseWorldTracker>(factories, "MouseWorldTracker");
  AddComponentFactory<TimedHide>(factories, "TimedHide");
}
