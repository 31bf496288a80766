// The display: one 160 x 120 frame of palette indices and the pixel primitives that draw into it.
#pragma once
#include <cstdint>

typedef uint8_t ColorIndex;

constexpr uint16_t ScreenWidth = 160;
constexpr uint16_t ScreenHeight = 120;

constexpr ColorIndex ClrBlack = 0;
constexpr ColorIndex ClrRed = 9;
constexpr ColorIndex ClrGreen = 10;
constexpr ColorIndex ClrYellow = 11;
constexpr ColorIndex ClrWhite = 15;
constexpr ColorIndex ClrGrey = 229;

// Pixel (x, y) is FrameBuffer[x + y * ScreenWidth], (0, 0) at the top left.
extern ColorIndex FrameBuffer[ScreenWidth * ScreenHeight];

// Coordinates are compared and stepped as unsigned 16-bit values, so a negative one is off screen.
// Every pixel is clipped on its own.
void ClearFrame();
// Inline: every other primitive, the text and the pictures come down to it.
inline void SetPixel(uint16_t x, uint16_t y, ColorIndex colour) {
    if (x < ScreenWidth && y < ScreenHeight) FrameBuffer[x + y * ScreenWidth] = colour;
}
void DrawHLine(uint16_t x0, uint16_t x1, uint16_t y, ColorIndex colour);
void DrawVLine(uint16_t y0, uint16_t y1, uint16_t x, ColorIndex colour);
void DrawLine(uint16_t x0, uint16_t y0, uint16_t x1, uint16_t y1, ColorIndex colour);
void DrawRect(uint16_t x0, uint16_t y0, uint16_t x1, uint16_t y1, ColorIndex colour);
void FillRect(uint16_t x0, uint16_t y0, uint16_t x1, uint16_t y1, ColorIndex colour);
void DrawArc(uint16_t cx, uint16_t cy, uint16_t radius, int16_t startDeg, int16_t endDeg,
             ColorIndex colour);

// Sine and cosine of whole degrees 0..360 and 0..-360, built at every power-on.
extern float SinPos[361];
extern float SinNeg[361];
extern float CosPos[361];
extern float CosNeg[361];
void InitTrigTables();
float SinDeg(int16_t angle);
float CosDeg(int16_t angle);
