#include "gameplay/specials/SpecialDashLogic.h"

#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Spawning.h"
#include "object/Transform.h"
#include "physics/Rigidbody.h"
#include "render/Sprite.h"
#include "steering/Agent.h"

#include <cmath>
#include <glm/geometric.hpp>

namespace
{
// Shorter than this, the holder's motion has no direction to dash along.
constexpr float ShortestMotion = 1.1920929e-07f;
}  // namespace

void SpecialDashLogic::GetMembers(std::vector<MemberBase*>& members)
{
  AddCoolDownMember(members);
  Members::AddMember(members, "timeApplied", &timeApplied, RenderFloat, 0.5f);
  Members::AddMember(members, "forceApplied", &forceApplied, RenderFloat, 50000.0f);
  Members::AddMember(members, "forceDiminish", &forceDiminish, RenderFloat, 500.0f);
  Members::AddMember(members, "active", &active, RenderBool, false);
  AddCurrCoolDownMember(members);
}

void SpecialDashLogic::StartEffect()
{
  active = true;
  startTime = timeApplied;
  startForce = forceApplied;
  GameObject* body = holder.Get();
  const Rigidbody* rigidbody = body != nullptr ? body->GetComponent<Rigidbody>() : nullptr;
  const glm::vec2 motion = rigidbody != nullptr ? rigidbody->velocity : glm::vec2(0.0f, 0.0f);
  const float speed = glm::length(motion);
  if (speed < ShortestMotion || !std::isfinite(speed))
  {
    const float facing = FacingOf(body);
    direction = glm::vec2(std::cos(facing), std::sin(facing));
  }
  else
    direction = motion / speed;
}

void SpecialDashLogic::UpdateEffect(float dt)
{
  if (!active)
    return;
  if (timeApplied <= 0.0f)
  {
    // The members as the dash found them. (They used to be set to 0.5 s and 50000 whatever a
    // prefab had tuned them to.)
    effectTimer = 0.0f;
    active = false;
    timeApplied = startTime;
    forceApplied = startForce;
    return;
  }
  GameObject* body = holder.Get();
  if (effectTimer > 0.0f)
    effectTimer -= dt;
  else
  {
    effectTimer = TrailInterval;
    DropAfterImage(FacingOf(body));
  }
  timeApplied -= dt;
  if (Rigidbody* rigidbody = body != nullptr ? body->GetComponent<Rigidbody>() : nullptr)
    rigidbody->AddForce(direction.x * forceApplied, direction.y * forceApplied);
  forceApplied -= forceDiminish;
}

void SpecialDashLogic::DropAfterImage(float facing)
{
  GameObject* body = holder.Get();
  if (body == nullptr || body->GetTransform() == nullptr)
    return;
  const float cosine = std::cos(facing);
  const char* prefab = std::fabs(std::sin(facing)) <= std::fabs(2.0f * cosine) ? "dash_effect" : "dash_effect2";
  const Handle<GameObject> image = SpawnAt(prefab, body->GetSpace(), body->GetTransform()->GetWorldPosition());
  if (Sprite* sprite = image ? image->GetComponent<Sprite>() : nullptr)
  {
    if (cosine > 0.0f)
      sprite->SetFlipX(true);
  }
}
