#include "graphics/framebuffer.h"

// A rectangle whose two y corners are equal is not drawn at all, outline or filled.
void DrawRect(uint16_t x0, uint16_t y0, uint16_t x1, uint16_t y1, ColorIndex colour) {
    if (y0 == y1) return;
    DrawVLine(y0, y1, x0, colour);
    DrawHLine(x0, x1, y0, colour);
    DrawVLine(y0, y1, x1, colour);
    DrawHLine(x0, x1, y1, colour);
}

void FillRect(uint16_t x0, uint16_t y0, uint16_t x1, uint16_t y1, ColorIndex colour) {
    if (y0 == y1) return;
    for (uint32_t y = y0; y <= y1; ++y) DrawHLine(x0, x1, uint16_t(y), colour);
}
