#include "walk.h"

#include <cstring>

#include "driver.h"
#include "graphics/framebuffer.h"
#include "instrument/airdata.h"
#include "instrument/flight_timer.h"
#include "instrument/home.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"
#include "shell/core/palette.h"
#include "shell/core/run_loop.h"
#include "shell/core/serial.h"

namespace {

// splitmix64: each step's command depends only on (seed, step), so any step can be regenerated.
uint64_t Mix(uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::string Fail(const char* what, long value) {
    return std::string(what) + " (value " + std::to_string(value) + ")";
}

bool Within(long v, long lo, long hi) {
    return v >= lo && v <= hi;
}

// Number of entries of the list the current screen shows, or 0 for screens without a list.
int ListLength() {
    const ScreenHandler s = CurrentScreen;
    if (s == MainMenuScreen) return 6;
    if (s == AltSetupScreen) return Settings.SerialOut ? 8 : 6;
    if (s == VsiSetupScreen) return 4;
    if (s == AsiSetupScreen) return 12;
    if (s == TimerSetupScreen) return Settings.TimerMode ? 2 : 1;
    if (s == MiscSetupScreen) return 4;
    if (s == BacklightScreen) return Settings.BacklightMode ? 4 : 1;
    if (s == SecuritySetupScreen) return Settings.SecurityEnabled ? 2 : 1;
    if (s == MenuCodeScreen || s == SetupCodeScreen || s == NewCodeScreen || s == ConfirmCodeScreen)
        return 4; // the digit being entered
    return 0;
}

} // namespace

std::string WalkCommand(uint64_t seed, uint64_t step) {
    const uint64_t r = Mix(seed * 0x100000001B3ull ^ Mix(step));
    const uint32_t pick = uint32_t(r % 1000);
    const uint32_t arg = uint32_t(r >> 20);
    static const char* const bezel[] = {"left", "right", "knob", "+", "-", "+", "-", "knob"};
    if (pick < 620) return bezel[arg % 8];
    if (pick < 700) return "frames " + std::to_string(1 + arg % 3);
    if (pick < 780) return "ticks " + std::to_string(1 + arg % 12);
    if (pick < 785) return "clock " + std::to_string(1 + arg % 3);
    if (pick < 840) {
        // Edges and the middle of the airspeed range, where the limits sit.
        const uint32_t v = arg % 4 == 0 ? (arg >> 2) % 2 * 4096 : (arg >> 2) % 4097;
        return "asi " + std::to_string(v);
    }
    if (pick < 870) return "alt " + std::to_string(arg % 65536);
    if (pick < 900) return "vsi " + std::to_string(int(arg % 12001) - 6000);
    if (pick < 910) return arg % 2 ? "sensor on" : "sensor off";
    if (pick < 912) return "off";
    if (pick < 915) return "on";
    return bezel[arg % 8];
}

std::string CheckInvariants(bool settled) {
    for (int i = 0; i < ScreenWidth * ScreenHeight; ++i)
        if (FrameBuffer[i] >= PaletteSize)
            return Fail("colour index outside the palette", FrameBuffer[i]);

    const SettingsRecord& s = Settings;
    if (!(Within(s.Vs0, 10, 500) && s.Vs0 <= s.Vs1 && s.Vs1 <= s.Vfe && s.Vfe <= s.Vno &&
          s.Vno <= s.Vne && s.Vne <= 500))
        return "V-speeds out of order: Vs0 " + std::to_string(s.Vs0) + " Vs1 " +
               std::to_string(s.Vs1) + " Vfe " + std::to_string(s.Vfe) + " Vno " +
               std::to_string(s.Vno) + " Vne " + std::to_string(s.Vne);
    const struct {
        const char* name;
        long value, lo, hi, step;
    } fields[] = {
        {"BacklightMode", s.BacklightMode, 0, 1, 1},
        {"BacklightLevel", s.BacklightLevel, 10, 100, 10},
        {"BacklightThreshold", s.BacklightThreshold, 100, 4000, 100},
        {"BacklightDim", s.BacklightDim, 10, 100, 10},
        {"BacklightBright", s.BacklightBright, 10, 100, 10},
        {"SecurityEnabled", s.SecurityEnabled, 0, 1, 1},
        {"SecurityCode", s.SecurityCode, 0, 9999, 1},
        {"AltitudeUnit", s.AltitudeUnit, 0, 1, 1},
        {"PressureUnit", s.PressureUnit, 0, 1, 1},
        {"SerialOut", s.SerialOut, 0, 1, 1},
        {"SerialProtocol", s.SerialProtocol, 0, 5, 1},
        {"AltitudeResolution", s.AltitudeResolution, 0, 4, 1},
        {"BaroSetting", long(s.BaroSetting), 940251, 1080249, 1},
        {"AltitudePosition", s.AltitudePosition, 0, 1, 1},
        {"VsiDisplay", s.VsiDisplay, 0, 1, 1},
        {"VsiUnit", s.VsiUnit, 0, 1, 1},
        {"VsiScale", s.VsiScale, 0, 2, 1},
        {"AsiUnit", s.AsiUnit, 0, 2, 1},
        {"AsiFilter", s.AsiFilter, 0, 2, 1},
        {"VneAlarm", s.VneAlarm, 0, 1, 1},
        {"VsAlarm", s.VsAlarm, 0, 1, 1},
        {"TimerMode", s.TimerMode, 0, 1, 1},
        {"TakeoffSpeed", s.TakeoffSpeed, 0, 500, 1},
        {"AltitudeCal", Calibration.AltitudeCal, -125, 125, 1},
        {"AsiCal", Calibration.AsiCal, 50, 150, 1},
        {"AsiZero", Calibration.AsiZero, 0, 4096, 1},
        {"VsiCal", Calibration.VsiCal, 50, 150, 1},
        {"HomePage", HomePage, 0, 2, 1},
        {"PendingEvent", PendingEvent, 0, 5, 1},
        {"FlightTimer.Seconds", FlightTimer.Seconds, 0, 59, 1},
        {"FlightTimer.Minutes", FlightTimer.Minutes, 0, 59, 1},
        {"FlightTimer.Hours", FlightTimer.Hours, 0, 99, 1},
        {"FlightTimer.LandingCountdown", FlightTimer.LandingCountdown, 0, 30, 1},
        {"FlightTimer.Running", FlightTimer.Running, 0, 1, 1},
        {"BlinkPhase", BlinkPhase, 0, 1, 1},
        {"MenuState.EditMode", MenuState.EditMode, 0, 1, 1},
    };
    for (const auto& f : fields)
        if (!Within(f.value, f.lo, f.hi) || f.value % f.step != 0)
            return Fail((std::string(f.name) + " outside its range").c_str(), f.value);
    if (MenuState.EditStep != 1 && MenuState.EditStep != 10 && MenuState.EditStep != 100 &&
        MenuState.EditStep != 1000)
        return Fail("EditStep not a step", MenuState.EditStep);
    if (AlarmAcknowledged & ~AlarmActive)
        return Fail("an alarm acknowledged that is not active", long(AlarmAcknowledged));

    const int length = ListLength();
    if (length > 0) {
        if (MenuState.Cursor >= length)
            return Fail("Cursor past the end of the list", MenuState.Cursor);
        // The code screens keep the digit index in Cursor and never look at TopRow.
        const bool codeScreen =
            CurrentScreen == MenuCodeScreen || CurrentScreen == SetupCodeScreen ||
            CurrentScreen == NewCodeScreen || CurrentScreen == ConfirmCodeScreen;
        const bool mainMenu = CurrentScreen == MainMenuScreen; // one entry at a time
        if (!codeScreen && !mainMenu) {
            // A list computes TopRow at the start of its frame, so right after a frame that
            // moved the cursor it may still show the old window; after a quiet frame it shows
            // the cursor's entry.
            const int lastTop = length > 5 ? length - 5 : 0;
            if (MenuState.TopRow > lastTop)
                return Fail("TopRow past the last window of the list", MenuState.TopRow);
            const int top = MenuState.Cursor >= 5 ? MenuState.Cursor - 4 : 0;
            if (settled && MenuState.TopRow != top)
                return Fail("TopRow does not show the cursor's entry", MenuState.TopRow);
        }
    }
    for (uint8_t d : CodeDigits)
        if (d > 9) return Fail("code digit above 9", d);
    if (CurrentScreen == TestAltitudeScreen) {
        bool inSequence = false;
        for (int32_t v : TestAltitudeSequence) inSequence |= v == TestAltitude;
        if (!inSequence) return Fail("test altitude not one of the sequence", TestAltitude);
    }
    const size_t serialLength = strnlen(SerialLine, sizeof SerialLine);
    if (serialLength > 30)
        return Fail("serial sentence longer than 30 characters", long(serialLength));
    return {};
}

WalkResult RunWalk(uint64_t seed, uint64_t steps) {
    WalkResult result;
    HeadlessSession session;
    std::string error;
    HeadlessCommand(session, "on", error);
    for (uint64_t step = 0; step < steps; ++step) {
        const std::string command = WalkCommand(seed, step);
        result.Steps = step + 1;
        std::string broken;
        if (!HeadlessCommand(session, command, error))
            broken = "driver refused it: " + error;
        else {
            // A step that ran frames without a bezel event leaves every list settled.
            const bool settled = session.Running && (command.rfind("frames", 0) == 0 ||
                                                     command.rfind("ticks", 0) == 0);
            broken = CheckInvariants(settled);
        }
        if (!broken.empty()) {
            result.Ok = false;
            result.Failure = "step " + std::to_string(step) + " ('" + command + "', now on " +
                             ScreenName(CurrentScreen) + "): " + broken;
            break;
        }
    }
    return result;
}
