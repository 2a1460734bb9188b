#pragma once
// A pointer to a listener (a component) that reads as null once the listener is gone. Beside the
// pointer it keeps a handle to the listener's liveness token, which dies with the listener, so a
// read costs one comparison. Components keep the components they work with this way, their
// siblings' and other objects' alike: the editor removes single components from live objects.
//
// Read, compared and assigned like the pointer itself; a field of a component is wrapped in
// Transient as well, so that a copy of the component does not take it over.
#include "core/Handle.h"
#include "core/Listener.h"

template <typename T>
class LivePointer
{
public:
  LivePointer() = default;
  LivePointer(T* target) { *this = target; }

  LivePointer& operator=(T* target)
  {
    pointer = target;
    token = target != nullptr ? target->GetHandle() : Handle<LivenessToken>();
    return *this;
  }

  T* Get() const { return token.IsValid() ? pointer : nullptr; }
  operator T*() const { return Get(); }
  T* operator->() const { return Get(); }

private:
  T* pointer = nullptr;
  Handle<LivenessToken> token;
};
