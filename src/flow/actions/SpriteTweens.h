#pragma once
// What the interface's components do to their object's sprite: find it, set its transparency, and
// drive it through the ActionSystem with the setters below.
#include "flow/actions/ActionSystem.h"
#include "object/Component.h"
#include "object/GameObject.h"
#include "render/Sprite.h"

#include <glm/vec2.hpp>

namespace SpriteTweens
{
// The Sprite of the component's object, or null: the components that use it then do nothing.
inline Sprite* SpriteOf(const Component& component)
{
  const GameObject* object = component.GetGameObject();
  return object != nullptr ? object->GetComponent<Sprite>() : nullptr;
}

// Keeps the colour, sets the alpha.
inline void SetAlpha(Sprite& sprite, float alpha)
{
  fColor color = sprite.GetColor();
  color.a = alpha;
  sprite.SetColor(color);
}

inline void Scale(Sprite& sprite, const glm::vec2& scale)
{
  sprite.SetScale(scale.x, scale.y);
}

inline void Offset(Sprite& sprite, const glm::vec2& offset)
{
  sprite.SetOffset(offset.x, offset.y);
}

inline void Color(Sprite& sprite, const fColor& color)
{
  sprite.SetColor(color);
}

// A record on the owner of `animator` that moves the sprite from `from` to `to`; nothing without
// a published ActionSystem.
template <typename V>
void Tween(const Component& animator, Sprite& sprite, void (*setter)(Sprite&, const V&), const V& from, const V& to,
           float duration)
{
  if (ActionSystem::ActionSystem* actions = ActionSystem::ActionSystem::Instance())
    actions->AddSetter(animator.GetOwner(), &sprite, setter, from, to, duration);
}
}  // namespace SpriteTweens
