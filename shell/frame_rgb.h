// The frame buffer in true colour, as the display panel shows it.
#pragma once
#include <cstdint>

// Writes 160 x 120 pixels 0xFFRRGGBB, row by row from the top, one per frame-buffer pixel in
// its palette colour. An index past the palette shows black like index 0.
void ExpandFrameToArgb(const uint8_t* frame, uint32_t* argb);
