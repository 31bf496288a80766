// The shared frame of the four security-code screens: prompt, four digits, footer, and the
// knob entering the digits one after the other.
#pragma once
#include <cstdint>

#include "graphics/furniture.h"

typedef uint8_t CodeEntryOutcome;
constexpr CodeEntryOutcome CodeEntryBusy = 0;   // still entering (or nothing happened)
constexpr CodeEntryOutcome CodeEntrySubmit = 1; // knob pressed on the fourth digit
constexpr CodeEntryOutcome CodeEntryLeave = 2;  // left key

// Draws the screen with the given first prompt line and footer, acts on PendingEvent and
// consumes it; the caller runs its own submit or leave action on the outcome.
CodeEntryOutcome CodeEntry(const char* prompt, FooterKind footer);

// The four CodeDigits as one whole number, 0..9999 (leading zeros make a smaller number).
uint16_t CodeValue();

// All four CodeDigits back to 0.
void ClearCodeDigits();
