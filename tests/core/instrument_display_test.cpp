// What the home screen's pages draw: highlight boxes, the VSI tape, the error box, placements.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "graphics/framebuffer.h"
#include "graphics/text.h"
#include "instrument/airdata.h"
#include "instrument/flight_timer.h"
#include "instrument/home.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"
#include "shell/core/run_loop.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

struct Box {
    int x0 = 999, y0 = 999, x1 = -1, y1 = -1;
    bool operator==(const Box& o) const {
        return x0 == o.x0 && y0 == o.y0 && x1 == o.x1 && y1 == o.y1;
    }
};
std::ostream& operator<<(std::ostream& os, const Box& b) {
    return os << "(" << b.x0 << "," << b.y0 << ")-(" << b.x1 << "," << b.y1 << ")";
}

Pixels Ink(ColorIndex colour, int x0 = 0, int y0 = 0, int x1 = 159, int y1 = 119) {
    Pixels p;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (FrameBuffer[x + y * ScreenWidth] == colour) p.insert({x, y});
    return p;
}

Box Bounds(const Pixels& p) {
    Box b;
    for (const auto& [x, y] : p) {
        b.x0 = std::min(b.x0, x), b.y0 = std::min(b.y0, y);
        b.x1 = std::max(b.x1, x), b.y1 = std::max(b.y1, y);
    }
    return b;
}

// A text drawn on its own: its ink and extent, to compare with what a screen drew.
struct Text {
    Pixels ink;
    int startX, endX;
};
Text Alone(uint16_t x, uint16_t y, const char* text, FontId font, TextAlign align) {
    ClearFrame();
    DrawText(x, y, text, font, align, ClrWhite);
    return {Ink(ClrWhite), TextStartX, TextEndX};
}

Pixels Within(const Pixels& p, int x0, int y0, int x1, int y1) {
    Pixels inside;
    for (const auto& [x, y] : p)
        if (x >= x0 && x <= x1 && y >= y0 && y <= y1) inside.insert({x, y});
    return inside;
}

bool AllIn(const Pixels& ink, ColorIndex colour) {
    for (const auto& [x, y] : ink)
        if (FrameBuffer[x + y * ScreenWidth] != colour) return false;
    return !ink.empty();
}

void PowerOn() {
    PowerOnSequence();
    HomePage = 0;
    BlinkPhase = 0;
    AirData = {};
    AirData.AltSensorOk = 1;
}

void DrawHome() {
    ClearFrame();
    PendingEvent = EvNone;
    HomeScreen();
}

uint16_t AirspeedRow() {
    if (Settings.AltitudePosition == 1) return Settings.VsiDisplay == 1 ? 55 : 51;
    return Settings.VsiDisplay == 1 ? 16 : 2;
}

TEST(InstrumentDisplay, AirspeedBoxSpansTheNumberInEveryPlacement) {
    const struct {
        uint16_t airspeed;
        uint8_t running, blink, vneAlarm;
        ColorIndex box; // 0: no box
        ColorIndex digits;
    } cases[] = {
        {221, 0, 1, 1, ClrRed, ClrWhite},    {221, 0, 0, 1, 0, ClrWhite},
        {250, 0, 1, 0, ClrRed, ClrWhite}, // highlighted without the alarm
        {220, 0, 1, 1, ClrYellow, ClrBlack}, {181, 0, 0, 1, ClrYellow, ClrBlack},
        {180, 0, 1, 1, 0, ClrWhite},         {0, 1, 1, 1, ClrRed, ClrWhite},
        {29, 1, 1, 1, ClrRed, ClrWhite},     {29, 1, 0, 1, 0, ClrWhite},
        {30, 1, 1, 1, 0, ClrWhite},          {0, 0, 1, 1, 0, ClrWhite},
    };
    for (uint8_t position = 0; position < 2; ++position)
        for (uint8_t tape = 0; tape < 2; ++tape)
            for (const auto& c : cases) {
                PowerOn();
                Settings.AltitudePosition = position;
                Settings.VsiDisplay = tape;
                Settings.VneAlarm = c.vneAlarm;
                FlightTimer.Running = c.running;
                BlinkPhase = c.blink;
                AirData.Airspeed = c.airspeed;
                const uint16_t y = AirspeedRow();
                const std::string text = std::to_string(c.airspeed);
                const Text alone = Alone(120, y, text.c_str(), 24, AlignRight);
                DrawHome();

                const std::string where =
                    "airspeed " + text + " position " + std::to_string(position) + " tape " +
                    std::to_string(tape) + " blink " + std::to_string(c.blink);
                EXPECT_TRUE(AllIn(alone.ink, c.digits)) << where;
                for (ColorIndex colour : {ClrRed, ClrYellow}) {
                    const Pixels box = Ink(colour, 30, 0, 159, 100);
                    if (colour != c.box) {
                        EXPECT_TRUE(box.empty()) << where;
                        continue;
                    }
                    const Box expected{alone.startX - 1, y + 5, alone.endX, y + 43};
                    EXPECT_EQ(Bounds(box), expected) << where;
                    // Solid apart from the digits.
                    EXPECT_EQ(box.size() + alone.ink.size(),
                              size_t(expected.x1 - expected.x0 + 1) * 39)
                        << where;
                }
            }
}

TEST(InstrumentDisplay, PiecesSitWhereTheirPlacementPutsThem) {
    const struct {
        uint8_t position, tape;
        uint16_t altX, altY;
        TextAlign altAlign;
        uint16_t unitX, unitY;
        TextAlign unitAlign;
    } cases[] = {
        {0, 1, 160, 55, AlignRight, 160, 97, AlignRight},
        {0, 0, 132, 48, AlignRight, 145, 70, AlignCentre},
        {1, 1, 160, 16, AlignRight, 160, 58, AlignRight},
        {1, 0, 132, 5, AlignRight, 145, 27, AlignCentre},
    };
    for (const auto& c : cases) {
        PowerOn();
        Settings.AltitudePosition = c.position;
        Settings.VsiDisplay = c.tape;
        Settings.AltitudeUnit = 1;
        Settings.AsiUnit = 1;
        AirData.Altitude = 8250;
        AirData.Airspeed = 120;
        const Text alt = Alone(c.altX, c.altY, "8250", 24, c.altAlign);
        const Text unit = Alone(c.unitX, c.unitY, "m", 9, c.unitAlign);
        const uint16_t y = AirspeedRow();
        const Text speed = Alone(120, y, "120", 24, AlignRight);
        const Text speedUnit = Alone(160, uint16_t(y + 22), "km/h", 9, AlignRight);
        const Text baro = Alone(70, 102, "1013", 9, AlignCentre);
        const Text baroUnit = Alone(97, 102, "mB", 8, AlignLeft);
        DrawHome();
        const std::string where =
            "position " + std::to_string(c.position) + " tape " + std::to_string(c.tape);
        EXPECT_TRUE(AllIn(alt.ink, ClrWhite)) << where;
        EXPECT_TRUE(AllIn(unit.ink, ClrGrey)) << where;
        EXPECT_TRUE(AllIn(speed.ink, ClrWhite)) << where;
        EXPECT_TRUE(AllIn(speedUnit.ink, ClrGrey)) << where;
        EXPECT_TRUE(AllIn(baro.ink, ClrWhite)) << where;
        EXPECT_TRUE(AllIn(baroUnit.ink, ClrGrey)) << where;
        // The baro box: black inside a grey frame, painted over whatever lay there.
        EXPECT_EQ(Bounds(Ink(ClrGrey, 40, 99, 125, 119)), (Box{45, 101, 120, 119})) << where;
        // The tape's scale line is there only with the tape.
        EXPECT_EQ(Ink(ClrWhite, 28, 0, 28, 119).size(), c.tape ? 120u : 0u) << where;
        EXPECT_EQ(Ink(ClrGreen).empty(), c.tape == 0) << where;
    }
}

TEST(InstrumentDisplay, BaroAndVerticalSpeedReadoutsUseTheirFormats) {
    const struct {
        uint8_t pressureUnit;
        uint32_t baro;
        const char *text, *unit;
        uint16_t unitX;
    } baros[] = {
        {0, 1013250, "1013", "mB", 97},   {0, 999999, " 999", "mB", 97},
        {1, 1013250, "29.92", "IN", 100}, {1, 1013588, "29.93", "IN", 100},
        {1, 1080174, "31.90", "IN", 100}, {1, 940580, "27.78", "IN", 100},
    };
    for (const auto& c : baros) {
        PowerOn();
        Settings.PressureUnit = c.pressureUnit;
        Settings.BaroSetting = c.baro;
        const Text text = Alone(70, 102, c.text, 9, AlignCentre);
        const Text unit = Alone(c.unitX, 102, c.unit, 8, AlignLeft);
        DrawHome();
        EXPECT_EQ(Ink(ClrWhite, 46, 102, 119, 118), text.ink) << c.text;
        EXPECT_TRUE(AllIn(unit.ink, ClrGrey)) << c.text;
    }

    const struct {
        uint8_t vsiUnit;
        int16_t vs;
        const char* text;
        FontId font;
    } readouts[] = {
        {0, 0, "   +0", 12},
        {0, 700, " +700", 12},
        {0, -1500, "-1500", 12},
        {1, 700, " +0.0", 9}, // the m/s reading has no source
    };
    for (const auto& c : readouts) {
        PowerOn();
        Settings.VsiUnit = c.vsiUnit;
        Settings.AltitudePosition = 1; // keeps the airspeed clear of the readout
        AirData.VerticalSpeed = c.vs;
        const Text text = Alone(100, 0, c.text, c.font, AlignRight);
        const Text unit =
            c.vsiUnit ? Alone(102, 2, "m/s", 8, AlignLeft) : Alone(102, 4, "fpm", 8, AlignLeft);
        DrawHome();
        EXPECT_EQ(Ink(ClrWhite, 30, 0, 101, 15), Within(text.ink, 30, 0, 101, 15)) << c.text;
        EXPECT_TRUE(AllIn(text.ink, ClrWhite)) << c.text;
        EXPECT_TRUE(AllIn(unit.ink, ClrGrey)) << c.text;
    }
}

TEST(InstrumentDisplay, VsiBarGrowsChevronsToTheirApex) {
    const struct {
        int16_t vs;
        uint8_t scale;
        int apexY; // -1: the level bar
    } cases[] = {
        {0, 0, -1},     {1, 0, -1},      {-16, 0, -1},           {17, 0, 55}, // 17 * 59 / 1000 = 1
        {500, 0, 27},   {1000, 0, 1},    {6000, 2, 1},           {-300, 1, 72}, // n = 8
        {-17, 0, 65},   {-6000, 0, 119}, {2000, 7, 0 + 56 - 55}, // unknown scale: 2000
        {-1000, 2, 78},                                          // n = 14
    };
    for (const auto& c : cases) {
        PowerOn();
        Settings.VsiScale = c.scale;
        AirData.VerticalSpeed = c.vs;
        DrawHome();
        const Pixels green = Ink(ClrGreen);
        const Box b = Bounds(green);
        const std::string where =
            "vs " + std::to_string(c.vs) + " scale " + std::to_string(c.scale);
        EXPECT_EQ(b.x0, 0) << where;
        EXPECT_EQ(b.x1, 20) << where;
        if (c.apexY < 0) {
            EXPECT_EQ(b, (Box{0, 60, 20, 61})) << where;
            EXPECT_EQ(green.size(), 42u) << where;
        } else if (c.vs > 0) {
            EXPECT_EQ(b.y1, 60) << where;
            // The apex column may be under the grey scale label near the top.
            const Pixels apex = Ink(ClrGreen, 10, 0, 10, 119);
            EXPECT_TRUE(apex.count({10, c.apexY}) || c.apexY < 10) << where;
            EXPECT_EQ(apex.count({10, c.apexY - 1}), 0u) << where;
            EXPECT_EQ(b.y0, c.apexY) << where;
        } else {
            EXPECT_EQ(b.y0, 60) << where;
            EXPECT_EQ(b.y1, c.apexY) << where;
            EXPECT_EQ(FrameBuffer[10 + c.apexY * ScreenWidth], ClrGreen) << where;
        }
    }
}

TEST(InstrumentDisplay, VsiScaleLabelsFollowUnitAndScale) {
    const struct {
        uint8_t unit, scale;
        const char *top, *bottom;
    } cases[] = {
        {0, 0, "+1", "-1"}, {0, 1, "+2", "-2"},   {0, 2, "+4", "-4"},   {0, 9, "+1", "-1"},
        {1, 0, "+5", "-5"}, {1, 1, "+10", "-10"}, {1, 2, "+20", "-20"},
    };
    for (const auto& c : cases) {
        PowerOn();
        Settings.VsiUnit = c.unit;
        Settings.VsiScale = c.scale;
        AirData.VerticalSpeed = 0; // keeps the bar away from the labels
        const Text top = Alone(12, 0, c.top, 8, AlignCentre);
        const Text bottom = Alone(12, 107, c.bottom, 8, AlignCentre);
        DrawHome();
        EXPECT_EQ(Ink(ClrGrey, 0, 0, 27, 14), Within(top.ink, 0, 0, 27, 14)) << c.top;
        EXPECT_EQ(Ink(ClrGrey, 0, 100, 27, 119), Within(bottom.ink, 0, 100, 27, 119)) << c.bottom;
    }
}

TEST(InstrumentDisplay, SensorErrorCoversOnlyTheFlightDisplay) {
    for (uint8_t page = 0; page < 3; ++page) {
        PowerOn();
        AirData.AltSensorOk = 0;
        HomePage = page;
        DrawHome();
        const Pixels red = Ink(ClrRed);
        if (page == 0) {
            EXPECT_EQ(Bounds(red), (Box{17, 18, 144, 87}));
            EXPECT_EQ(Bounds(Ink(ClrWhite, 16, 17, 145, 88)), (Box{16, 17, 145, 88}));
            const Text word = Alone(80, 42, "SENSOR", 12, AlignCentre);
            DrawHome();
            EXPECT_TRUE(AllIn(word.ink, ClrWhite));
        } else {
            EXPECT_TRUE(red.empty()) << "page " << int(page);
        }
    }
}

TEST(InstrumentDisplay, TimersColonBlinksOnlyWhileRunning) {
    const struct {
        uint8_t running, blink;
        bool colon;
    } cases[] = {{0, 0, true}, {0, 1, true}, {1, 0, true}, {1, 1, false}};
    for (const auto& c : cases) {
        PowerOn();
        HomePage = 1;
        FlightTimer = {c.running, 0, 0, 7, 3};
        BlinkPhase = c.blink;
        const Text colon = Alone(95, 40, ":", 9, AlignLeft);
        const Text hours = Alone(85, 40, "3", 9, AlignLeft);
        const Text minutes = Alone(102, 40, "07", 9, AlignLeft);
        const Text title = Alone(80, 5, "TIMERS", 9, AlignCentre);
        DrawHome();
        EXPECT_TRUE(AllIn(hours.ink, ClrWhite));
        EXPECT_TRUE(AllIn(minutes.ink, ClrWhite));
        EXPECT_TRUE(AllIn(title.ink, ClrWhite));
        EXPECT_EQ(AllIn(colon.ink, ClrWhite), c.colon)
            << "running " << int(c.running) << " blink " << int(c.blink);
        EXPECT_EQ(Ink(ClrWhite, 0, 25, 159, 25).size(), 160u);
    }
}

TEST(InstrumentDisplay, MaxValuesBoxesIncludeTheLimitsAndNeverBlink) {
    const struct {
        uint16_t max;
        ColorIndex box, digits;
    } cases[] = {
        {221, ClrRed, ClrWhite},    {220, ClrRed, ClrWhite}, {219, ClrYellow, ClrBlack},
        {180, ClrYellow, ClrBlack}, {179, 0, ClrWhite},      {0, 0, ClrWhite},
    };
    for (const auto& c : cases)
        for (uint8_t blink = 0; blink < 2; ++blink) {
            PowerOn();
            HomePage = 2;
            BlinkPhase = blink;
            Settings.AsiUnit = 2;
            MaxAirspeed = c.max;
            const std::string text = std::to_string(c.max);
            const Text alone = Alone(80, 50, text.c_str(), 16, AlignCentre);
            const Text unit = Alone(158, 58, "kts", 9, AlignRight);
            const Text reset = Alone(26, 104, "RESET", 8, AlignCentre);
            DrawHome();
            EXPECT_TRUE(AllIn(alone.ink, c.digits)) << text;
            EXPECT_TRUE(AllIn(unit.ink, ClrGrey));
            EXPECT_TRUE(AllIn(reset.ink, ClrWhite));
            for (ColorIndex colour : {ClrRed, ClrYellow}) {
                const Pixels box = Ink(colour);
                if (colour == c.box)
                    EXPECT_EQ(Bounds(box), (Box{alone.startX - 1, 51, alone.endX - 1, 80})) << text;
                else
                    EXPECT_TRUE(box.empty()) << text;
            }
            // The soft-key strip without the knob symbol.
            EXPECT_EQ(Ink(ClrWhite, 0, 102, 159, 102).size(), 160u);
            EXPECT_EQ(Ink(ClrWhite, 53, 103, 53, 119).size(), 17u);
            EXPECT_EQ(Ink(ClrWhite, 106, 103, 106, 119).size(), 17u);
            EXPECT_TRUE(Ink(ClrWhite, 107, 103, 159, 119).empty());
        }
}

TEST(InstrumentDisplay, ConfirmationAsksToStartOrToStop) {
    for (uint8_t running = 0; running < 2; ++running) {
        PowerOn();
        FlightTimer.Running = running;
        const Text verb = Alone(110, 43, running ? "STOP" : "START", 10, AlignCentre);
        const Text flight = Alone(110, 63, "FLIGHT?", 10, AlignCentre);
        ClearFrame();
        FlightConfirmScreen();
        EXPECT_EQ(Ink(ClrWhite, 60, 40, 159, 60), verb.ink);
        EXPECT_TRUE(AllIn(flight.ink, ClrWhite));
    }
}

} // namespace
