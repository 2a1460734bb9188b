#include "ai/enemies/SimpleBeamDrone.h"

#include "core/Send.h"
#include "gameplay/combat/CombatEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/ObjectEvents.h"
#include "object/Space.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/CollisionGroup.h"
#include "physics/PhysicsModule.h"
#include "physics/RectangleCollider.h"
#include "render/Sprite.h"

#include <cmath>

namespace
{
enum Phase
{
  Show,
  Extend,
  Sweep,
  Hold,
  Pause
};
}  // namespace

SimpleBeamDrone::~SimpleBeamDrone() = default;

void SimpleBeamDrone::OnAwake()
{
  GameObject* object = GetGameObject();
  Space* space = GetSpace();
  if (object == nullptr || space == nullptr)
    return;
  SubscribeOnOwner<DiedEvent>(this);
  SubscribeOnSpace<UpdateEvent>(this);
  const Transform* transform = object->GetTransform();
  beam = SpawnAt(BeamPrefab, space, transform != nullptr ? transform->GetWorldPosition() : glm::vec2(0.0f), "beam");
  LetSpaceDestroyOwner();
  if (EventManager* manager = EventManager::Instance(); manager != nullptr && beam.IsValid())
    manager->Subscribe<Space, GameObjectDestroyedEvent>(space, beam->GetId());
}

void SimpleBeamDrone::MeasureRange(glm::vec2 origin, float rotation)
{
  PhysicsModule* physics = PhysicsModule::Of(GetSpace());
  const glm::vec2 direction(std::cos(rotation), std::sin(rotation));
  if (physics != nullptr &&
      physics->RayCast(origin, direction, MaxReach, static_cast<std::uint32_t>(CollisionGroup::DETECT_WALLS), true,
                       rayResult, false))
    range = glm::length(rayResult.point - origin);
  else
    range = MaxReach;
}

void SimpleBeamDrone::ShowBeam(bool shown)
{
  GameObject* object = beam.Get();
  if (object == nullptr)
    return;
  if (Sprite* sprite = object->GetSprite())
    sprite->SetDraw(shown);
  if (RectangleCollider* collider = object->GetComponent<RectangleCollider>())
  {
    collider->SetActive(shown);
    if (!shown)
      collider->SetSize(1.0f, 1.0f);
  }
}

void SimpleBeamDrone::StretchBeam(float length)
{
  GameObject* object = beam.Get();
  if (object == nullptr)
    return;
  if (Sprite* sprite = object->GetSprite())
    sprite->SetScale(length / SpriteUnit, 1.0f);
  if (RectangleCollider* collider = object->GetComponent<RectangleCollider>())
    collider->SetSize(length, 1.0f);
}

void SimpleBeamDrone::PlaceBeam(glm::vec2 origin, float angle)
{
  if (Transform* transform = beam.IsValid() ? beam->GetTransform() : nullptr)
  {
    const glm::vec2 centre = origin + (StartOffset + beamLength * 0.5f) * glm::vec2(std::cos(angle), std::sin(angle));
    transform->SetWorldPosition(centre.x, centre.y);
  }
}

void SimpleBeamDrone::TurnTo(glm::vec2 origin, float angle)
{
  if (Transform* own = GetGameObject()->GetTransform())
    own->SetRotation(angle);
  if (Transform* transform = beam.IsValid() ? beam->GetTransform() : nullptr)
    transform->SetRotation(angle);
  PlaceBeam(origin, angle);
}

void SimpleBeamDrone::On(UpdateEvent* event)
{
  GameObject* object = GetGameObject();
  Transform* transform = object != nullptr ? object->GetTransform() : nullptr;
  if (transform == nullptr)
    return;
  const float dt = event->dt;
  const glm::vec2 origin = transform->GetWorldPosition();
  MeasureRange(origin, transform->GetRotation());
  switch (phase)
  {
    case Show:
      ShowBeam(true);
      phase = Extend;
      break;
    case Extend:
      if (timer < 1.0f)
      {
        timer += dt;
        beamLength = timer * range;
        PlaceBeam(origin, 0.0f);
        StretchBeam(beamLength);
      }
      else
      {
        phase = Sweep;
        timer = 0.0f;
      }
      break;
    case Sweep:
      if (beamLength != range)
      {
        beamLength = range;
        StretchBeam(beamLength);
      }
      if (timer < SweepEnd)
      {
        timer += dt * 0.5f;
        TurnTo(origin, timer * SweepRate);
      }
      else
      {
        timer = 1.0f;
        // Laid out along rotation 0 as well, so that the held beam still starts at the drone.
        TurnTo(origin, 0.0f);
        phase = Hold;
      }
      break;
    case Hold:
      if (timer > 0.0f)
      {
        timer -= dt;
      }
      else
      {
        ShowBeam(false);
        phase = Pause;
        timer = 0.0f;
      }
      break;
    default:
      if (timer < 1.0f)
      {
        timer += dt;
      }
      else
      {
        phase = Show;
        timer = 0.0f;
      }
      break;
  }
}

void SimpleBeamDrone::On(DiedEvent*)
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  Queue<GameObjectDestroyedEvent>(BRINDLE_SITE, object->GetId(), GetOwner());
  if (beam.IsValid())
  {
    Queue<GameObjectDestroyedEvent>(BRINDLE_SITE, beam->GetId(), beam);
    if (RectangleCollider* collider = beam->GetComponent<RectangleCollider>())
      collider->SetActive(false);
  }
}
