#pragma once
// The base of everything that subscribes to events. A listener owns a one-byte liveness token;
// subscriptions keep copies of its handle, so when the listener dies they all go stale at once
// and are dropped the next time a delivery reaches them.
#include "core/Handle.h"

#include <cstdint>

// The token holds nothing: only its block's generation matters.
struct LivenessToken
{
  std::uint8_t unused;
};

// Listener ids of the system listeners; components take theirs from the event manager's counter.
constexpr std::uint32_t FactoryListenerId = 0;
constexpr std::uint32_t DataBoardListenerId = 1;
constexpr std::uint32_t SoundSystemListenerId = 2;
constexpr std::uint32_t RegistryListenerId = 4;

class Listener
{
public:
  explicit Listener(std::uint32_t id);
  virtual ~Listener();

  // A copy of a listener is a new listener: it gets its own token and keeps its own id, so two
  // listeners never share liveness. Assignment copies nothing.
  Listener(const Listener& other);
  Listener& operator=(const Listener&) { return *this; }

  Handle<LivenessToken> GetHandle() const { return token; }
  std::uint32_t GetListenerId() const { return listenerId; }

protected:
  // For listeners whose id is only known after construction (a space takes a fresh object id).
  void SetListenerId(std::uint32_t id) { listenerId = id; }

private:
  Handle<LivenessToken> token;
  std::uint32_t listenerId;
};
