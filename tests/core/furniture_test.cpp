// The shared frame of the menu screens, read back as pixels: header, rows and their colours,
// scroll bar, footers, knob symbol and step indicator.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>
#include <vector>

#include "graphics/furniture.h"
#include "graphics/text.h"
#include "menus/screen_machine.h"
#include "shell/core/run_loop.h"

namespace {

ColorIndex At(int x, int y) {
    return FrameBuffer[x + y * ScreenWidth];
}

// Colours inked (non-black) inside a rectangle, inclusive.
std::set<int> InkIn(int x0, int y0, int x1, int y1) {
    std::set<int> ink;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (At(x, y) != ClrBlack) ink.insert(At(x, y));
    return ink;
}

std::vector<ColorIndex> Snapshot() {
    return std::vector<ColorIndex>(FrameBuffer, FrameBuffer + sizeof FrameBuffer);
}

class Furniture : public ::testing::Test {
  protected:
    void SetUp() override {
        PowerOnSequence();
        MenuState.Cursor = 0;
        MenuState.TopRow = 0;
        MenuState.EditMode = 0;
        MenuState.EditStep = 1;
        ClearFrame();
    }
};

struct ThumbCase {
    uint16_t Count;
    std::vector<std::pair<int, int>> Rows; // first and last thumb row, by position
};

TEST_F(Furniture, ScrollBarThumbRowsForEveryListLength) {
    const ThumbCase cases[] = {
        {1, {{30, 98}}},
        {2, {{30, 64}, {64, 98}}},
        {4, {{30, 47}, {47, 64}, {64, 81}, {81, 98}}},
        {6, {{30, 41}, {41, 52}, {52, 63}, {63, 74}, {75, 86}, {86, 97}}},
        {8, {{30, 38}, {38, 46}, {47, 55}, {55, 63}, {64, 72}, {72, 80}, {81, 89}, {89, 97}}},
        {12,
         {{30, 35},
          {35, 40},
          {41, 46},
          {46, 51},
          {52, 57},
          {58, 63},
          {63, 68},
          {69, 74},
          {74, 79},
          {80, 85},
          {86, 91},
          {91, 96}}},
    };
    for (const ThumbCase& c : cases) {
        for (size_t position = 0; position < c.Rows.size(); ++position) {
            SCOPED_TRACE(testing::Message() << "count " << c.Count << " position " << position);
            ClearFrame();
            DrawMenuScrollBar(uint16_t(position), c.Count);
            const auto [top, bottom] = c.Rows[position];
            for (int y = 0; y < ScreenHeight; ++y) {
                const bool thumb = y >= top && y <= bottom;
                for (int x = 153; x <= 159; ++x) {
                    const bool track = x == 156 && y >= 30 && y <= 98;
                    ASSERT_EQ(At(x, y), thumb || track ? ClrWhite : ClrBlack) << x << ", " << y;
                }
            }
            EXPECT_TRUE(InkIn(0, 0, 152, 119).empty());
        }
    }
}

TEST_F(Furniture, ScrollBarOfAnEmptyOrLongListIsTrackOnly) {
    for (uint16_t count : {0, 69, 500}) {
        ClearFrame();
        DrawMenuScrollBar(0, count);
        for (int y = 0; y < ScreenHeight; ++y)
            for (int x = 153; x <= 159; ++x) {
                const bool track = x == 156 && y >= 30 && y <= 98;
                ASSERT_EQ(At(x, y), track ? ClrWhite : ClrBlack) << count << ": " << x << ", " << y;
            }
    }
}

struct RowCase {
    uint8_t TopRow, Cursor, EditMode;
    int8_t Row;
    ColorIndex Label, Value;
};

TEST_F(Furniture, MenuRowColoursFollowCursorAndEditMode) {
    const RowCase cases[] = {
        {0, 1, 0, 1, ClrRed, ClrRed},     {0, 1, 1, 1, ClrWhite, ClrRed},
        {0, 1, 0, 2, ClrWhite, ClrWhite}, {0, 1, 1, 0, ClrWhite, ClrWhite},
        {2, 6, 0, 4, ClrRed, ClrRed},     {2, 6, 1, 4, ClrWhite, ClrRed},
        {2, 6, 0, 3, ClrWhite, ClrWhite}, {2, 6, 0, 0, ClrWhite, ClrWhite},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "TopRow " << int(c.TopRow) << " Cursor " << int(c.Cursor) << " EditMode "
                     << int(c.EditMode) << " row " << int(c.Row));
        MenuState.TopRow = c.TopRow;
        MenuState.Cursor = c.Cursor;
        MenuState.EditMode = c.EditMode;
        ClearFrame();
        DrawMenuRow(c.Row, "ALTITUDE UNIT: ", "FEET");
        const int y = c.Row * 15 + 26;
        // The value starts where the label's advance ends.
        EXPECT_EQ(TextStartX, 124);
        EXPECT_EQ(InkIn(0, y, 123, y + 14), std::set<int>{c.Label});
        EXPECT_EQ(InkIn(124, y, 159, y + 14), std::set<int>{c.Value});
        EXPECT_TRUE(InkIn(0, 0, 159, y - 1).empty());
        EXPECT_TRUE(InkIn(0, y + 15, 159, 119).empty());
    }
}

TEST_F(Furniture, RowsOutsideTheListDrawNothing) {
    for (int8_t row : {int8_t(-2), int8_t(-1), int8_t(5), int8_t(127)}) {
        ClearFrame();
        DrawMenuRow(row, "LABEL ", "VALUE");
        DrawMenuItem(row, "ITEM", ClrRed);
        EXPECT_TRUE(InkIn(0, 0, 159, 119).empty()) << int(row);
    }
    ClearFrame();
    DrawMenuItem(4, "ADC VALUES", ClrRed);
    EXPECT_EQ(InkIn(0, 86, 159, 101), std::set<int>{ClrRed});
    EXPECT_TRUE(InkIn(0, 0, 159, 85).empty());
}

TEST_F(Furniture, StepIndicatorOnlyOnTheCursorAndForSmallSteps) {
    struct Case {
        uint16_t Step;
        uint8_t Item;
        const char* Text; // nullptr: nothing drawn
    };
    const Case cases[] = {{1, 2, "X1"},       {10, 2, "X10"},  {100, 2, "X100"},
                          {1000, 2, nullptr}, {5, 2, nullptr}, {10, 3, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "EditStep " << c.Step << " item " << int(c.Item));
        MenuState.Cursor = 2;
        MenuState.EditStep = c.Step;
        ClearFrame();
        if (c.Text) DrawText(134, 104, c.Text, 8, AlignCentre, ClrWhite);
        const std::vector<ColorIndex> expected = Snapshot();
        ClearFrame();
        DrawStepIndicator(c.Item);
        EXPECT_EQ(Snapshot(), expected);
        if (c.Text) { EXPECT_EQ(InkIn(107, 103, 159, 119), std::set<int>{ClrWhite}); }
    }
}

TEST_F(Furniture, KnobIconIsAnArcWithTwoFilledHeads) {
    DrawKnobIcon();
    // The arc over the top of the cell, and both heads filled.
    const std::pair<int, int> lit[] = {
        {65, 112}, {80, 104}, {95, 111}, {60, 109},  {70, 114}, {62, 118}, {61, 110},
        {61, 111}, {62, 111}, {62, 117}, {63, 116},  {64, 112}, {65, 113}, {66, 115},
        {67, 114}, {68, 114}, {90, 114}, {100, 109}, {98, 118}, {92, 114}, {93, 114},
        {94, 113}, {95, 115}, {96, 112}, {97, 116},  {98, 111}, {99, 111}};
    for (const auto& [x, y] : lit) EXPECT_EQ(At(x, y), ClrWhite) << x << ", " << y;
    // Nothing inside the arc, and everything within the middle cell.
    EXPECT_EQ(At(80, 110), ClrBlack);
    EXPECT_EQ(At(80, 106), ClrBlack);
    EXPECT_TRUE(InkIn(0, 0, 159, 103).empty());
    EXPECT_TRUE(InkIn(0, 0, 53, 119).empty());
    EXPECT_TRUE(InkIn(106, 0, 159, 119).empty());
    EXPECT_EQ(InkIn(54, 104, 105, 119), std::set<int>{ClrWhite});
}

TEST_F(Furniture, FooterWithoutALabelIsRulesAndKnob) {
    ClearFrame();
    DrawHLine(0, 159, 102, ClrWhite);
    DrawVLine(102, 119, 53, ClrWhite);
    DrawVLine(102, 119, 106, ClrWhite);
    DrawKnobIcon();
    const std::vector<ColorIndex> bare = Snapshot();
    for (FooterKind kind : {FooterKind(0), FooterKind(4), FooterKind(255)}) {
        ClearFrame();
        DrawFooter(kind);
        EXPECT_EQ(Snapshot(), bare) << int(kind);
    }
    // With a label only the left cell changes; "EXIT" inks columns 9 to 42.
    ClearFrame();
    DrawFooter(FooterExit);
    EXPECT_EQ(TextStartX, 9);
    EXPECT_EQ(TextEndX, 43);
    EXPECT_EQ(InkIn(0, 103, 8, 119), std::set<int>{});
    EXPECT_EQ(InkIn(9, 103, 42, 119), std::set<int>{ClrWhite});
    EXPECT_EQ(InkIn(43, 103, 52, 119), std::set<int>{});
    for (int y = 0; y < ScreenHeight; ++y)
        for (int x = 53; x < ScreenWidth; ++x)
            ASSERT_EQ(At(x, y), bare[size_t(x + y * 160)]) << x << ", " << y;
}

TEST_F(Furniture, YesNoFooterHasLabelsAndNoKnob) {
    DrawYesNoFooter();
    EXPECT_EQ(TextStartX, 120); // "YES" centred on 134
    EXPECT_EQ(InkIn(0, 103, 52, 119), std::set<int>{ClrWhite});
    EXPECT_TRUE(InkIn(54, 103, 105, 119).empty());
    EXPECT_TRUE(InkIn(107, 103, 119, 119).empty());
    EXPECT_EQ(InkIn(120, 103, 159, 119), std::set<int>{ClrWhite});
    for (int x = 0; x < ScreenWidth; ++x) EXPECT_EQ(At(x, 102), ClrWhite) << x;
    for (int y = 102; y < ScreenHeight; ++y) {
        EXPECT_EQ(At(53, y), ClrWhite) << y;
        EXPECT_EQ(At(106, y), ClrWhite) << y;
    }
}

TEST_F(Furniture, HeaderWithoutTitlesIsLogoAndRule) {
    DrawHeader("", "");
    // "T" red, "ovek" white from column 15, nothing to the right of the logo.
    EXPECT_EQ(InkIn(0, 0, 14, 24), std::set<int>{ClrRed});
    EXPECT_EQ(InkIn(15, 0, 159, 24), std::set<int>{ClrWhite});
    EXPECT_TRUE(InkIn(80, 0, 159, 24).empty());
    for (int x = 0; x < ScreenWidth; ++x) EXPECT_EQ(At(x, 25), ClrWhite) << x;
    EXPECT_TRUE(InkIn(0, 26, 159, 119).empty());

    ClearFrame();
    DrawHeader("MAIN MENU", "SETUP");
    EXPECT_EQ(InkIn(90, 0, 159, 24), std::set<int>{ClrRed});
    EXPECT_EQ(TextEndX, 158); // the second title ends at the right margin too
}

} // namespace
