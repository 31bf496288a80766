// Colours of the display's 8-bit palette as 0x00RRGGBB.
#pragma once
#include <cstdint>

constexpr int PaletteSize = 246;
extern const uint32_t Palette[PaletteSize];
