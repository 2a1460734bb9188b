#include "gameplay/props/CircleAround.h"

#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "render/ParticleSystem.h"

#include <cmath>

void CircleAround::OnAwake()
{
  SubscribeOnSpace<UpdateEvent>(this);
}

void CircleAround::On(UpdateEvent* event)
{
  angle += angularSpeed * event->dt;
  GameObject* object = GetGameObject();
  if (ParticleSystem* particles = object != nullptr ? object->GetComponent<ParticleSystem>() : nullptr)
    particles->offset = glm::vec2(std::cos(angle) * radiusX, std::sin(angle) * radiusY);
}
