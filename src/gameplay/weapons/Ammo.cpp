#include "gameplay/weapons/Ammo.h"

#include "core/Log.h"
#include "object/GameObject.h"
#include "object/Members.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace
{
// Sets a value that is not a number, or not in its range, back to its default, saying so once
// per prefab and member.
void Refuse(const GameObject* object, const std::string& member, float& value, float fallback)
{
  const std::string prefab = object != nullptr ? object->GetPrefabName() : std::string();
  LogOnce("Ammo " + prefab + " " + member, LogLevel::Error, "Ammo of \"", prefab, "\": \"", member, "\" is ", value,
          "; it is set to ", fallback, ".");
  value = fallback;
}
}  // namespace

Ammo::Ammo() : Component(TypeId)
{
  for (std::size_t index = 0; index < TypeCount; ++index)
    records[index].type = static_cast<AmmoType>(index);
}

std::size_t Ammo::Index(AmmoType type)
{
  // Every caller names a real type; a count or cast value beyond them reads the last record.
  return std::min(static_cast<std::size_t>(type), TypeCount - 1);
}

void Ammo::OnAwake()
{
  const Record defaults;
  for (Record& record : records)
  {
    const std::string name = EnumName(record.type);
    if (!(record.maxAmmo >= 0.0f) || std::isinf(record.maxAmmo))
      Refuse(GetGameObject(), "maxAmmo_" + name, record.maxAmmo, defaults.maxAmmo);
    if (!(record.conversion > 0.0f) || std::isinf(record.conversion))
      Refuse(GetGameObject(), "conversion_" + name, record.conversion, defaults.conversion);
    if (!std::isfinite(record.ammo))
      Refuse(GetGameObject(), "ammo_" + name, record.ammo, defaults.ammo);
  }
}

void Ammo::GetMembers(std::vector<MemberBase*>& members)
{
  for (Record& record : records)
  {
    const std::string name = EnumName(record.type);
    Members::AddMember(members, "maxAmmo_" + name, &record.maxAmmo, RenderFloat, 200.0f);
    Members::AddMember(members, "ammo_" + name, &record.ammo, RenderFloat, 0.0f);
    Members::AddMember(members, "conversion_" + name, &record.conversion, RenderFloat, 1.0f);
    Members::AddMember(members, "infinite_" + name, &record.infinite, RenderBool, false);
  }
}

void Ammo::SetAmmo(AmmoType type, float value)
{
  Record& record = At(type);
  record.ammo = std::min(value, record.maxAmmo);
}

float Ammo::AddAmmo(std::vector<AmmoType> types, float points)
{
  float remaining = points;
  while (!types.empty() && remaining > Epsilon)
  {
    const float share = remaining / static_cast<float>(types.size());
    float leftover = 0.0f;
    for (std::size_t index = 0; index < types.size();)
    {
      Record& record = At(types[index]);
      const float filled = record.ammo + share / record.conversion;
      const float overflow = filled > record.maxAmmo ? filled - record.maxAmmo : 0.0f;
      record.ammo = std::min(filled, record.maxAmmo);
      leftover += overflow * record.conversion;
      // A full type leaves the list, however little it handed back: kept, a type that returns
      // only a thousandth of a point would be offered the same share for ever.
      if (overflow > 0.0f)
        types.erase(types.begin() + static_cast<std::ptrdiff_t>(index));
      else
        ++index;
    }
    const bool placedSome = leftover < remaining;
    remaining = leftover;
    if (!placedSome)
      break;
  }
  return remaining;
}
