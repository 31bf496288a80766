// Run-length pictures: header (width, height; 16-bit little-endian), then tokens row by row.
//   0x80 | n, colour : n pixels of one colour (n may be 0)
//   n (0..127), n colours : n pixels as listed
#pragma once
#include <cstdint>

struct RleImage {
    const uint8_t* Data; // header and run stream
    uint32_t Size;       // bytes in Data; the decoder never reads past it
};

// Opaque: every pixel of the picture is written, black included.
void DrawRleImage(uint16_t x, uint16_t y, const RleImage& image);
