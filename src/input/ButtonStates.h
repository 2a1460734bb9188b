#pragma once
// Down/up states of a fixed set of buttons for this frame and the previous one. Every "pressed",
// "triggered" and "released" answer of the input comes from comparing the two, so a press and a
// release that both arrive within one frame are never seen.
#include <array>
#include <cstddef>

template <std::size_t Count>
class ButtonStates
{
public:
  static constexpr std::size_t Size = Count;

  // Start of a frame: this frame begins where the last one ended.
  void Advance() { previous = current; }
  void Clear()
  {
    current.fill(false);
    previous.fill(false);
  }

  // Indexes outside the set come from outside data (an event, a caller's number) and are ignored.
  void Set(std::size_t index, bool down)
  {
    if (index < Count)
      current[index] = down;
  }

  bool IsPressed(std::size_t index) const { return index < Count && current[index]; }
  bool IsTriggered(std::size_t index) const { return index < Count && current[index] && !previous[index]; }
  bool IsReleased(std::size_t index) const { return index < Count && !current[index] && previous[index]; }

private:
  std::array<bool, Count> current{};
  std::array<bool, Count> previous{};
};
