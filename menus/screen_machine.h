// The screen machine: one current screen per frame, one pending bezel event, one shared
// menu state.
#pragma once
#include <cstdint>

typedef uint8_t InputEvent;
constexpr InputEvent EvNone = 0;
constexpr InputEvent EvLeftKey = 1;
constexpr InputEvent EvRightKey = 2;
constexpr InputEvent EvKnobPress = 3;
constexpr InputEvent EvKnobUp = 4;
constexpr InputEvent EvKnobDown = 5;

// Draws one whole screen into the frame buffer and consumes PendingEvent.
typedef void (*ScreenHandler)();

extern InputEvent PendingEvent; // at most one; the window stores a code only while it is 0
extern ScreenHandler CurrentScreen;
extern ScreenHandler ReturnScreen; // where DoneScreen and CodeResultScreen go on any event

struct MenuStateRecord {
    uint8_t Cursor;    // selected entry (in the code screens: the selected digit)
    uint8_t TopRow;    // entry on the first visible line
    uint8_t EditMode;  // 1: the knob changes the selected value
    uint16_t EditStep; // 1, 10, 100 (1000 on the light threshold)
};
extern MenuStateRecord MenuState;

void GoHome();
void ResetMenuState(uint8_t row);

// Latch one bezel event as the window's handlers do: only while nothing is pending.
void LatchEvent(InputEvent event);
