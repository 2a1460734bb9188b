#pragma once
// A subscription ties one listener to one bound handler. It holds a copy of the listener's
// liveness token, so a delivery can tell in one comparison whether the listener still exists.
#include "core/Event.h"
#include "core/Listener.h"

#include <cstdint>
#include <functional>
#include <utility>

class Subscription
{
public:
  explicit Subscription(Listener* listener) : listenerId(listener->GetListenerId()), token(listener->GetHandle()) {}
  virtual ~Subscription() = default;
  Subscription(const Subscription&) = delete;
  Subscription& operator=(const Subscription&) = delete;

  // Calls the handler; false (and no call) when the listener is gone.
  virtual bool Invoke(Event* event) = 0;

  std::uint32_t GetListenerId() const { return listenerId; }
  bool IsAlive() const { return token.IsValid(); }
  bool BelongsTo(const Handle<LivenessToken>& listenerToken) const { return token.IsValid() && token == listenerToken; }
  const Handle<LivenessToken>& Token() const { return token; }

private:
  std::uint32_t listenerId;
  Handle<LivenessToken> token;
};

template <typename E>
class TemplatedSubscription : public Subscription
{
public:
  TemplatedSubscription(Listener* listener, std::function<void(E*)> eventHandler)
      : Subscription(listener), handler(std::move(eventHandler))
  {
  }

  bool Invoke(Event* event) override
  {
    if (!IsAlive())
      return false;
    // The manager only offers an event to the subscriptions of its own type's row.
    handler(static_cast<E*>(event));
    return true;
  }

private:
  std::function<void(E*)> handler;
};
