// Defaults, what loading them keeps, and where the store hooks are called.
#include <gtest/gtest.h>

#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "shell/core/run_loop.h"

namespace {

TEST(InstrumentSettings, PowerOnLoadsEveryDefault) {
    Settings.BaroSetting = 999000;
    Settings.SecurityCode = 4711;
    Settings.Vne = 300;
    Calibration = {-40, 70, 512, 130};
    MaxAirspeed = 99;
    PowerOnSequence();

    const SettingsRecord& s = Settings;
    EXPECT_EQ(s.BacklightMode, 0);
    EXPECT_EQ(s.BacklightLevel, 100);
    EXPECT_EQ(s.BacklightThreshold, 300);
    EXPECT_EQ(s.BacklightDim, 10);
    EXPECT_EQ(s.BacklightBright, 100);
    EXPECT_EQ(s.SecurityEnabled, 0);
    EXPECT_EQ(s.SecurityCode, FactorySecurityCode);
    EXPECT_LE(FactorySecurityCode, 9999);
    EXPECT_EQ(s.AltitudeUnit, 0);
    EXPECT_EQ(s.PressureUnit, 0);
    EXPECT_EQ(s.SerialOut, 0);
    EXPECT_EQ(s.SerialProtocol, 0);
    EXPECT_EQ(s.AltitudeResolution, 0);
    EXPECT_EQ(s.BaroSetting, 1013250u);
    EXPECT_EQ(s.AltitudePosition, 0);
    EXPECT_EQ(s.VsiDisplay, 1);
    EXPECT_EQ(s.VsiUnit, 0);
    EXPECT_EQ(s.VsiScale, 0);
    EXPECT_EQ(s.AsiUnit, 0);
    EXPECT_EQ(s.AsiFilter, 1);
    EXPECT_EQ(s.Vne, 220);
    EXPECT_EQ(s.Vno, 180);
    EXPECT_EQ(s.Vfe, 50);
    EXPECT_EQ(s.Vs1, 30);
    EXPECT_EQ(s.Vs0, 20);
    EXPECT_EQ(s.VneAlarm, 1);
    EXPECT_EQ(s.VsAlarm, 1);
    EXPECT_EQ(s.TimerMode, 0);
    EXPECT_EQ(s.TakeoffSpeed, 30);
    EXPECT_EQ(Calibration.AltitudeCal, 0);
    EXPECT_EQ(Calibration.AsiCal, 100);
    EXPECT_EQ(Calibration.AsiZero, 0);
    EXPECT_EQ(Calibration.VsiCal, 100);
    EXPECT_EQ(MaxAirspeed, 0);
}

TEST(InstrumentSettings, LoadingDefaultsKeepsTheCalibrationAndCallsTheHooks) {
    PowerOnSequence();
    Calibration = {-40, 70, 512, 130};
    Settings.Vne = 300;
    MaxAirspeed = 180;
    const uint32_t settings = SaveSettingsCalls, cal = SaveCalibrationCalls,
                   max = SaveMaxValuesCalls;

    LoadDefaultSettings();

    EXPECT_EQ(Settings.Vne, 220);
    EXPECT_EQ(MaxAirspeed, 0);
    EXPECT_EQ(Calibration.AsiZero, 512);
    EXPECT_EQ(Calibration.AsiCal, 70);
    EXPECT_EQ(SaveSettingsCalls, settings + 1);
    EXPECT_EQ(SaveMaxValuesCalls, max + 1);
    EXPECT_EQ(SaveCalibrationCalls, cal); // nothing resets or stores the calibration here

    ResetCalibration();
    EXPECT_EQ(SaveCalibrationCalls, cal);
    EXPECT_EQ(Calibration.AsiZero, 0);
}

TEST(InstrumentSettings, LeavingTheMenuStoresTheSettings) {
    PowerOnSequence();
    const uint32_t settings = SaveSettingsCalls;
    GoHome();
    EXPECT_EQ(SaveSettingsCalls, settings + 1);
}

} // namespace
