// TIMERS SETUP: FLIGHT, and T/O AIRSPEED only in DETECT, wrapping over 0..500.
#include "menus1_support.h"

namespace {

using namespace menus1;

// Opens TIMERS SETUP and switches FLIGHT to DETECT through the list, leaving edit mode.
void OpenInDetect(HeadlessSession& s) {
    OpenSetup(s, 3);
    Drive(s, {"knob", "+", "knob"});
    ASSERT_EQ(Settings.TimerMode, 1);
}

TEST(Menus1TimerSetup, ManualShowsOneEntryAndTheKnobOnlyResetsTheStep) {
    HeadlessSession s;
    OpenSetup(s, 3);
    Drive(s, {"right", "right"});
    EXPECT_EQ(MenuState.EditStep, 100);
    for (const char* turn : {"+", "-"}) {
        Drive(s, {turn, "frames 1"});
        EXPECT_EQ(MenuState.Cursor, 0) << turn;
        EXPECT_EQ(MenuState.EditStep, 1) << turn;
        ExpectListShows({Row("FLIGHT: ", "MANUAL")}, turn);
        ExpectScrollBar(0, 1, turn);
        ExpectStepShows("", turn);
    }
}

TEST(Menus1TimerSetup, TakeoffAirspeedAppearsAndGoesWithFlightWhileEditing) {
    HeadlessSession s;
    OpenSetup(s, 3);
    Drive(s, {"knob", "+", "frames 1"});
    ExpectListShows({Row("FLIGHT: ", "DETECT"), Row("T/O AIRSPEED: ", "30")}, "DETECT");
    ExpectScrollBar(0, 2, "DETECT");
    Drive(s, {"-", "frames 1"});
    ExpectListShows({Row("FLIGHT: ", "MANUAL")}, "MANUAL again");
    ExpectScrollBar(0, 1, "MANUAL again");
    Drive(s, {"+", "knob", "-", "frames 1"});
    EXPECT_EQ(MenuState.Cursor, 1) << "knob - from FLIGHT selects T/O AIRSPEED in DETECT";
    ExpectScrollBar(1, 2, "second entry");
    ExpectListShows({Row("FLIGHT: ", "DETECT"), Row("T/O AIRSPEED: ", "30")}, "selected");
    Drive(s, {"+"});
    EXPECT_EQ(MenuState.Cursor, 0);
}

TEST(Menus1TimerSetup, TakeoffAirspeedWrapsOverItsRangeWhateverTheStep) {
    const struct {
        uint16_t from;
        int rightKeys; // 0 X1, 1 X10, 2 X100
        const char* turn;
        uint16_t to;
    } cases[] = {
        {0, 0, "-", 500}, {500, 0, "+", 0},   {30, 0, "+", 31},  {30, 0, "-", 29},
        {5, 1, "-", 500}, {10, 1, "-", 0},    {495, 1, "+", 0},  {490, 1, "+", 500},
        {450, 2, "+", 0}, {400, 2, "+", 500}, {50, 2, "-", 500}, {100, 2, "-", 0},
    };
    for (const auto& c : cases) {
        HeadlessSession s;
        OpenInDetect(s);
        Drive(s, {"+"});
        Settings.TakeoffSpeed = c.from;
        Repeat(s, "right", c.rightKeys);
        Drive(s, {"knob", c.turn});
        EXPECT_EQ(Settings.TakeoffSpeed, c.to)
            << c.from << " " << c.turn << " step " << MenuState.EditStep;
    }
}

TEST(Menus1TimerSetup, TheStepShowsOnlyOnTakeoffAirspeedAndACursorMoveResetsIt) {
    HeadlessSession s;
    OpenInDetect(s);
    const struct {
        const char* key;
        uint16_t step;
        const char* shown;
    } steps[] = {
        {"frames 0", 1, ""},    {"right", 10, ""},      {"+", 1, "X1"},       {"right", 10, "X10"},
        {"right", 100, "X100"}, {"right", 1, "X1"},     {"right", 10, "X10"}, {"knob", 10, "X10"},
        {"+", 10, "X10"},       {"right", 100, "X100"}, {"+", 100, "X100"},   {"knob", 100, "X100"},
        {"-", 1, ""},           {"-", 1, "X1"},
    };
    for (const auto& st : steps) {
        Drive(s, {st.key, "frames 1"});
        EXPECT_EQ(MenuState.EditStep, st.step) << st.key;
        ExpectStepShows(st.shown, st.key);
    }
    EXPECT_EQ(Settings.TakeoffSpeed, 140);
}

} // namespace
