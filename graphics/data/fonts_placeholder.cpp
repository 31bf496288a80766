// Scaffolding until the generated font tables land: each table holds only an empty space.
#include "graphics/data/fonts.h"

const uint8_t Font8[] = {0, 0, 32, 0, 32, 0, 0, 16, 0, 0, 12, 0};
const uint32_t Font8Size = sizeof Font8;
const uint8_t Font9[] = {0, 0, 32, 0, 32, 0, 0, 19, 0, 0, 12, 0};
const uint32_t Font9Size = sizeof Font9;
const uint8_t Font10[] = {0, 0, 32, 0, 32, 0, 0, 21, 0, 0, 12, 0};
const uint32_t Font10Size = sizeof Font10;
const uint8_t Font12[] = {0, 0, 32, 0, 32, 0, 0, 24, 0, 0, 12, 0};
const uint32_t Font12Size = sizeof Font12;
const uint8_t Font16[] = {0, 0, 32, 0, 32, 0, 0, 33, 0, 0, 12, 0};
const uint32_t Font16Size = sizeof Font16;
const uint8_t Font20[] = {0, 0, 32, 0, 32, 0, 0, 41, 0, 0, 12, 0};
const uint32_t Font20Size = sizeof Font20;
const uint8_t Font24[] = {0, 0, 32, 0, 32, 0, 0, 51, 0, 0, 12, 0};
const uint32_t Font24Size = sizeof Font24;
const uint8_t Font30[] = {0, 0, 32, 0, 32, 0, 0, 62, 0, 0, 12, 0};
const uint32_t Font30Size = sizeof Font30;
const uint8_t Font34[] = {0, 0, 32, 0, 32, 0, 0, 70, 0, 0, 12, 0};
const uint32_t Font34Size = sizeof Font34;
