// The pseudo-random source behind the pre-game colours and the computer players.
#include "random_source.h"

// Zero-initialised before any constructor runs, so the game record may seed it during static
// initialisation whatever the order of the translation units.
static uint32_t randomSeed;

void seedRandom(uint32_t seed) {
    randomSeed = seed;
    drawRandom();
}

int drawRandom() {
    randomSeed = randomSeed * 22695477u + 1u;
    return static_cast<int>((randomSeed >> 16) & 0x7FFFu);
}
