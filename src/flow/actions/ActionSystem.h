#pragma once
// Timed setters. A record remembers a target object, a setter of one of its components, a start and
// an end value, a start time and a duration; once per game-loop frame it writes the linearly
// interpolated value through the setter until the time is up. It is the interface's only animation
// tool: the button animators scale, tint and slide sprites with it, and the loot display moves
// transforms.
//
// Usage, from a component (the owner's handle bounds the record's life):
//   if (auto* actions = ActionSystem::ActionSystem::Instance())
//     actions->AddSetter(GetOwner(), sprite, [](Sprite& s, const glm::vec2& v) { s.SetScale(v.x, v.y); },
//                        sprite->GetScale(), target, 0.25f);
// Any callable taking (T&, const V&) serves as the setter; V needs + , - and * float.
//
// The session owns the one system and steps it once per game-loop frame, between the space
// management and the physics, also while spaces are paused; the editor loop never steps it.
#include "core/Handle.h"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class GameObject;

namespace ActionSystem
{
class BaseRecord
{
public:
  BaseRecord(Handle<GameObject> recordTarget, float recordStartTime, float recordDuration)
      : target(std::move(recordTarget)), startTime(recordStartTime), duration(recordDuration)
  {
  }
  BaseRecord(const BaseRecord&) = delete;
  BaseRecord& operator=(const BaseRecord&) = delete;
  virtual ~BaseRecord() = default;

  // One step at the frame time `now` (seconds); sets done when the record has finished.
  virtual void Update(float now) = 0;

  bool IsDone() const { return done; }
  float GetStartTime() const { return startTime; }
  float GetDuration() const { return duration; }

protected:
  // How far along the record is at `now`: 1 and done once past the end. A duration that is not
  // positive (0 made in the same frame as the step would give 0 / 0) ends at once on the end value.
  float Progress(float now);

  bool done = false;
  Handle<GameObject> target;  // the setter is called only while it is valid
  float startTime;
  float duration;
};

template <typename T, typename V>
class SetterRecord : public BaseRecord
{
public:
  using Setter = std::function<void(T&, const V&)>;

  SetterRecord(Handle<GameObject> recordTarget, T* setterObject, Setter valueSetter, const V& fromValue,
               const V& toValue, float recordStartTime, float recordDuration)
      : BaseRecord(std::move(recordTarget), recordStartTime, recordDuration),
        from(fromValue),
        delta(toValue - fromValue),
        object(setterObject),
        setter(std::move(valueSetter))
  {
  }

  void Update(float now) override
  {
    if (!target.IsValid() || object == nullptr)
    {
      done = true;
      return;
    }
    const float t = Progress(now);
    setter(*object, from + delta * t);
  }

private:
  V from;
  V delta;
  T* object;  // a component of the target, which dies with it
  Setter setter;
};

class ActionSystem
{
public:
  using Clock = std::function<float()>;

  // `clock` gives the frame timer's elapsed time in seconds; it advances once per frame.
  explicit ActionSystem(Clock frameClock);
  ~ActionSystem();
  ActionSystem(const ActionSystem&) = delete;
  ActionSystem& operator=(const ActionSystem&) = delete;

  // The system the session publishes; null outside its life (tests and the editor loop may run
  // without one, and the animators then leave their sprites as they are).
  static ActionSystem* Instance();
  static void SetInstance(ActionSystem* system);

  // A new record starting now; it writes nothing until the next Update. The record belongs to the
  // system; the returned pointer is valid until the update that finishes it.
  template <typename T, typename V, typename F>
  SetterRecord<T, V>* AddSetter(Handle<GameObject> target, T* object, F setter, const V& from, const V& to,
                                float duration)
  {
    auto record = std::make_unique<SetterRecord<T, V>>(std::move(target), object,
                                                       typename SetterRecord<T, V>::Setter(std::move(setter)), from,
                                                       to, clock(), duration);
    SetterRecord<T, V>* added = record.get();
    records.push_back(std::move(record));
    return added;
  }

  // Steps every record in the order they were added and deletes the finished ones.
  void Update();

  std::size_t RecordCount() const { return records.size(); }
  float Now() const { return clock(); }

private:
  Clock clock;
  std::vector<std::unique_ptr<BaseRecord>> records;
};
}  // namespace ActionSystem
