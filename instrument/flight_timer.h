// The flight timer and the two extra pages of the home screen.
#pragma once
#include <cstdint>

struct FlightTimerRecord {
    uint8_t Running;
    uint8_t LandingCountdown; // steps left before an automatic stop, 0..30
    uint8_t Seconds;
    uint8_t Minutes;
    uint8_t Hours; // held at 99
};

extern FlightTimerRecord FlightTimer;

void FlightTimerStep();
void TimersPage();
void MaxValuesPage();
