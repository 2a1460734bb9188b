#pragma once
// The spawn and update functions a particle system runs per particle. A system starts with the
// ring spawn and the standard update; other components swap in their own. Every random value is
// one draw of the engine's sequence, in the order these functions document.
#include "render/Particle.h"

class ParticleSystem;

using ParticleSpawnFunction = void (*)(Particle& particle, ParticleSystem& system);
using ParticleUpdateFunction = void (*)(Particle& particle, ParticleSystem& system, float dt);

// A value between a and b from one draw.
float RandomBetween(float a, float b);

// Life, angular velocity and scale drawn in that order; angle 0; colour "color1".
void StandardParticleInit(Particle& particle, ParticleSystem& system);
// Standard init, then a radius and an angle on the ring sector of "spawnRandos" (z to w, x to y)
// around the origin point plus "offset", then a speed and a direction.
void RingSpawn(Particle& particle, ParticleSystem& system);
// Standard init, then x and y in the box "spawnRandos" (x to y, z to w) around the origin point
// plus "offset", then a speed and a direction as for the ring.
void BoxSpawn(Particle& particle, ParticleSystem& system);
// Ring spawn, then the velocity aimed back at the origin point, turned clockwise by a drawn
// angle: the particle reaches the origin point in one second when the angle is 0.
void ConvergingSpawn(Particle& particle, ParticleSystem& system);
// Ages, turns, shrinks, recolours (three stops over the life, in RGB or HSV) and moves.
void StandardParticleUpdate(Particle& particle, ParticleSystem& system, float dt);
