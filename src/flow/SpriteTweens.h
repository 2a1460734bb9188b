#pragma once
// The sprite setters the button animators drive through the ActionSystem, and the one call that
// starts such a record on a component's own object.
#include "flow/ActionSystem.h"
#include "object/Component.h"
#include "render/Sprite.h"

#include <glm/vec2.hpp>

namespace SpriteTweens
{
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
