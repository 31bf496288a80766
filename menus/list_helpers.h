// Small pieces shared by the setup lists: scrolling, cursor wrap, option stepping and the
// step cycle of the right key.
#pragma once
#include <cstdint>

#include "menus/screen_machine.h"

// Keeps the selected entry on the last of the five lines once it is past the first page.
void ScrollListToCursor();

// The line an entry is drawn on; entries scrolled out give a line outside 0..4.
int8_t ListLine(uint8_t entry);

// Knob + moves to the next entry, knob - to the previous one, wrapping over 0..last.
uint8_t MoveListCursor(uint8_t cursor, InputEvent event, uint8_t last);

// An option with the values 0..last: knob + steps up, knob - steps down, both wrapping.
// With two values this is a toggle in either direction.
uint8_t StepOption(uint8_t value, InputEvent event, uint8_t last);

// The right key's step cycle: multiplied by 10 while below top, else back to 1.
uint16_t NextEditStep(uint16_t step, uint16_t top);

bool IsKnobTurn(InputEvent event);
