#pragma once
// The base of the steering behaviours. A behaviour looks at one moving body, its character, and
// returns the acceleration it wants (GetSteering); it moves nothing itself. Owners combine several
// in a BlendedSteering, queue the result to their object as UpdateSteering, and the object's Agent
// applies it. A behaviour whose character (or a handle it needs) is not valid returns zero.
//
// Behaviours are plain heap objects owned by their blend (or directly by their owner). They keep
// `space` for ray casts and debug drawing; the space outlives its objects' behaviours.
#include "steering/Kinematic.h"
#include "core/Handle.h"
#include "core/fColor.h"
#include "steering/SteeringOutput.h"

#include <glm/vec2.hpp>

class Space;

class SteeringBehavior
{
public:
  SteeringBehavior(Space* characterSpace, Handle<Kinematic> steered);
  virtual ~SteeringBehavior() = default;
  SteeringBehavior(const SteeringBehavior&) = delete;
  SteeringBehavior& operator=(const SteeringBehavior&) = delete;

  virtual SteeringOutput GetSteering() = 0;
  virtual void SetDebugDraw(bool draw) { debugDraw = draw; }
  virtual void SetCharacter(Handle<Kinematic> steered) { character = std::move(steered); }

  bool GetDebugDraw() const { return debugDraw; }
  const Handle<Kinematic>& GetCharacter() const { return character; }
  Space* GetSpace() const { return space; }

protected:
  // Circles and lines on the space's debug layer, only while `debugDraw` is set.
  void DrawCircle(glm::vec2 centre, float radius, const fColor& colour) const;
  void DrawLine(glm::vec2 start, glm::vec2 direction, float length, const fColor& colour) const;

  Handle<Kinematic> character;
  Space* space;
  bool debugDraw = false;
};
