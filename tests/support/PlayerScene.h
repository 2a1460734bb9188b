#pragma once
// The real game on the test display with the player in it: the test writes a level, the session
// runs it frame by frame at exactly 120 frames a second of a clock that moves only as the loop
// reads it, and the player is driven through the input layer with scripted SDL events.
#include "object/Transform.h"
#include "support/GameScene.h"

#include <string>
#include <vector>

class PlayerScene : public GameScene
{
protected:
  static constexpr float Frame = 1.0f / 120.0f;
  static constexpr const char* Level = "playground";

  // Starts the windowed game on a level of these objects and a camera at the origin, and plays the
  // script on it; `space` is the level's space from the first step on.
  void Play(std::vector<Json::Value> objects, std::vector<Step> script, const std::string& level = Level)
  {
    objects.insert(objects.begin(), Object("Camera", "Camera", {0.0f, 0.0f}));
    LevelRecord::Write(level, std::move(objects));
    Start(level, &clock);
    if (HasFatalFailure())
      return;
    for (Step& step : script)
      step = [this, step, level] {
        space = session->GetSpace(level);
        return space != nullptr && step();
      };
    GameScene::Play(std::move(script), 3000);
  }

  using GameScene::Find;
  GameObject* Find(const std::string& name) const { return Find(*space, name); }

  template <typename T>
  T* Get(const std::string& name) const
  {
    GameObject* object = Find(name);
    return object != nullptr ? object->GetComponent<T>() : nullptr;
  }

  std::vector<GameObject*> ObjectsOf(const std::string& prefab) const { return ::ObjectsOf(*space, prefab); }

  glm::vec2 PositionOf(const std::string& name) const { return Find(name)->GetTransform()->GetWorldPosition(); }
  void MoveTo(const std::string& name, glm::vec2 position) const
  {
    Find(name)->GetTransform()->SetWorldPosition(position.x, position.y);
  }

  // Time moves by a microsecond a reading and by whole sleeps, so every frame lasts the 1/120 s
  // the loop waits for.
  SteppedClock clock{1};
  Space* space = nullptr;
};
