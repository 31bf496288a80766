// The security lock in front of the main menu and the three steps of a code change.
#include "graphics/furniture.h"
#include "instrument/settings.h"
#include "menus/code_entry.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

uint8_t CodeDigits[4];
uint16_t PendingCode; // the new code until it is confirmed, then 1 CHANGED / 0 ERROR

namespace {

// Opens the lock whatever code is stored, for a pilot who has forgotten his own.
constexpr uint16_t MasterCode = 8359;

bool CodeAccepted(uint16_t value) {
    return value == Settings.SecurityCode || value == MasterCode;
}

void ShowCodeResult(uint16_t outcome, ScreenHandler back) {
    PendingCode = outcome;
    CurrentScreen = CodeResultScreen;
    ReturnScreen = back;
}

// BACK from any step of a code change: SECURITY SETUP with CHANGE CODE selected.
void LeaveCodeChange() {
    CurrentScreen = SecuritySetupScreen;
    ResetMenuState(1);
}

void StartNextCode(ScreenHandler next) {
    ClearCodeDigits();
    MenuState.Cursor = 0;
    CurrentScreen = next;
}

} // namespace

void MenuCodeScreen() {
    const CodeEntryOutcome outcome = CodeEntry("ENTER SECURITY", FooterExit);
    if (outcome == CodeEntrySubmit) {
        // A refused code goes home with its digits as entered; the next knob press there
        // clears them.
        if (CodeAccepted(CodeValue()))
            StartNextCode(MainMenuScreen);
        else
            ShowCodeResult(0, HomeScreen);
    } else if (outcome == CodeEntryLeave) {
        CurrentScreen = HomeScreen;
    }
}

void SetupCodeScreen() {
    const CodeEntryOutcome outcome = CodeEntry("ENTER SECURITY", FooterBack);
    if (outcome == CodeEntrySubmit) {
        if (CodeAccepted(CodeValue())) {
            StartNextCode(NewCodeScreen);
        } else {
            MenuState.Cursor = 1;
            ShowCodeResult(0, SecuritySetupScreen);
        }
    } else if (outcome == CodeEntryLeave) {
        LeaveCodeChange();
    }
}

void NewCodeScreen() {
    const CodeEntryOutcome outcome = CodeEntry("ENTER NEW", FooterBack);
    if (outcome == CodeEntrySubmit) {
        PendingCode = CodeValue();
        StartNextCode(ConfirmCodeScreen);
    } else if (outcome == CodeEntryLeave) {
        LeaveCodeChange();
    }
}

void ConfirmCodeScreen() {
    const CodeEntryOutcome outcome = CodeEntry("CONFIRM NEW", FooterBack);
    if (outcome == CodeEntrySubmit) {
        uint16_t result = 0;
        if (CodeValue() == PendingCode) {
            Settings.SecurityCode = PendingCode;
            result = 1;
        }
        MenuState.Cursor = 1;
        ShowCodeResult(result, SecuritySetupScreen);
    } else if (outcome == CodeEntryLeave) {
        LeaveCodeChange();
    }
}
