#include "graphics/framebuffer.h"

#include <cstring>

ColorIndex FrameBuffer[ScreenWidth * ScreenHeight];

void ClearFrame() {
    memset(FrameBuffer, ClrBlack, sizeof FrameBuffer);
}

void SetPixel(uint16_t x, uint16_t y, ColorIndex colour) {
    if (x < ScreenWidth && y < ScreenHeight) FrameBuffer[x + y * ScreenWidth] = colour;
}
