#include "graphics/framebuffer.h"

#include <cstring>

// The walks step upwards from the start, as unsigned 16-bit coordinates, and skip the steps that
// are off screen: so only the part from the start to the screen's edge can be visible, and it is
// written in one go. An end before the start draws nothing.
void DrawHLine(uint16_t x0, uint16_t x1, uint16_t y, ColorIndex colour) {
    if (y >= ScreenHeight || x0 > x1 || x0 >= ScreenWidth) return;
    const uint16_t last = x1 < ScreenWidth ? x1 : uint16_t(ScreenWidth - 1);
    memset(FrameBuffer + y * ScreenWidth + x0, colour, size_t(last - x0 + 1));
}

void DrawVLine(uint16_t y0, uint16_t y1, uint16_t x, ColorIndex colour) {
    if (x >= ScreenWidth || y0 > y1 || y0 >= ScreenHeight) return;
    const uint16_t last = y1 < ScreenHeight ? y1 : uint16_t(ScreenHeight - 1);
    for (uint32_t y = y0; y <= last; ++y) FrameBuffer[x + y * ScreenWidth] = colour;
}

// Integer Bresenham walk from (x0, y0); on a tie (err == 0) it steps along the major axis only,
// so the same line drawn from its other end may light different pixels.
void DrawLine(uint16_t x0, uint16_t y0, uint16_t x1, uint16_t y1, ColorIndex colour) {
    const int16_t dx = int16_t(x0 > x1 ? x0 - x1 : x1 - x0);
    const int16_t dy = int16_t(y0 > y1 ? y0 - y1 : y1 - y0);
    const uint16_t sx = x0 > x1 ? uint16_t(0xFFFF) : uint16_t(1);
    const uint16_t sy = y0 > y1 ? uint16_t(0xFFFF) : uint16_t(1);
    uint16_t x = x0, y = y0;
    if (dx >= dy) {
        const int32_t twoMinor = 2 * dy, diagonalStep = 2 * dy - 2 * dx;
        int32_t err = 2 * dy - dx;
        for (int32_t i = 0; i <= dx; ++i) {
            SetPixel(x, y, colour);
            x = uint16_t(x + sx);
            if (err > 0) {
                y = uint16_t(y + sy);
                err += diagonalStep;
            } else {
                err += twoMinor;
            }
        }
    } else {
        const int32_t twoMinor = 2 * dx, diagonalStep = 2 * dx - 2 * dy;
        int32_t err = 2 * dx - dy;
        for (int32_t i = 0; i <= dy; ++i) {
            SetPixel(x, y, colour);
            y = uint16_t(y + sy);
            if (err > 0) {
                x = uint16_t(x + sx);
                err += diagonalStep;
            } else {
                err += twoMinor;
            }
        }
    }
}
