#pragma once
// State that belongs to one live instance and never travels with a copy: cached pointers to
// siblings, handles to objects it made or looked up, steering it built, the storage behind them.
//
// Components are copied by assignment from a prefab's template (the factories' GetCopy and
// Copy). Wrapping such a field lets the component's assignment stay `= default`, so every other
// field travels and none can be forgotten, while this one is left as the target had it: as its
// constructor made it in a fresh copy, as the live object had it in a reset to prefab.
//
// Assigning a T still assigns; only assigning another Transient does nothing. A Transient is not
// copy-constructible, so no local copy of it can silently come out different from its source:
// copy the value out as a T instead.
#include <type_traits>
#include <utility>

template <typename T, bool IsClass = std::is_class_v<T>>
class Transient;

// Class types (handles, containers, smart pointers, state machines): the value's own members are
// used as before.
template <typename T>
class Transient<T, true> : public T
{
public:
  using T::T;
  Transient() = default;
  Transient(const T& value) : T(value) {}
  Transient(T&& value) : T(std::move(value)) {}
  Transient(const Transient&) = delete;

  Transient& operator=(const Transient&) { return *this; }
  using T::operator=;
};

// Pointers: read, compared and assigned like the pointer itself.
template <typename T>
class Transient<T, false>
{
public:
  Transient() = default;
  Transient(T initial) : value(initial) {}
  Transient(const Transient&) = delete;

  Transient& operator=(const Transient&) { return *this; }
  Transient& operator=(T newValue)
  {
    value = newValue;
    return *this;
  }

  operator T&() { return value; }
  operator const T&() const { return value; }
  T operator->() const { return value; }

private:
  T value{};
};
