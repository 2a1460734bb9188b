#pragma once
// The content of the editor's window "Edit Resource": browse the texture resources, preview one,
// show its name and file in editable fields, unload it, and read the resource list again.
//
// A save only checks the fields (a name of more than 3 characters that no other resource has, a
// file of more than 5); the resource list itself is never changed by it. What the renderer draws
// with every frame (the atlas and the shaders) is never unloaded: that is refused with a warning.
#include "render/Resource.h"

#include <string>

class ResourceEditor
{
public:
  // Drawn inside the open window, once per frame.
  void Draw();

  // Whether a save of these fields would be accepted for `edited`.
  static bool IsValidSave(const std::string& name, const std::string& file, const Resource& edited);

  bool IsEditing() const { return editing; }
  const Resource& GetResource() const { return resource; }

private:
  void DrawPicker();
  void DrawEditing();
  void StopEditing();

  bool editing = false;
  bool showPicker = true;
  Resource resource;
  char nameBuffer[128] = {};
  char fileBuffer[128] = {};
};
