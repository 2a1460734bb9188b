#pragma once
// How many of a room's objects made from some prefabs are still in the fight: the throne room
// keeps its reinforcements and turrets within a number.
#include <string_view>
#include <vector>

class GameObject;
class Space;

// The objects of the space made from one of the prefabs that are alive: without Health, or
// Health::IsAlive. Each counts as one, or as countsFor says.
int CountLiving(const Space& space, const std::vector<std::string_view>& prefabs,
                int (*countsFor)(const GameObject&) = nullptr);
