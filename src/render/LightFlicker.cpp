#include "render/LightFlicker.h"

#include "core/EventManager.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "render/PointLight.h"

#include <cmath>


LightFlicker::LightFlicker() : Component(TypeId) {}

float LightFlicker::Factor(float seconds) const
{
  // The products are single precision, the sines double, the sum single again.
  const float first = firstFrequency * seconds;
  const float second = secondFrequency * seconds;
  return static_cast<float>(std::sin(static_cast<double>(first)) + std::sin(static_cast<double>(second))) * 0.25f + 1.0f;
}

void LightFlicker::OnAwake()
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  SubscribeOnSpace<UpdateEvent>(this);
  light = object->GetComponent<PointLight>();
  if (light != nullptr)
    baseColor = light->color;
}

void LightFlicker::On(UpdateEvent* event)
{
  if (light == nullptr)
  {
    missingLight.Report(*this, "PointLight", "flickering");
    return;
  }
  light->color = baseColor * Factor(event->loopTime);
}
