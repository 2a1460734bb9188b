#pragma once
// The AI's debug shapes (steering targets, sight lines, the agent's steering), drawn on the debug
// layer of a space through the drawer the session gives its physics module. The renderer keeps
// them only while debug drawing is on; a space without a drawer draws nothing.
#include "core/fColor.h"

#include <glm/vec2.hpp>

class Kinematic;
class Space;

void DrawDebugLine(Space* space, glm::vec2 start, glm::vec2 direction, float length, const fColor& colour);
void DrawDebugCircle(Space* space, glm::vec2 centre, float radius, const fColor& colour);
// A kinematic's velocity from its position, as long as its speed, and a line of 100 along its
// orientation.
void DrawKinematic(Space* space, const Kinematic& state, const fColor& velocityColour, const fColor& facingColour);
