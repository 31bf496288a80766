// Live measurements, the computed airspeed and the airspeed alarm.
#pragma once
#include <cstdint>

struct AirDataRecord {
    uint16_t AsiRaw;          // raw airspeed sensor reading, 0..4096 (scroll bar)
    uint16_t AsiAdc;          // the reading used in the current frame
    uint32_t AsiFilterAcc;    // smoothing accumulator (2x FAST, 4x SLOW)
    uint16_t AirspeedMph;     // calibrated airspeed before unit conversion
    uint16_t Airspeed;        // in the unit of Settings.AsiUnit
    int16_t VerticalSpeed;    // ft/min (scroll bar)
    int16_t VerticalSpeedMs;  // hundredths of m/s; no source, stays 0
    int32_t Altitude;         // ft as shown (scroll bar)
    int32_t PressureAltitude; // no source, stays 0
    int32_t AuxAltitude;      // no source, stays 0
    uint8_t AltSensorOk;      // from the "Altitude Sensor" check box every frame
    uint8_t AltSensorFitted;  // no source, stays 0
    uint16_t LightAdc;        // no source, stays 0
    float SensorTemperature;  // no source, stays 0
    float SensorPressure;     // no source, stays 0
};

extern AirDataRecord AirData;

constexpr uint32_t AirspeedAlarmBit = 1u << 0;
extern uint32_t AlarmActive;
extern uint32_t AlarmAcknowledged;

void UpdateAirspeed();
