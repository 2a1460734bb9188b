#include "render/RandExplosionSprite.h"

#include "object/GameObject.h"
#include "platform/Random.h"
#include "render/Sprite.h"

const std::array<const char*, 4> RandExplosionSprite::Pictures = {"explosion_01", "explosion_02", "explosion_03",
                                                                  "explosion_04"};

RandExplosionSprite::RandExplosionSprite() : Component(TypeId) {}

RandExplosionSprite::~RandExplosionSprite() = default;

void RandExplosionSprite::OnAwake()
{
  GameObject* object = GetGameObject();
  if (object == nullptr)
    return;
  // This component may wake before the sprite has made itself the object's sprite.
  Sprite* sprite = object->GetSprite() != nullptr ? object->GetSprite() : object->GetComponent<Sprite>();
  if (sprite == nullptr)
  {
    missingSprite.Report(*this, "Sprite", "choosing the explosion picture");
    return;
  }
  sprite->SetSource(Pictures[static_cast<std::size_t>(Random()) % Pictures.size()]);
}
