#include "render/PulseAndRise.h"

#include "core/EventManager.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/Space.h"
#include "object/Transform.h"

#include <cmath>

PulseAndRise::PulseAndRise() : Component(TypeId) {}

PulseAndRise::~PulseAndRise() = default;

void PulseAndRise::OnAwake()
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  SubscribeOnSpace<UpdateEvent>(this);
  transform = object->GetTransform();
  if (transform != nullptr)
    baseScale = transform->GetScale().x;
}

void PulseAndRise::On(UpdateEvent* event)
{
  if (transform == nullptr)
  {
    missingTransform.Report(*this, "Transform", "pulsing and rising");
    return;
  }
  const float dt = event->dt;
  elapsed += dt;
  const float size = baseScale * std::sin(elapsed * Frequency / period);
  transform->SetScale(glm::vec2(size, size));
  const glm::vec2 position = transform->GetWorldPosition();
  transform->SetWorldPosition(position.x, position.y + dt * RiseSpeed);
}
