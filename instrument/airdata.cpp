#include "instrument/airdata.h"

#include <cmath>

#include "instrument/flight_timer.h"
#include "instrument/settings.h"

AirDataRecord AirData;
uint32_t AlarmActive;
uint32_t AlarmAcknowledged;

namespace {

constexpr uint32_t SensorRange = 4096; // counts; a larger difference means no airspeed
constexpr uint32_t AirspeedLimitMph = 250;
constexpr uint32_t AirspeedCutOffMph = 16; // below this the pitot reading is noise

// The pressure reading minus the sensor's zero, never negative.
uint32_t ZeroedReading() {
    if (AirData.AsiAdc < Calibration.AsiZero) return 0;
    const uint32_t d = uint32_t(AirData.AsiAdc) - Calibration.AsiZero;
    return d > SensorRange ? 0 : d;
}

// First-order low-pass run once per frame. The accumulator keeps the smoothed reading scaled
// (x2 FAST, x4 SLOW) so the filter stays in integers; both filters share it.
uint32_t Smoothed(uint32_t d) {
    uint32_t& acc = AirData.AsiFilterAcc;
    switch (Settings.AsiFilter) {
    case 1:
        acc = (2 * d + acc) >> 1;
        return acc >> 1;
    case 2:
        acc = (3 * acc + 4 * d) >> 2;
        return acc >> 2;
    default:
        return d;
    }
}

uint16_t ConvertedFromMph(uint16_t mph) {
    switch (Settings.AsiUnit) {
    case 1:
        return uint16_t(uint32_t(mph) * 1609 / 1000);
    case 2:
        return uint16_t(uint32_t(mph) * 869 / 1000);
    default:
        return mph;
    }
}

bool AirspeedAlarmCondition() {
    const uint16_t v = AirData.Airspeed;
    if (v > Settings.Vne && Settings.VneAlarm == 1) return true;
    return v < Settings.Vs1 && Settings.VsAlarm == 1 && FlightTimer.Running == 1;
}

} // namespace

void UpdateAirspeed() {
    AirData.AsiAdc = AirData.AsiRaw;
    const uint32_t d = Smoothed(ZeroedReading());

    // Dynamic pressure grows with the square of the speed. Computed in double so that a
    // corrupted accumulator cannot overflow the product.
    const uint32_t s = uint32_t(std::sqrt(21.0 * double(d)));
    uint32_t v = Calibration.AsiCal * s / 100;
    if (v > AirspeedLimitMph) v = AirspeedLimitMph;
    AirData.Airspeed = uint16_t(v);
    if (AirData.Airspeed < AirspeedCutOffMph) AirData.Airspeed = 0;
    AirData.AirspeedMph = AirData.Airspeed;
    AirData.Airspeed = ConvertedFromMph(AirData.AirspeedMph);

    if (AirData.Airspeed > MaxAirspeed) {
        MaxAirspeed = AirData.Airspeed;
        SaveMaxValues();
    }

    if (AirspeedAlarmCondition()) {
        AlarmActive |= AirspeedAlarmBit;
    } else {
        // A new episode needs a new acknowledgement.
        AlarmActive &= ~AirspeedAlarmBit;
        AlarmAcknowledged &= ~AirspeedAlarmBit;
    }
}
