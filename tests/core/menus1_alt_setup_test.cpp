// ALTITUDE SETUP, the encoder-test warning and the test altitude page, through the bezel.
#include "menus1_support.h"

namespace {

using namespace menus1;

// The entries at power-on, in order, with the cursor's colour for TEST ALT ENCODER.
std::vector<Line> DefaultAltEntries(bool serialOn, uint8_t cursor) {
    std::vector<Line> entries = {
        Row("ALTITUDE UNIT: ", "ft"), Row("PRESSURE UNIT:", "mb"), Row("RESOLUTION: ", "1ft"),
        Row("POSITION: ", "BOTTOM"),  Row("CAL: ", "+0 0ft"),      Row("SERIAL OUT: ", "OFF"),
    };
    if (serialOn) {
        entries[5].Value = "ON";
        entries.push_back(Row("PROT: ", "GARMIN AT"));
        entries.push_back(Item("TEST ALT ENCODER", cursor == 7 ? ClrRed : ClrWhite));
    }
    return entries;
}

std::vector<Line> Visible(const std::vector<Line>& entries, size_t first) {
    std::vector<Line> out;
    for (size_t i = first; i < entries.size() && i < first + 5; ++i) out.push_back(entries[i]);
    return out;
}

// Opens ALTITUDE SETUP; with serialOn, turns SERIAL OUT on through the list and returns the
// cursor to the first entry.
void OpenAltSetup(HeadlessSession& s, bool serialOn) {
    OpenSetup(s, 0);
    if (serialOn) Drive(s, {"-", "knob", "+", "knob", "+", "+", "+", "frames 1"});
    ASSERT_EQ(Settings.SerialOut, serialOn ? 1 : 0);
    ASSERT_EQ(MenuState.Cursor, 0);
}

TEST(Menus1AltSetup, ScrollsAndWrapsOverSixOrEightEntries) {
    const struct {
        bool serialOn;
        std::initializer_list<std::string> keys;
        uint8_t cursor;
        uint8_t firstShown;
    } cases[] = {
        {false, {}, 0, 0},
        {false, {"-"}, 5, 1},
        {false, {"-", "+"}, 0, 0},
        {false, {"+", "+", "+", "+"}, 4, 0},
        {false, {"+", "+", "+", "+", "+"}, 5, 1},
        {true, {"-"}, 7, 3},
        {true, {"-", "-"}, 6, 2},
        {true, {"-", "+"}, 0, 0},
        {true, {"-", "-", "-", "-"}, 4, 0},
        {true, {"+", "+", "+", "+", "+", "+"}, 6, 2},
    };
    for (const auto& c : cases) {
        HeadlessSession s;
        OpenAltSetup(s, c.serialOn);
        Drive(s, c.keys);
        Drive(s, {"frames 1"});
        const std::string what = std::string(c.serialOn ? "serial on" : "serial off") +
                                 ", cursor " + std::to_string(c.cursor);
        EXPECT_EQ(MenuState.Cursor, c.cursor) << what;
        EXPECT_EQ(MenuState.TopRow, c.firstShown) << what;
        ExpectListShows(Visible(DefaultAltEntries(c.serialOn, c.cursor), c.firstShown), what);
        ExpectScrollBar(c.cursor, c.serialOn ? 8 : 6, what);
    }
}

TEST(Menus1AltSetup, SerialOutOffWhileEditingRemovesProtAndTestAtOnce) {
    HeadlessSession s;
    OpenAltSetup(s, true);
    Drive(s, {"-", "-", "-", "knob", "frames 1"}); // editing SERIAL OUT, entries 1 to 5 shown
    ExpectScrollBar(5, 8, "serial on");
    Drive(s, {"+", "frames 1"});
    EXPECT_EQ(Settings.SerialOut, 0);
    ExpectScrollBar(5, 6, "serial off");
    ExpectListShows(Visible(DefaultAltEntries(false, 5), 1), "serial off");
    Drive(s, {"knob", "+"});
    EXPECT_EQ(MenuState.Cursor, 0) << "entry 5 is the last again";
    // And on again: PROT and TEST ALT ENCODER are back under SERIAL OUT.
    Drive(s, {"-", "knob", "-", "knob", "+", "+", "frames 1"});
    EXPECT_EQ(MenuState.Cursor, 7);
    ExpectListShows(Visible(DefaultAltEntries(true, 7), 3), "serial on again");
}

struct EditCase {
    const char* name;
    std::initializer_list<std::string> keys; // from entry 0, out of edit mode
    std::vector<Line> shown;                 // the list afterwards (first five entries)
};

TEST(Menus1AltSetup, EditsEachEntryByItsRule) {
    auto entries = [](const char* unit, const char* pressure, const char* resolution,
                      const char* position, const char* cal) {
        return std::vector<Line>{Row("ALTITUDE UNIT: ", unit), Row("PRESSURE UNIT:", pressure),
                                 Row("RESOLUTION: ", resolution), Row("POSITION: ", position),
                                 Row("CAL: ", cal)};
    };
    const EditCase cases[] = {
        {"unit +", {"knob", "+"}, entries("m", "mb", "1m", "BOTTOM", "+0 0ft")},
        {"unit - -", {"knob", "-", "-"}, entries("ft", "mb", "1ft", "BOTTOM", "+0 0ft")},
        {"pressure -", {"+", "knob", "-"}, entries("ft", "\"Hg", "1ft", "BOTTOM", "+0 0ft")},
        {"resolution +",
         {"+", "+", "knob", "+", "+"},
         entries("ft", "mb", "25ft", "BOTTOM", "+0 0ft")},
        {"resolution - wraps",
         {"+", "+", "knob", "-"},
         entries("ft", "mb", "100ft", "BOTTOM", "+0 0ft")},
        {"resolution + wraps",
         {"+", "+", "knob", "+", "+", "+", "+", "+"},
         entries("ft", "mb", "1ft", "BOTTOM", "+0 0ft")},
        {"resolution keeps its index in metres",
         {"+", "+", "knob", "+", "+", "knob", "-", "-", "knob", "+"},
         entries("m", "mb", "25m", "BOTTOM", "+0 0ft")},
        {"position", {"+", "+", "+", "knob", "-"}, entries("ft", "mb", "1ft", "TOP", "+0 0ft")},
        {"cal +3",
         {"-", "-", "knob", "+", "+", "+"},
         entries("ft", "mb", "1ft", "BOTTOM", "+3 0ft")},
        {"cal -1", {"-", "-", "knob", "-"}, entries("ft", "mb", "1ft", "BOTTOM", "-1 0ft")},
    };
    for (const EditCase& c : cases) {
        HeadlessSession s;
        OpenAltSetup(s, false);
        Drive(s, c.keys);
        Drive(s, {"knob", "frames 1"}); // out of edit mode again
        // Back to entry 0, so that the first five entries show.
        for (int i = 0; i < 8 && MenuState.Cursor != 0; ++i) Drive(s, {"+"});
        Drive(s, {"frames 1"});
        ExpectListShows(c.shown, c.name);
    }
}

TEST(Menus1AltSetup, CalIsRefusedBeyond125InEitherDirection) {
    const struct {
        const char* turn;
        int value;
    } sides[] = {{"+", 125}, {"-", -125}};
    for (const auto& side : sides) {
        HeadlessSession s;
        OpenAltSetup(s, false);
        Drive(s, {"-", "-", "right", "knob"}); // CAL, X10, editing
        Repeat(s, side.turn, 12);
        EXPECT_EQ(Calibration.AltitudeCal, side.value / 125 * 120) << side.turn;
        Drive(s, {side.turn});
        EXPECT_EQ(Calibration.AltitudeCal, side.value / 125 * 120)
            << side.turn << " refused at X10";
        Drive(s, {"right"}); // X1, still editing
        Repeat(s, side.turn, 5);
        EXPECT_EQ(Calibration.AltitudeCal, side.value) << side.turn;
        Drive(s, {side.turn});
        EXPECT_EQ(Calibration.AltitudeCal, side.value) << side.turn << " refused at X1";
        Drive(s, {"frames 1"});
        const std::string text = side.value > 0 ? "+125 0ft" : "-125 0ft";
        ExpectListShows(Visible({Row("ALTITUDE UNIT: ", "ft"), Row("PRESSURE UNIT:", "mb"),
                                 Row("RESOLUTION: ", "1ft"), Row("POSITION: ", "BOTTOM"),
                                 Row("CAL: ", text.c_str()), Row("SERIAL OUT: ", "OFF")},
                                0),
                        text);
    }
}

TEST(Menus1AltSetup, ProtocolWrapsBothWays) {
    HeadlessSession s;
    OpenAltSetup(s, true);
    Drive(s, {"-", "-", "knob"});
    const uint8_t up[] = {1, 2, 3, 4, 5, 0};
    for (uint8_t expected : up) {
        Drive(s, {"+"});
        EXPECT_EQ(Settings.SerialProtocol, expected);
    }
    Drive(s, {"-"});
    EXPECT_EQ(Settings.SerialProtocol, 5);
    Drive(s, {"frames 1"});
    ExpectListShows(Visible({Row("ALTITUDE UNIT: ", "ft"), Row("PRESSURE UNIT:", "mb"),
                             Row("RESOLUTION: ", "1ft"), Row("POSITION: ", "BOTTOM"),
                             Row("CAL: ", "+0 0ft"), Row("SERIAL OUT: ", "ON"),
                             Row("PROT: ", "MICROAIR"), Item("TEST ALT ENCODER", ClrWhite)},
                            2),
                    "MICROAIR");
}

TEST(Menus1AltSetup, TheRightKeyTogglesX1AndX10AndACursorMoveResetsIt) {
    HeadlessSession s;
    OpenAltSetup(s, false);
    const struct {
        const char* key;
        uint16_t step;
        const char* shown; // step indicator after the key
    } steps[] = {
        {"right", 10, ""}, // on ALTITUDE UNIT: the step changes but shows nowhere
        {"-", 1, ""},      // cursor move: back to 1 (entry 5)
        {"-", 1, "X1"},    // CAL
        {"right", 10, "X10"}, {"right", 1, "X1"},
        {"right", 10, "X10"}, {"knob", 10, "X10"}, // editing keeps the step
        {"right", 1, "X1"},                        // and the right key still acts while editing
        {"right", 10, "X10"}, {"+", 10, "X10"},    // a click while editing keeps it
        {"knob", 10, "X10"},  {"+", 1, ""},        // a cursor move resets it
        {"-", 1, "X1"},
    };
    for (const auto& st : steps) {
        Drive(s, {st.key, "frames 1"});
        EXPECT_EQ(MenuState.EditStep, st.step) << st.key << " at cursor " << int(MenuState.Cursor);
        ExpectStepShows(st.shown, std::string(st.key) + " at " + std::to_string(MenuState.Cursor));
    }
    EXPECT_EQ(Calibration.AltitudeCal, 10);
}

TEST(Menus1EncoderTest, StepsThroughTheTenTestAltitudesWithWrap) {
    HeadlessSession s;
    OpenAltSetup(s, true);
    Drive(s, {"-", "knob", "knob"});
    ASSERT_EQ(ScreenName(CurrentScreen), "TestAltitudeScreen");
    EXPECT_EQ(TestAltitude, -1000);
    const int32_t up[] = {-900, -700, -400, -200, 800, 2800, 6800, 14800, 30800, -1000};
    for (int32_t expected : up) {
        Drive(s, {"+"});
        EXPECT_EQ(TestAltitude, expected);
    }
    Drive(s, {"-"});
    EXPECT_EQ(TestAltitude, 30800);
    Drive(s, {"-"});
    EXPECT_EQ(TestAltitude, 14800);
    Drive(s, {"right", "knob"});
    EXPECT_EQ(TestAltitude, 14800) << "only the knob turns change the altitude";
    EXPECT_EQ(ScreenName(CurrentScreen), "TestAltitudeScreen");

    // A value outside the sequence stays where it is.
    TestAltitude = 1234;
    Drive(s, {"+", "-"});
    EXPECT_EQ(TestAltitude, 1234);

    // Every new test starts again at -1000.
    Drive(s, {"left", "knob", "knob"});
    EXPECT_EQ(TestAltitude, -1000);
}

TEST(Menus1EncoderTest, PagesDrawTheirTextsWhereTheyBelong) {
    HeadlessSession s;
    OpenAltSetup(s, true);
    Drive(s, {"-", "knob", "frames 1"});
    const Box above = {0, 0, 159, 101};
    EXPECT_TRUE(Pixels(above) == DrawnBy(above, [] {
                    DrawText(80, 0, "WARNING", 10, AlignCentre, ClrRed);
                    DrawText(80, 28, "THE ALTITUDE TEST", 8, AlignCentre, ClrWhite);
                    DrawText(80, 46, "FUNCTION IS ONLY ", 8, AlignCentre, ClrWhite);
                    DrawText(80, 64, "TO BE USED WHEN", 8, AlignCentre, ClrWhite);
                    DrawText(80, 82, "NOT IN FLIGHT", 8, AlignCentre, ClrWhite);
                }));
    Drive(s, {"knob", "frames 1", "-", "frames 1"});
    ASSERT_EQ(TestAltitude, 30800);
    // The unit stays "ft" in metres too.
    Settings.AltitudeUnit = 1;
    Drive(s, {"frames 1"});
    EXPECT_TRUE(Pixels(above) == DrawnBy(above, [] {
                    DrawText(80, 0, "USE THE ROTARY", 8, AlignCentre, ClrWhite);
                    DrawText(80, 20, "CONTROL TO ADJUST", 8, AlignCentre, ClrWhite);
                    DrawText(80, 40, "THE TEST ALTITUDE", 8, AlignCentre, ClrWhite);
                    DrawText(80, 60, "30800", 20, AlignCentre, ClrRed);
                    DrawText(140, 66, "ft", 16, AlignCentre, ClrRed);
                }));
    EXPECT_TRUE(Lit(above));
}

} // namespace
