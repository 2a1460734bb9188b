#pragma once
// The editor loop's free camera: a Camera on a Transform of its own, belonging to no object. The
// wheel zooms about the mouse, the middle button drags the world, the pan axis moves the camera.
// It lives as long as one editor loop.
#include <glm/vec2.hpp>
#include <json/json.h>

class Camera;
class Input;
class InputActionMap;
class Transform;

class EditorCamera
{
public:
  EditorCamera();
  ~EditorCamera();
  EditorCamera(const EditorCamera&) = delete;
  EditorCamera& operator=(const EditorCamera&) = delete;

  Camera* GetCamera() const { return camera; }
  Transform* GetTransform() const { return transform; }

  // Once per editor frame, after the camera's mouse position was brought up to date: the wheel
  // zoom (the wheel reads 0 while the mouse is over an interface window), the middle-button drag
  // and the pan axis of player 0, which is not scaled by the time step.
  void Update(const Input* input, const InputActionMap* actions);
  // Zooms by wheel steps, keeping the world point under the mouse in place; the scale never
  // drops below 0.1.
  void Zoom(float wheel);

  // The camera's placement as the editor settings file it under a level, and back; a null
  // placement leaves the camera where it is.
  Json::Value Save() const;
  void Load(const Json::Value& placement);

private:
  Camera* camera = nullptr;
  Transform* transform = nullptr;
  bool panning = false;
  glm::vec2 panAnchor{0.0f, 0.0f};
};
