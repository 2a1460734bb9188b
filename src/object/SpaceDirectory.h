#pragma once
// The session's spaces by name, for the components that reach into another space than their own
// (the HUD's reload bars, the player's health indicator). The session publishes itself here; code
// below the application reaches spaces only through this.
#include <string>

class Space;

class SpaceDirectory
{
public:
  virtual ~SpaceDirectory() = default;

  // The published directory; null outside the session's life.
  static SpaceDirectory* Instance();
  static void SetInstance(SpaceDirectory* directory);

  // The live space of that name, else the last pending one of that name, else null.
  virtual Space* GetSpace(const std::string& name) const = 0;
  // A space of that name showing that level, reused when it exists, otherwise made and loaded.
  virtual Space* GetSpace(const std::string& name, const std::string& level) = 0;
};
