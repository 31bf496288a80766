// The home screen's flight display.
#pragma once
#include <cstdint>

extern uint8_t HomePage; // 0 flight display, 1 TIMERS, other MAX VALUES

void DrawAltitude();
void DrawBaroSetting();
void DrawAirspeed();
void DrawVsiTape();
