#pragma once
// The engine's one random number source: the classic 15-bit sequence, unseeded, so a run is
// repeatable from start-up. Divide by RandomMaximum as float for a unit value.

constexpr int RandomMaximum = 32767;

// Next value of the sequence, 0 to 32767.
int Random();

// Puts the sequence back to its start (state 1), or to the given state.
void ResetRandom(unsigned state = 1);

// A float in [0, 1], from one draw of the sequence.
float RandomUnit();
