// The nine stored font tables. Layout of one table (little-endian):
//   bytes 0-1 reserved (0), 2-3 first code, 4-5 last code, 6 style byte, 7 cell height,
//   8... one 4-byte glyph entry per code: [offset bits 16-23, width, offset bits 0-7,
//   offset bits 8-15], then the glyph rows, MSB first, ceil(width / 8) bytes a row.
#pragma once
#include <cstdint>

extern const uint8_t Font8[];
extern const uint8_t Font9[];
extern const uint8_t Font10[];
extern const uint8_t Font12[];
extern const uint8_t Font16[];
extern const uint8_t Font20[];
extern const uint8_t Font24[];
extern const uint8_t Font30[];
extern const uint8_t Font34[];

// Size of each table in bytes, so that readers can check they stay inside it.
extern const uint32_t Font8Size, Font9Size, Font10Size, Font12Size, Font16Size, Font20Size,
    Font24Size, Font30Size, Font34Size;
