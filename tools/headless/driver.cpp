#include "driver.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "instrument/airdata.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"
#include "png.h"
#include "shell/core/run_loop.h"

const char* const HeadlessUsage =
    "Script commands, one a line ('#' starts a comment):\n"
    "  on | off                 power the instrument on (defaults) or off\n"
    "  left | right | knob | + | -   bezel input, latched only while none is pending,\n"
    "                           then one frame (the frame that handles it)\n"
    "  asi N | alt N | vsi N    sensor scroll bars: 0..4096, 0..65535, -6000..6000\n"
    "  sensor on | sensor off   the \"Altitude Sensor\" check box\n"
    "  frames N                 run N frames\n"
    "  ticks N                  N clock ticks of 100 ms, each followed by one frame\n"
    "  clock N                  N clock ticks without frames (a loop that falls behind)\n"
    "  scale N                  pixels per display pixel in later shots (1..16)\n"
    "  shot FILE.png            write the display as it is now\n"
    "  comms FILE.txt           write the Communications lines, one a line\n";

namespace {

void SetLamp(void* context, uint32_t rgb) {
    static_cast<HeadlessSession*>(context)->Lamp = rgb;
}

uint8_t SensorChecked(void* context) {
    return static_cast<HeadlessSession*>(context)->AltitudeSensorChecked ? 1 : 0;
}

void AddLine(void* context, const char* line) {
    static_cast<HeadlessSession*>(context)->Comms.emplace_back(line);
}

bool ParseInt(const std::string& text, long lo, long hi, long& value, std::string& error) {
    char* end = nullptr;
    errno = 0;
    value = strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || value < lo || value > hi) {
        error = "expected a whole number from " + std::to_string(lo) + " to " + std::to_string(hi) +
                ", got '" + text + "'";
        return false;
    }
    return true;
}

std::string OutputPath(const HeadlessSession& session, const std::string& name) {
    return name.empty() || name[0] == '/' ? name : session.BaseDir + "/" + name;
}

} // namespace

std::string ScreenName(ScreenHandler screen) {
    static const struct {
        ScreenHandler screen;
        const char* name;
    } names[] = {
#define SCREEN(n) {n, #n}
        SCREEN(HomeScreen),       SCREEN(FlightConfirmScreen),   SCREEN(MainMenuScreen),
        SCREEN(AltSetupScreen),   SCREEN(EncoderWarningScreen),  SCREEN(TestAltitudeScreen),
        SCREEN(VsiSetupScreen),   SCREEN(AsiSetupScreen),        SCREEN(ZeroAsiScreen),
        SCREEN(TimerSetupScreen), SCREEN(MiscSetupScreen),       SCREEN(BacklightScreen),
        SCREEN(InfoScreen),       SCREEN(DefaultSettingsScreen), SCREEN(AdcValuesScreen),
        SCREEN(DoneScreen),       SCREEN(MenuCodeScreen),        SCREEN(SecuritySetupScreen),
        SCREEN(SetupCodeScreen),  SCREEN(NewCodeScreen),         SCREEN(ConfirmCodeScreen),
        SCREEN(CodeResultScreen),
#undef SCREEN
    };
    for (const auto& n : names)
        if (n.screen == screen) return n.name;
    return "an unknown screen";
}

void HeadlessFrame(HeadlessSession& session) {
    if (!session.Running) return;
    const FrameHooks hooks = {&session, SetLamp, SensorChecked, AddLine};
    RunFrameSteps(hooks);
}

bool HeadlessCommand(HeadlessSession& session, const std::string& line, std::string& error) {
    std::istringstream in(line);
    std::string word, arg, extra;
    in >> word;
    if (word.empty() || word[0] == '#') return true;
    in >> arg >> extra;
    if (!extra.empty() && extra[0] != '#') {
        error = "unexpected '" + extra + "' after '" + word + " " + arg + "'";
        return false;
    }
    auto noArg = [&]() {
        if (arg.empty() || arg[0] == '#') return true;
        error = "'" + word + "' takes no argument";
        return false;
    };
    long n = 0;

    static const struct {
        const char* name;
        InputEvent event;
    } bezel[] = {{"left", EvLeftKey},
                 {"right", EvRightKey},
                 {"knob", EvKnobPress},
                 {"+", EvKnobUp},
                 {"-", EvKnobDown}};
    for (const auto& b : bezel)
        if (word == b.name) {
            if (!noArg()) return false;
            LatchEvent(b.event);
            HeadlessFrame(session);
            return true;
        }

    if (word == "on") {
        if (!noArg()) return false;
        PowerOnSequence();
        session.Running = true;
    } else if (word == "off") {
        if (!noArg()) return false;
        PowerOffRequest = 1;
        session.Running = false;
    } else if (word == "asi") {
        if (!ParseInt(arg, 0, 4096, n, error)) return false;
        AirData.AsiRaw = uint16_t(n);
    } else if (word == "alt") {
        if (!ParseInt(arg, 0, 65535, n, error)) return false;
        AirData.Altitude = int32_t(n);
    } else if (word == "vsi") {
        if (!ParseInt(arg, -6000, 6000, n, error)) return false;
        AirData.VerticalSpeed = int16_t(n);
    } else if (word == "sensor") {
        if (arg != "on" && arg != "off") {
            error = "expected 'sensor on' or 'sensor off'";
            return false;
        }
        session.AltitudeSensorChecked = arg == "on";
    } else if (word == "frames" || word == "ticks" || word == "clock") {
        if (!ParseInt(arg, 0, 10000000, n, error)) return false;
        for (long i = 0; i < n; ++i) {
            if (word != "frames") TimerTick();
            if (word != "clock") HeadlessFrame(session);
        }
    } else if (word == "scale") {
        if (!ParseInt(arg, 1, 16, n, error)) return false;
        session.Scale = int(n);
    } else if (word == "shot") {
        if (arg.empty()) {
            error = "expected 'shot FILE.png'";
            return false;
        }
        if (!WriteFramePng(OutputPath(session, arg), session.Scale)) {
            error = "cannot write '" + OutputPath(session, arg) + "'";
            return false;
        }
    } else if (word == "comms") {
        if (arg.empty()) {
            error = "expected 'comms FILE.txt'";
            return false;
        }
        std::ofstream out(OutputPath(session, arg), std::ios::binary);
        for (const std::string& l : session.Comms) out << l << '\n';
        if (!out) {
            error = "cannot write '" + OutputPath(session, arg) + "'";
            return false;
        }
    } else {
        error = "unknown command '" + word +
                "'; expected one of: on off left right knob + - "
                "asi alt vsi sensor frames ticks clock scale shot comms";
        return false;
    }
    return true;
}

bool HeadlessScript(HeadlessSession& session, std::istream& script, std::string& error) {
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string message;
        if (!HeadlessCommand(session, line, message)) {
            error = "line " + std::to_string(number) + ": " + message;
            return false;
        }
    }
    return true;
}
