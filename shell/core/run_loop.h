// Power-on, the frame and the 100 ms clock: the part of the run loop that needs no window.
#pragma once
#include <cstdint>

extern uint8_t PowerOffRequest; // 1 ends the run loop before its next frame
extern uint8_t TickCount;       // timer ticks; the loop takes the value 1
extern uint8_t BlinkTicks;
extern uint8_t BlinkPhase; // inverted every 11 ticks

constexpr uint32_t LampRed = 0xFF0000;
constexpr uint32_t LampMaroon = 0x800000;

// What a frame needs of the window it runs in.
struct FrameHooks {
    void* Context;
    void (*SetLamp)(void* context, uint32_t rgb);
    uint8_t (*AltitudeSensorChecked)(void* context);
    void (*AddSerialLine)(void* context, const char* line);
};

// "On": every setting, calibration, alarm, pending input and the flight timer to power-on state.
void PowerOnSequence();

// The frame steps up to and including the current screen: lamp, altitude sensor, serial
// sentence, airspeed, timer tick, clear, screen. The window then presents, swaps and processes
// its messages.
void RunFrameSteps(const FrameHooks& hooks);

// One 100 ms tick of the clock: blink phase and the tick handed to the run loop.
void TimerTick();
