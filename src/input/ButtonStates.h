#pragma once
// Down/up states of a fixed set of buttons for this frame and the previous one. Every "pressed",
// "triggered" and "released" answer of the input comes from comparing the two.
//
// A press and a release that both arrive within one frame (a quick tap, or a long frame) still
// count: the button reads pressed and triggered for that frame and released in the next, so no
// tap is lost to the once-a-frame sampling. A button held across frames is unaffected.
#include <array>
#include <cstddef>

template <std::size_t Count>
class ButtonStates
{
public:
  static constexpr std::size_t Size = Count;

  // Start of a frame: this frame begins where the last one was seen to end.
  void Advance()
  {
    for (std::size_t index = 0; index < Count; ++index)
      previous[index] = IsPressed(index);
    wentDown.fill(false);
  }
  void Clear()
  {
    down.fill(false);
    previous.fill(false);
    wentDown.fill(false);
  }

  // Indexes outside the set come from outside data (an event, a caller's number) and are ignored.
  void Set(std::size_t index, bool isDown)
  {
    if (index >= Count)
      return;
    // Repeats of a held button are no new press.
    if (isDown && !down[index])
      wentDown[index] = true;
    down[index] = isDown;
  }

  bool IsPressed(std::size_t index) const { return index < Count && (down[index] || wentDown[index]); }
  // Went down during this frame: also a release and a new press of a held button in one frame.
  bool IsTriggered(std::size_t index) const { return index < Count && wentDown[index]; }
  bool IsReleased(std::size_t index) const { return index < Count && !IsPressed(index) && previous[index]; }

private:
  std::array<bool, Count> down{};      // as the last event left it
  std::array<bool, Count> previous{};  // pressed as the last frame read it
  std::array<bool, Count> wentDown{};  // an up-to-down change arrived during this frame
};
