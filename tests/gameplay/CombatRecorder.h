#pragma once
// Logs the events a combat test watches, in delivery order, as "<name> <what>", and runs what a
// controller would run in the space's update (after the physics, before the queue).
#include "core/EventManager.h"
#include "core/Listener.h"
#include "gameplay/combat/CombatEvents.h"
#include "gameplay/items/ItemEvents.h"
#include "gameplay/weapons/WeaponEvents.h"
#include "object/FrameEvents.h"
#include "object/GameObject.h"
#include "object/ObjectEvents.h"
#include "object/Space.h"
#include "render/CameraEvents.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

class CombatRecorder : public Listener
{
public:
  CombatRecorder() : Listener(EventManager::Instance()->GetNewListenerId()) {}

  template <typename E>
  void Watch(std::uint32_t channel, const std::string& name)
  {
    names[channel] = name;
    EventManager::Instance()->Subscribe<CombatRecorder, E>(this, channel);
  }

  void On(DiedEvent* event) { Add("died", event); }
  void On(ReloadStart* event) { Add("reload start", event); }
  void On(ReloadEnd* event) { Add("reload end", event); }
  void On(EquipEvent* event) { Add("equip", event); }
  void On(DequipEvent* event) { Add("dequip", event); }
  void On(TeamChangeEvent* event) { Add("team " + std::to_string(event->team), event); }
  void On(ShakeEvent* event) { Add("shake " + std::to_string(event->intensity).substr(0, 4), event); }
  void On(GameObjectDestroyedEvent* event) { Add("destroyed", event); }
  void On(HealthChangedEvent* event)
  {
    const auto text = [](float value) { return std::to_string(static_cast<int>(value)); };
    Add(text(event->previousHitpoints) + "->" + text(event->newHitpoints) + "/" + text(event->maxHitpoints), event);
  }

  // What a controller would do in the space's update, after the physics and before the queue.
  void On(UpdateEvent*)
  {
    if (duringUpdate)
      duringUpdate();
  }

  std::vector<std::string> TakeLog() { return std::exchange(log, {}); }

  std::function<void()> duringUpdate;

  std::map<std::uint32_t, std::string> names;
  std::vector<std::string> log;

private:
  void Add(const std::string& what, Event* event) { log.push_back(names[event->GetChannel()] + " " + what); }
};

// The live objects of a space made from that prefab.
inline std::size_t CountPrefab(Space& space, const std::string& prefab)
{
  std::size_t count = 0;
  for (const auto& [id, object] : space.GetObjectsById())
    count += object && object->GetPrefabName() == prefab ? 1 : 0;
  return count;
}
