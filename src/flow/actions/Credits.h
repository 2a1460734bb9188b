#pragma once
// Shows "images" one after another on its object's sprite: each fades in over "transitionTime",
// stays "timePerSlide" seconds and fades out over "transitionTime". After the last one the game
// returns to the main menu while the music fades into the menu music, once. The first slide is
// always the first image, whatever "currentImage" holds; with no Sprite, or no image left, it
// does nothing.
#include "object/Component.h"

#include <string>
#include <vector>

class UpdateEvent;

class Credits : public Component
{
public:
  static constexpr std::uint32_t TypeId = COMP_Credits;

  Credits() : Component(TypeId) {}
  Credits& operator=(const Credits&) = default;

  void OnAwake() override;
  void GetMembers(std::vector<MemberBase*>& members) override;
  void On(UpdateEvent* event);

  unsigned GetCurrentImage() const { return currentImage; }
  float GetTimer() const { return timer; }

private:
  float SlideLength() const { return timePerSlide + 2.0f * transitionTime; }

  float timePerSlide = 3.0f;
  float transitionTime = 1.0f;
  std::vector<std::string> images;
  unsigned currentImage = 0;
  float timer = 0.0f;  // time left in the current slide
};
