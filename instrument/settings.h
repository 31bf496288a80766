// The instrument's configuration: settings, calibration and the remembered maximum airspeed.
#pragma once
#include <cstdint>

struct SettingsRecord {
    uint8_t BacklightMode;       // 0 manual, 1 automatic
    uint8_t BacklightLevel;      // %, 10..100 by 10
    uint16_t BacklightThreshold; // light-sensor counts, 100..4000
    uint8_t BacklightDim;        // %, 10..100 by 10
    uint8_t BacklightBright;     // %, 10..100 by 10
    uint8_t SecurityEnabled;     // 1: the main menu asks for the code
    uint16_t SecurityCode;       // 0..9999
    uint8_t AltitudeUnit;        // 0 ft, 1 m (unit text only)
    uint8_t PressureUnit;        // 0 mb, 1 inHg
    uint8_t SerialOut;           // 1: one encoder sentence per frame
    uint8_t SerialProtocol;      // 0..5
    uint8_t AltitudeResolution;  // 0..4
    uint32_t BaroSetting;        // thousandths of a millibar
    uint8_t AltitudePosition;    // 0 altitude lower half, 1 upper half
    uint8_t VsiDisplay;          // 1: vertical-speed tape shown
    uint8_t VsiUnit;             // 0 ft/min, 1 m/s
    uint8_t VsiScale;            // 0..2: 1000, 2000, 4000 ft/min
    uint8_t AsiUnit;             // 0 mph, 1 km/h, 2 kts
    uint8_t AsiFilter;           // 0 none, 1 fast, 2 slow
    uint16_t Vne;
    uint16_t Vno;
    uint16_t Vfe;
    uint16_t Vs1;
    uint16_t Vs0;
    uint8_t VneAlarm;
    uint8_t VsAlarm;
    uint8_t TimerMode;     // 0 manual, 1 detect
    uint16_t TakeoffSpeed; // 0..500
};

struct CalibrationRecord {
    int16_t AltitudeCal; // ft, -125..125
    uint8_t AsiCal;      // %, 50..150
    uint16_t AsiZero;    // sensor counts
    uint8_t VsiCal;      // %, 50..150
};

extern SettingsRecord Settings;
extern CalibrationRecord Calibration;
extern uint16_t MaxAirspeed;

void LoadDefaultSettings();
void ResetCalibration();
void ResetMaxAirspeed();

// Store hooks: called at fixed points, store nothing (every power-on loads the defaults).
void SaveSettings();
void SaveCalibration();
void SaveMaxValues();

// The hooks' trace: each hook counts its calls, so that the points where the records would be
// stored can be checked. Nothing in the instrument reads them.
extern uint32_t SaveSettingsCalls;
extern uint32_t SaveCalibrationCalls;
extern uint32_t SaveMaxValuesCalls;

// The security code that LoadDefaultSettings stores, so it is back at every power-on.
constexpr uint16_t FactorySecurityCode = 1234;

// Option texts, indexed by the field's value; fixed-size NUL-padded slots.
extern const char OnOffText[2][4];
extern const char AltitudeUnitText[2][3];
extern const char PressureUnitText[2][7];
extern const char ResolutionFeetText[5][6];
extern const char ResolutionMetresText[5][6];
extern const char ProtocolText[6][17];
extern const char TimerModeText[2][9];
extern const char VsiUnitText[2][7];
extern const char VsiScaleFeetText[3][11];
extern const char VsiScaleMsText[3][6];
extern const char AsiUnitText[3][5];
extern const char FilterText[3][5];
extern const char BacklightModeText[2][7];
