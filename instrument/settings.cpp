#include "instrument/settings.h"

SettingsRecord Settings;
CalibrationRecord Calibration;
uint16_t MaxAirspeed;

uint32_t SaveSettingsCalls;
uint32_t SaveCalibrationCalls;
uint32_t SaveMaxValuesCalls;

void LoadDefaultSettings() {
    Settings.BacklightMode = 0;
    Settings.BacklightLevel = 100;
    Settings.BacklightThreshold = 300;
    Settings.BacklightDim = 10;
    Settings.BacklightBright = 100;
    Settings.SecurityEnabled = 0;
    Settings.SecurityCode = FactorySecurityCode;
    Settings.AltitudeUnit = 0;
    Settings.PressureUnit = 0;
    Settings.SerialOut = 0;
    Settings.SerialProtocol = 0;
    Settings.AltitudeResolution = 0;
    Settings.BaroSetting = 1013250;
    Settings.AltitudePosition = 0;
    Settings.VsiDisplay = 1;
    Settings.VsiUnit = 0;
    Settings.VsiScale = 0;
    Settings.AsiUnit = 0;
    Settings.AsiFilter = 1;
    Settings.Vne = 220;
    Settings.Vno = 180;
    Settings.Vfe = 50;
    Settings.Vs1 = 30;
    Settings.Vs0 = 20;
    Settings.VneAlarm = 1;
    Settings.VsAlarm = 1;
    Settings.TimerMode = 0;
    Settings.TakeoffSpeed = 30;
    ResetMaxAirspeed();
    SaveSettings();
}

// The calibration is a property of the fitted sensors, so loading the default settings keeps it;
// only power-on resets it.
void ResetCalibration() {
    Calibration.AltitudeCal = 0;
    Calibration.VsiCal = 100;
    Calibration.AsiCal = 100;
    Calibration.AsiZero = 0;
}

void ResetMaxAirspeed() {
    MaxAirspeed = 0;
    SaveMaxValues();
}

// Nothing is stored: every power-on loads the defaults. The call points are kept so that a
// persistent store can be added behind them.
void SaveSettings() {
    ++SaveSettingsCalls;
}
void SaveCalibration() {
    ++SaveCalibrationCalls;
}
void SaveMaxValues() {
    ++SaveMaxValuesCalls;
}

const char OnOffText[2][4] = {"OFF", "ON"};
const char AltitudeUnitText[2][3] = {"ft", "m"};
const char PressureUnitText[2][7] = {"mb", "\"Hg"};
const char ResolutionFeetText[5][6] = {"1ft", "10ft", "25ft", "50ft", "100ft"};
const char ResolutionMetresText[5][6] = {"1m", "10m", "25m", "50m", "100m"};
const char ProtocolText[6][17] = {"GARMIN AT", "MAGELLAN", "NORTHSTAR",
                                  "TRIMBLE",   "ZVK",      "MICROAIR"};
const char TimerModeText[2][9] = {"MANUAL", "DETECT"};
const char VsiUnitText[2][7] = {"ft/min", "m/s"};
const char VsiScaleFeetText[3][11] = {"1000ft/min", "2000ft/min", "4000ft/min"};
const char VsiScaleMsText[3][6] = {"5m/s", "10m/s", "20m/s"};
const char AsiUnitText[3][5] = {"mph", "km/h", "kts"};
const char FilterText[3][5] = {"NONE", "FAST", "SLOW"};
const char BacklightModeText[2][7] = {"MANUAL", "AUTO"};
