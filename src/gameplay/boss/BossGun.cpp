#include "gameplay/boss/BossGun.h"

#include "object/GameObject.h"
#include "object/Members.h"
#include "object/Transform.h"

#include <cmath>

void BossGun::GetMembers(std::vector<MemberBase*>& members)
{
  Members::AddMember(members, "shots", &shots, RenderInt, 0);
  Members::AddMember(members, "sprayArc", &sprayArc, RenderFloat, 2.6179938f);
  Gun::GetMembers(members);
}

void BossGun::On(UseEvent*)
{
  if (CanShoot())
    SpreadShoot();
}

void BossGun::SpreadShoot()
{
  fireCountdown = fireCooldown;
  // "shots" of 0 or 1 makes an empty fan.
  const int half = shots / 2;
  const float step = half > 0 ? sprayArc / static_cast<float>(shots) : 0.0f;
  const glm::vec2 base = MuzzleVelocity();
  const auto fire = [this](float angle, glm::vec2 start) {
    // The velocity turns by -angle while the projectile's picture turns by +angle.
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const Handle<GameObject> projectile = MakeProjectile(glm::vec2(c * start.x + s * start.y, -s * start.x + c * start.y), ProjectileName);
    GameObject* made = projectile.Get();
    GameObject* gun = GetGameObject();
    if (made != nullptr && made->GetTransform() != nullptr && gun != nullptr && gun->GetTransform() != nullptr)
      made->GetTransform()->SetWorldRotation(gun->GetTransform()->GetWorldRotation() + angle);
  };
  for (int index = 0; index < half; ++index)
  {
    glm::vec2 start = base;
    ApplySpread(start);
    fire(-static_cast<float>(index) * step, start);
  }
  for (int index = 1; index < half; ++index)
    fire(static_cast<float>(index) * step, base);
  ShakeCamera();
  fireSound.Play();
}
