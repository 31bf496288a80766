#include "graphics/framebuffer.h"

// One pixel per whole degree from startDeg to endDeg - 1; increasing angles run clockwise on
// screen because y grows downwards. The offsets truncate toward zero, never round.
void DrawArc(uint16_t cx, uint16_t cy, uint16_t radius, int16_t startDeg, int16_t endDeg,
             ColorIndex colour) {
    if (startDeg >= endDeg) return; // an empty or reversed arc would never reach its end
    for (int32_t angle = startDeg; angle < endDeg; ++angle) {
        const int32_t dxOff = int32_t(double(CosDeg(int16_t(angle))) * radius);
        const int32_t dyOff = int32_t(double(SinDeg(int16_t(angle))) * radius);
        SetPixel(uint16_t(cx + dxOff), uint16_t(cy + dyOff), colour);
    }
}
