// ASI SETUP with its row editor, and the ZERO ASI SENSOR? confirmation.
#include "menus1_support.h"

#include <cstdio>

#include "graphics/data/images.h"
#include "graphics/rle.h"

namespace {

using namespace menus1;

std::vector<Line> DefaultAsiEntries(uint8_t cursor) {
    return {Item("ZERO ASI SENSOR", cursor == 0 ? ClrRed : ClrWhite),
            Row("ASI UNIT: ", "mph"),
            Row("ASI FILTER: ", "FAST"),
            Row("Vne SPEED: ", "220mph"),
            Row("Vno SPEED: ", "180mph"),
            Row("Vfe SPEED: ", "50mph"),
            Row("Vs1 SPEED: ", "30mph"),
            Row("Vs0 SPEED: ", "20mph"),
            Row("Vs ALARM: ", "ON"),
            Row("Vne ALARM: ", "ON"),
            Row("CAL: ", "100% 0mph"),
            Row("POSITION: ", "TOP")};
}

std::vector<Line> Visible(const std::vector<Line>& entries, size_t first) {
    return std::vector<Line>(entries.begin() + long(first),
                             entries.begin() + long(std::min(first + 5, entries.size())));
}

TEST(Menus1AsiSetup, ScrollsAndWrapsOverTwelveEntries) {
    const struct {
        std::initializer_list<std::string> keys;
        uint8_t cursor;
        uint8_t firstShown;
    } cases[] = {
        {{}, 0, 0},
        {{"+", "+", "+", "+"}, 4, 0},
        {{"+", "+", "+", "+", "+"}, 5, 1},
        {{"-"}, 11, 7},
        {{"-", "+"}, 0, 0},
        {{"-", "-", "-", "-", "-"}, 7, 3},
        {{"-", "-", "-", "-", "-", "-", "-"}, 5, 1},
        {{"-", "-", "-", "-", "-", "-", "-", "-"}, 4, 0},
    };
    for (const auto& c : cases) {
        HeadlessSession s;
        OpenSetup(s, 2);
        Drive(s, c.keys);
        Drive(s, {"frames 1"});
        const std::string what = "cursor " + std::to_string(c.cursor);
        EXPECT_EQ(MenuState.Cursor, c.cursor) << what;
        EXPECT_EQ(MenuState.TopRow, c.firstShown) << what;
        ExpectListShows(Visible(DefaultAsiEntries(c.cursor), c.firstShown), what);
        ExpectScrollBar(c.cursor, 12, what);
    }
}

struct VSpeeds {
    uint16_t Vne, Vno, Vfe, Vs1, Vs0;
};

TEST(Menus1AsiSetup, EachVSpeedWrapsInsideItsNeighboursInterval) {
    const struct {
        const char* name;
        uint8_t entry; // 3 Vne .. 7 Vs0
        VSpeeds start;
        int rightKeys;
        std::vector<std::pair<const char*, uint16_t>> clicks;
    } cases[] = {
        {"Vne down to Vno, then 500",
         3,
         {220, 180, 50, 30, 20},
         1,
         {{"-", 210}, {"-", 200}, {"-", 190}, {"-", 180}, {"-", 500}, {"+", 180}}},
        {"Vne up to 500", 3, {490, 180, 50, 30, 20}, 1, {{"+", 500}, {"+", 180}}},
        {"Vs0 down to 10, then Vs1",
         7,
         {220, 180, 50, 30, 20},
         1,
         {{"-", 10}, {"-", 30}, {"+", 10}}},
        {"Vfe with X100", 5, {220, 180, 50, 30, 20}, 2, {{"+", 150}, {"+", 30}, {"-", 180}}},
        {"Vno may equal Vne", 4, {220, 210, 50, 30, 20}, 1, {{"+", 220}, {"+", 50}, {"-", 220}}},
        {"Vfe may equal Vno", 5, {220, 180, 170, 30, 20}, 1, {{"+", 180}, {"+", 30}}},
        {"Vs1 between Vs0 and Vfe",
         6,
         {220, 180, 50, 30, 20},
         1,
         {{"+", 40}, {"+", 50}, {"+", 20}, {"-", 50}}},
        {"Vs1 by 1", 6, {220, 180, 50, 30, 20}, 0, {{"+", 31}, {"-", 30}, {"-", 29}}},
        {"Vne with X100", 3, {220, 180, 50, 30, 20}, 2, {{"+", 320}, {"+", 420}, {"+", 180}}},
    };
    for (const auto& c : cases) {
        HeadlessSession s;
        OpenSetup(s, 2);
        Settings.Vne = c.start.Vne;
        Settings.Vno = c.start.Vno;
        Settings.Vfe = c.start.Vfe;
        Settings.Vs1 = c.start.Vs1;
        Settings.Vs0 = c.start.Vs0;
        Repeat(s, "+", c.entry);
        Repeat(s, "right", c.rightKeys);
        Drive(s, {"knob"});
        uint16_t* const field[] = {&Settings.Vne, &Settings.Vno, &Settings.Vfe, &Settings.Vs1,
                                   &Settings.Vs0};
        std::string trail;
        for (const auto& click : c.clicks) {
            Drive(s, {click.first});
            trail += std::string(" ") + click.first;
            EXPECT_EQ(*field[c.entry - 3], click.second) << c.name << ":" << trail;
            EXPECT_TRUE(10 <= Settings.Vs0 && Settings.Vs0 <= Settings.Vs1 &&
                        Settings.Vs1 <= Settings.Vfe && Settings.Vfe <= Settings.Vno &&
                        Settings.Vno <= Settings.Vne && Settings.Vne <= 500)
                << c.name << ":" << trail;
        }
    }
}

TEST(Menus1AsiSetup, EditsTheOtherEntriesByTheirRules) {
    const struct {
        const char* name;
        uint8_t entry;
        std::initializer_list<std::string> keys;                   // after the knob press on it
        std::vector<std::pair<uint8_t, const char*>> changedTexts; // entry, its new value text
    } cases[] = {
        {"unit kts keeps the V-speeds",
         1,
         {"-"},
         {{1, "kts"}, {3, "220kts"}, {4, "180kts"}, {5, "50kts"}, {6, "30kts"}, {7, "20kts"}}},
        {"unit wraps up", 1, {"+", "+", "+", "+"}, {{1, "km/h"}, {3, "220km/h"}, {4, "180km/h"}}},
        {"filter wraps up", 2, {"+", "+"}, {{2, "NONE"}}},
        {"filter down", 2, {"-"}, {{2, "NONE"}}},
        {"filter down wraps", 2, {"-", "-"}, {{2, "SLOW"}}},
        {"vs alarm", 8, {"-"}, {{8, "OFF"}}},
        {"vne alarm", 9, {"+", "+", "+"}, {{9, "OFF"}}},
        {"cal by 1 even at X100", 10, {"right", "right", "+", "+", "+"}, {{10, "103% 0mph"}}},
        {"position", 11, {"+"}, {{11, "BOTTOM"}}},
    };
    for (const auto& c : cases) {
        HeadlessSession s;
        OpenSetup(s, 2);
        Repeat(s, c.entry <= 6 ? "+" : "-", c.entry <= 6 ? c.entry : 12 - c.entry);
        Drive(s, {"knob"});
        Drive(s, c.keys);
        Drive(s, {"knob", "frames 1"});
        std::vector<Line> entries = DefaultAsiEntries(c.entry);
        for (const auto& change : c.changedTexts) entries[change.first].Value = change.second;
        ExpectListShows(Visible(entries, c.entry >= 5 ? c.entry - 4 : 0), c.name);
    }
}

TEST(Menus1AsiSetup, PositionIsTheOppositeOfTheAltitudeSetupText) {
    HeadlessSession s;
    OpenSetup(s, 2);
    Drive(s, {"-", "knob", "+", "left"});
    EXPECT_EQ(Settings.AltitudePosition, 1);
    Drive(s, {"-", "-", "knob", "frames 1"}); // ALT SETUP
    ExpectListShows({Row("ALTITUDE UNIT: ", "ft"), Row("PRESSURE UNIT:", "mb"),
                     Row("RESOLUTION: ", "1ft"), Row("POSITION: ", "TOP"), Row("CAL: ", "+0 0ft")},
                    "ALT SETUP with the airspeed at the bottom");
}

TEST(Menus1AsiSetup, CalStopsAt50And150AndShowsTheCalibratedAirspeed) {
    HeadlessSession s;
    OpenSetup(s, 2);
    Drive(s, {"-", "-", "knob"});
    Repeat(s, "+", 60);
    EXPECT_EQ(Calibration.AsiCal, 150);
    Repeat(s, "-", 120);
    EXPECT_EQ(Calibration.AsiCal, 50);
    Drive(s, {"asi 3000", "frames 30"});
    ASSERT_GT(AirData.AirspeedMph, 0);
    char cal[32];
    snprintf(cal, sizeof cal, "50%% %umph", unsigned(AirData.AirspeedMph));
    std::vector<Line> shown = Visible(DefaultAsiEntries(10), 6);
    shown[4].Value = cal;
    ExpectListShows(shown, cal);
}

TEST(Menus1AsiSetup, AChangeShowsFromTheNextFrame) {
    HeadlessSession s;
    OpenSetup(s, 2);
    Drive(s, {"+", "+", "+", "knob", "frames 1", "+"});
    EXPECT_EQ(Settings.Vne, 221);
    std::vector<Line> shown = Visible(DefaultAsiEntries(3), 0);
    ExpectListShows(shown, "the frame that handled the click");
    Drive(s, {"frames 1"});
    shown[3].Value = "221mph";
    ExpectListShows(shown, "the next frame");
}

TEST(Menus1AsiSetup, TheRightKeyCyclesThreeStepsShownOnlyOnTheVSpeeds) {
    HeadlessSession s;
    OpenSetup(s, 2);
    const struct {
        const char* key;
        uint16_t step;
        const char* shown;
    } steps[] = {
        {"+", 1, ""},          {"+", 1, ""},         {"right", 10, ""}, // ASI FILTER
        {"right", 100, ""},    {"right", 1, ""},     {"right", 10, ""},
        {"+", 1, "X1"},        {"right", 10, "X10"}, {"right", 100, "X100"}, // Vne
        {"knob", 100, "X100"}, {"right", 1, "X1"},   {"right", 10, "X10"},
        {"knob", 10, "X10"},   {"+", 1, "X1"}, // Vno
        {"-", 1, "X1"},        {"-", 1, ""},         {"-", 1, ""},
        {"-", 1, ""},          {"-", 1, ""},         {"-", 1, ""},
        {"-", 1, ""},          {"-", 1, ""},                         // back round to Vs ALARM
        {"-", 1, "X1"},        {"-", 1, "X1"},       {"-", 1, "X1"}, // Vs0, Vs1, Vfe
    };
    for (const auto& st : steps) {
        Drive(s, {st.key, "frames 1"});
        const std::string what = std::string(st.key) + " at " + std::to_string(MenuState.Cursor);
        EXPECT_EQ(MenuState.EditStep, st.step) << what;
        ExpectStepShows(st.shown, what);
    }
}

TEST(Menus1ZeroAsi, NoKeepsTheZeroAndYesStoresTheReadingOfThisMoment) {
    for (bool yes : {false, true}) {
        HeadlessSession s;
        OpenSetup(s, 2);
        Drive(s, {"asi 1234", "frames 1"});
        const uint16_t reading = AirData.AsiAdc;
        ASSERT_NE(reading, 0);
        Drive(s, {"+", "-", "knob", "frames 1"});
        ASSERT_EQ(ScreenName(CurrentScreen), "ZeroAsiScreen");

        // The confirmation: question picture, three centred lines, NO and YES.
        const Box body = {0, 0, 159, 119};
        EXPECT_TRUE(Pixels(body) == DrawnBy(body, [] {
                        DrawHeader("MESSAGE", "");
                        DrawRleImage(5, 40, ImgQuestion);
                        DrawText(110, 35, "ZERO", 9, AlignCentre, ClrWhite);
                        DrawText(110, 56, "ASI", 9, AlignCentre, ClrWhite);
                        DrawText(110, 77, "SENSOR?", 9, AlignCentre, ClrWhite);
                        DrawYesNoFooter();
                    }));

        Drive(s, {"knob", "+", "-"}); // discarded
        EXPECT_EQ(ScreenName(CurrentScreen), "ZeroAsiScreen");
        Drive(s, {yes ? "right" : "left", "frames 1"});
        EXPECT_EQ(Calibration.AsiZero, yes ? reading : 0) << yes;
        if (yes) {
            EXPECT_EQ(ScreenName(CurrentScreen), "DoneScreen");
            Drive(s, {"left", "frames 1"});
        }
        EXPECT_EQ(ScreenName(CurrentScreen), "AsiSetupScreen") << yes;
        EXPECT_EQ(MenuState.Cursor, 0) << yes;
    }
}

} // namespace
