// Scaffolding until the encoded pictures land: all eight are black squares.
#include "graphics/data/images.h"

static const uint8_t BlackSquare[] = {50, 0, 50, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0, 178, 0};

const RleImage ImgExclamation = {BlackSquare, sizeof BlackSquare};
const RleImage ImgQuestion = {BlackSquare, sizeof BlackSquare};
const RleImage ImgAltSetup = {BlackSquare, sizeof BlackSquare};
const RleImage ImgVsiSetup = {BlackSquare, sizeof BlackSquare};
const RleImage ImgAsiSetup = {BlackSquare, sizeof BlackSquare};
const RleImage ImgTimersSetup = {BlackSquare, sizeof BlackSquare};
const RleImage ImgMiscSetup = {BlackSquare, sizeof BlackSquare};
const RleImage ImgAdcValues = {BlackSquare, sizeof BlackSquare};
