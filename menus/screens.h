// Every screen of the instrument, and the state that belongs to particular screens.
#pragma once
#include <cstdint>

void HomeScreen();
void FlightConfirmScreen();
void MainMenuScreen();
void AltSetupScreen();
void EncoderWarningScreen();
void TestAltitudeScreen();
void VsiSetupScreen();
void AsiSetupScreen();
void ZeroAsiScreen();
void TimerSetupScreen();
void MiscSetupScreen();
void BacklightScreen();
void InfoScreen();
void DefaultSettingsScreen();
void AdcValuesScreen();
void DoneScreen();
void MenuCodeScreen();
void SecuritySetupScreen();
void SetupCodeScreen();
void NewCodeScreen();
void ConfirmCodeScreen();
void CodeResultScreen();

// The row editor of ASI SETUP, run for each entry while the list is drawn.
void AsiEditRow(uint8_t id, uint8_t entry);

// Encoder test.
extern int32_t TestAltitude;
extern const int32_t TestAltitudeSequence[10];

// Security code entry: element 0 is the thousands digit.
extern uint8_t CodeDigits[4];
extern uint16_t PendingCode;
