#pragma once
// Where an enemy brought into a fight (by a spawn area, a teleport flash, a fall from the sky)
// lands when the space holds a ship: on its floor, clear of its walls (ShipMap::NearestStandingPlace
// of the ship whose grid holds the point, else of the space's first ship), never in open space
// round the hull nor inside a wall. In a space without a ship, the point as it is.
#include <glm/vec2.hpp>

class Space;

glm::vec2 PlaceOnShipFloor(Space* space, glm::vec2 point);
