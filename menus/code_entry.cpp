#include "menus/code_entry.h"

#include <cstdio>

#include "graphics/framebuffer.h"
#include "graphics/text.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

namespace {

constexpr uint8_t CodeLength = 4;

} // namespace

uint16_t CodeValue() {
    return uint16_t(1000 * CodeDigits[0] + 100 * CodeDigits[1] + 10 * CodeDigits[2] +
                    CodeDigits[3]);
}

void ClearCodeDigits() {
    for (uint8_t i = 0; i < CodeLength; ++i) CodeDigits[i] = 0;
}

CodeEntryOutcome CodeEntry(const char* prompt, FooterKind footer) {
    DrawHeader("SECURITY", "CODE");
    DrawText(80, 30, prompt, 8, AlignCentre, ClrWhite);
    DrawText(80, 45, "CODE", 8, AlignCentre, ClrWhite);
    // The digits are never masked: the bezel has no way to go back and check one.
    for (uint8_t i = 0; i < CodeLength; ++i) {
        char text[4];
        snprintf(text, sizeof text, "%d", CodeDigits[i]);
        DrawText(uint16_t(50 + 20 * i), 61, text, 20, AlignCentre,
                 i == MenuState.Cursor ? ClrRed : ClrWhite);
    }
    DrawFooter(footer);

    // A Cursor past the last digit (left over from elsewhere) edits nothing and submits.
    const uint8_t at = MenuState.Cursor;
    CodeEntryOutcome outcome = CodeEntryBusy;
    switch (PendingEvent) {
    case EvKnobUp:
        if (at < CodeLength) CodeDigits[at] = CodeDigits[at] >= 9 ? 0 : CodeDigits[at] + 1;
        break;
    case EvKnobDown:
        if (at < CodeLength) CodeDigits[at] = CodeDigits[at] == 0 ? 9 : CodeDigits[at] - 1;
        break;
    case EvKnobPress:
        if (at < CodeLength - 1)
            MenuState.Cursor = at + 1;
        else
            outcome = CodeEntrySubmit;
        break;
    case EvLeftKey:
        outcome = CodeEntryLeave;
        break;
    default:
        break;
    }
    PendingEvent = EvNone;
    return outcome;
}
