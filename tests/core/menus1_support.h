// Shared by the tests of the main menu and the setup lists: power-on, the way into a list through
// the bezel, and reading back what a list drew.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "driver.h"
#include "graphics/framebuffer.h"
#include "graphics/furniture.h"
#include "graphics/text.h"
#include "instrument/airdata.h"
#include "instrument/home.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"

namespace menus1 {

inline void Drive(HeadlessSession& s, std::initializer_list<std::string> commands) {
    for (const std::string& command : commands) {
        std::string err;
        if (!HeadlessCommand(s, command, err)) ADD_FAILURE() << command << ": " << err;
    }
}

inline void Repeat(HeadlessSession& s, const std::string& command, int times) {
    for (int i = 0; i < times; ++i) Drive(s, {command});
}

// Power-on with the airspeed at rest, then the knob on the flight display. MenuState is left
// dirty first, as an earlier visit to the menus would leave it, so the way in must clean it.
inline void OpenMainMenu(HeadlessSession& s) {
    Drive(s, {"on", "asi 0"});
    HomePage = 0;
    AirData.AsiFilterAcc = 0;
    MenuState.Cursor = 3;
    MenuState.TopRow = 2;
    MenuState.EditMode = 1;
    MenuState.EditStep = 100;
    Drive(s, {"knob", "frames 1"});
    EXPECT_EQ(ScreenName(CurrentScreen), "MainMenuScreen");
}

// A main-menu entry, then the knob: the list opens on its first entry, out of edit mode.
inline void OpenSetup(HeadlessSession& s, int mainMenuEntry) {
    OpenMainMenu(s);
    Repeat(s, "+", mainMenuEntry);
    Drive(s, {"knob", "frames 1"});
}

struct Box {
    int X0, Y0, X1, Y1;
};

inline std::vector<uint8_t> Pixels(const Box& b) {
    std::vector<uint8_t> out;
    for (int y = b.Y0; y <= b.Y1; ++y)
        for (int x = b.X0; x <= b.X1; ++x) out.push_back(FrameBuffer[x + y * ScreenWidth]);
    return out;
}

// What draw() puts into the box on an empty frame, under the current MenuState; the frame the
// screen drew is left as it was.
inline std::vector<uint8_t> DrawnBy(const Box& b, const std::function<void()>& draw) {
    uint8_t saved[ScreenWidth * ScreenHeight];
    memcpy(saved, FrameBuffer, sizeof saved);
    const int16_t start = TextStartX, end = TextEndX;
    ClearFrame();
    draw();
    std::vector<uint8_t> out = Pixels(b);
    memcpy(FrameBuffer, saved, sizeof saved);
    TextStartX = start;
    TextEndX = end;
    return out;
}

inline bool Lit(const Box& b) {
    for (uint8_t p : Pixels(b))
        if (p != 0) return true;
    return false;
}

// One visible line of a list: a value entry (label and value) or, with no value, an entry that
// opens a screen, drawn in the given colour.
struct Line {
    const char* Label;
    const char* Value;
    ColorIndex ItemColour;
};
inline Line Row(const char* label, const char* value) {
    return {label, value, ClrWhite};
}
inline Line Item(const char* text, ColorIndex colour) {
    return {text, nullptr, colour};
}

// The list area left of the scroll bar, from the header rule to the footer rule.
constexpr Box ListArea = {0, 26, 152, 101};
// The footer's right cell, where the step indicator shows.
constexpr Box StepCell = {107, 103, 159, 119};
constexpr Box ScrollBarArea = {153, 26, 159, 101};

// The list area shows exactly these lines, top to bottom, and nothing else.
inline void ExpectListShows(const std::vector<Line>& lines, const std::string& what) {
    const std::vector<uint8_t> expected = DrawnBy(ListArea, [&] {
        for (size_t i = 0; i < lines.size(); ++i) {
            const Line& l = lines[i];
            if (l.Value)
                DrawMenuRow(int8_t(i), l.Label, l.Value);
            else
                DrawMenuItem(int8_t(i), l.Label, l.ItemColour);
        }
    });
    EXPECT_TRUE(Pixels(ListArea) == expected) << what;
    EXPECT_EQ(Lit(ListArea), !lines.empty()) << what;
}

inline void ExpectStepShows(const char* text, const std::string& what) {
    const std::vector<uint8_t> expected = DrawnBy(StepCell, [&] {
        if (*text) DrawText(134, 104, text, 8, AlignCentre, ClrWhite);
    });
    EXPECT_TRUE(Pixels(StepCell) == expected) << what << ": expected '" << text << "'";
}

inline void ExpectScrollBar(uint16_t position, uint16_t count, const std::string& what) {
    const std::vector<uint8_t> expected =
        DrawnBy(ScrollBarArea, [&] { DrawMenuScrollBar(position, count); });
    EXPECT_TRUE(Pixels(ScrollBarArea) == expected) << what << ": " << position << " of " << count;
}

} // namespace menus1
