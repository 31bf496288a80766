// Text in the nine bitmap fonts.
#pragma once
#include <cstdint>

#include "graphics/framebuffer.h"

typedef uint8_t FontId;   // nominal size: 8, 9, 10, 12, 16, 20, 24, 30 or 34; others mean 8
typedef uint8_t TextAlign; // 0 centred on x, 1 starting at x, 2 ending at x; others centre

constexpr TextAlign AlignCentre = 0;
constexpr TextAlign AlignLeft = 1;
constexpr TextAlign AlignRight = 2;

// Extent of the last string drawn: its first glyph cell starts at TextStartX, and TextEndX is
// just after its last cell's blank column.
extern int16_t TextStartX;
extern int16_t TextEndX;

void DrawText(uint16_t x, uint16_t y, const char* text, FontId font, TextAlign align,
              ColorIndex colour);

// The stored table a FontId selects (Font8 for unknown ids).
const uint8_t* FontTableFor(FontId font);
