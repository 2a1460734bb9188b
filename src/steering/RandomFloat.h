#pragma once
// a + u * (b - a), u one draw of the engine's 15-bit sequence divided by 32767: the random number
// routine of the AI. Each call is one draw, so the order of calls is part of every algorithm.
float RandomFloat(float a, float b);
