#include "menus/list_helpers.h"

void ScrollListToCursor() {
    MenuState.TopRow = MenuState.Cursor >= 5 ? uint8_t(MenuState.Cursor - 4) : 0;
}

int8_t ListLine(uint8_t entry) {
    const int line = int(entry) - int(MenuState.TopRow);
    return line < -1 ? int8_t(-1) : line > 5 ? int8_t(5) : int8_t(line);
}

uint8_t MoveListCursor(uint8_t cursor, InputEvent event, uint8_t last) {
    return StepOption(cursor, event, last);
}

uint8_t StepOption(uint8_t value, InputEvent event, uint8_t last) {
    if (event == EvKnobUp) return value >= last ? 0 : uint8_t(value + 1);
    if (event == EvKnobDown) return value == 0 || value > last ? last : uint8_t(value - 1);
    return value;
}

uint16_t NextEditStep(uint16_t step, uint16_t top) {
    return step < top ? uint16_t(step * 10) : uint16_t(1);
}

bool IsKnobTurn(InputEvent event) {
    return event == EvKnobUp || event == EvKnobDown;
}
