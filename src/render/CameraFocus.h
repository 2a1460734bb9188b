#pragma once
// What keeps a camera on an object (the camera leash). A scene's director, such as the boss room's
// camera manager, hands it the object to follow without knowing how the following is done; it
// finds the follower among the camera object's components and casts to this.
#include "core/Handle.h"

class GameObject;

class CameraFocus
{
public:
  virtual void SetFocus(Handle<GameObject> focus) = 0;

protected:
  ~CameraFocus() = default;
};
