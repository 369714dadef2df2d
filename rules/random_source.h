// The program's one pseudo-random source: a linear congruential generator yielding 0 to 32767.
#pragma once

#include <cstdint>

// Stores the seed, then draws one value and throws it away.
void seedRandom(uint32_t seed);

// seed = seed * 22695477 + 1 (mod 2^32); the value is bits 16 to 30 of the new seed.
int drawRandom();
