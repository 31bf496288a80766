// Scaffolding: replaced by the real screens.
#include "instrument/settings.h"

SettingsRecord Settings;
CalibrationRecord Calibration;
uint16_t MaxAirspeed;
void LoadDefaultSettings() {}
void ResetCalibration() {}
void ResetMaxAirspeed() {}
void SaveSettings() {}
void SaveCalibration() {}
void SaveMaxValues() {}
const char OnOffText[2][4] = {"OFF", "ON"};
const char AltitudeUnitText[2][3] = {"ft", "m"};
const char PressureUnitText[2][7] = {"mb", "\"Hg"};
const char ResolutionFeetText[5][6] = {"1ft", "10ft", "25ft", "50ft", "100ft"};
const char ResolutionMetresText[5][6] = {"1m", "10m", "25m", "50m", "100m"};
const char ProtocolText[6][17] = {"GARMIN AT", "MAGELLAN", "NORTHSTAR", "TRIMBLE", "ZVK", "MICROAIR"};
const char TimerModeText[2][9] = {"MANUAL", "DETECT"};
const char VsiUnitText[2][7] = {"ft/min", "m/s"};
const char VsiScaleFeetText[3][11] = {"1000ft/min", "2000ft/min", "4000ft/min"};
const char VsiScaleMsText[3][6] = {"5m/s", "10m/s", "20m/s"};
const char AsiUnitText[3][5] = {"mph", "km/h", "kts"};
const char FilterText[3][5] = {"NONE", "FAST", "SLOW"};
const char BacklightModeText[2][7] = {"MANUAL", "AUTO"};
