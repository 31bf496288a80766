#include "graphics/framebuffer.h"

#include <cstring>

ColorIndex FrameBuffer[ScreenWidth * ScreenHeight];

void ClearFrame() {
    memset(FrameBuffer, ClrBlack, sizeof FrameBuffer);
}
