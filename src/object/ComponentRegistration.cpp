#include "object/ComponentRegistration.h"

#include "object/ComponentFactory.h"
#include "platform/Assert.h"

#include <algorithm>
#include <utility>

// One include and one X(Name) per built component class.
#include "audio/ClickSound.h"
#include "audio/LoopSound.h"
#include "input/MouseWorldTracker.h"
#include "object/ChildSpawner.h"
#include "object/Registerer.h"
#include "object/TimedDestruction.h"
#include "object/TimedHide.h"
#include "object/Transform.h"
#include "physics/CircleCollider.h"
#include "physics/MapBoundingColliders.h"
#include "physics/RayCastTest.h"
#include "physics/RectangleCollider.h"
#include "physics/Rigidbody.h"
#include "physics/RotationLock.h"
#include "physics/TriggerRegion.h"
#include "render/Camera.h"
#include "render/FlickerOnDeath.h"
#include "render/Light.h"
#include "render/LightFlicker.h"
#include "render/ParticleAInitFunc1.h"
#include "render/ParticleBoxSpawnModifier.h"
#include "render/ParticleSystem.h"
#include "render/PointLight.h"
#include "render/PulseAndRise.h"
#include "render/RandExplosionSprite.h"
#include "render/Sprite.h"
#include "render/TextToSprite.h"

#define BRINDLE_BUILT_COMPONENTS(X) \
  X(Transform) \
  X(LoopSound) \
  X(ClickSound) \
  X(Rigidbody) \
  X(RectangleCollider) \
  X(CircleCollider) \
  X(RotationLock) \
  X(RayCastTest) \
  X(MapBoundingColliders) \
  X(TriggerRegion) \
  X(ChildSpawner) \
  X(Registerer) \
  X(PointLight) \
  X(LightFlicker) \
  X(Light) \
  X(ParticleSystem) \
  X(ParticleAInitFunc1) \
  X(ParticleBoxSpawnModifier) \
  X(Camera) \
  X(Sprite) \
  X(TimedDestruction) \
  X(TimedHide) \
  X(FlickerOnDeath) \
  X(TextToSprite) \
  X(PulseAndRise) \
  X(RandExplosionSprite) \
  X(MouseWorldTracker)

namespace
{
using FactoryEntry = std::pair<std::uint32_t, ComponentFactory*>;

template <typename T>
void AddFactory(std::vector<FactoryEntry>& entries, const char* className)
{
  // A class whose type constant points at another row would be filed under the wrong name.
  BRINDLE_CHECK(ComponentList::NameOf(T::TypeId) == std::string(className),
                std::string("Component: ") + className + " has the type constant of \"" +
                    ComponentList::NameOf(T::TypeId) + "\"");
  entries.emplace_back(T::TypeId, new DerivedComponentFactory<T>());
}

std::vector<FactoryEntry> MakeFactories()
{
  std::vector<FactoryEntry> entries;
#define BRINDLE_ADD_FACTORY(Name) AddFactory<Name>(entries, #Name);
  BRINDLE_BUILT_COMPONENTS(BRINDLE_ADD_FACTORY)
#undef BRINDLE_ADD_FACTORY
  std::stable_sort(entries.begin(), entries.end(),
                   [](const FactoryEntry& first, const FactoryEntry& second) { return first.first < second.first; });
  return entries;
}
}  // namespace

void RegisterComponentFactories(ComponentFactoryMap& factories)
{
  for (const auto& [typeId, factory] : MakeFactories())
  {
    const auto [position, inserted] = factories.emplace(ComponentList::NameOf(typeId), factory);
    if (!inserted)
    {
      BRINDLE_CHECK(false, std::string("Component: ") + ComponentList::NameOf(typeId) + " is registered twice");
      delete factory;
    }
  }
}

std::vector<std::uint32_t> ComponentTypesWithoutClass()
{
  std::vector<std::uint32_t> built;
#define BRINDLE_BUILT_ID(Name) built.push_back(Name::TypeId);
  BRINDLE_BUILT_COMPONENTS(BRINDLE_BUILT_ID)
#undef BRINDLE_BUILT_ID
  std::vector<std::uint32_t> missing;
  for (std::uint32_t id = 0; id < ComponentTypeCount; ++id)
  {
    if (std::find(built.begin(), built.end(), id) == built.end())
      missing.push_back(id);
  }
  return missing;
}
