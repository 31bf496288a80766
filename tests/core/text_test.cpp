// Strings drawn into the frame buffer: their extents, their pixels against the glyphs laid side by
// side, clipping at the screen's edges, and the fallbacks for unknown fonts and alignments.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "graphics/framebuffer.h"
#include "graphics/text.h"

namespace {

int Read16(const uint8_t* p) {
    return p[0] | p[1] << 8;
}

// The string's glyph cells laid side by side on an unbounded canvas, starting at column left:
// what DrawText should show, before clipping.
struct Canvas {
    std::vector<std::pair<int, int>> ink; // (x, y) of every inked pixel
};

Canvas Lay(const char* text, FontId font, int left, int top) {
    const uint8_t* t = FontTableFor(font);
    const int first = Read16(t + 2), last = Read16(t + 4), height = t[7];
    Canvas c;
    int pen = left;
    for (const unsigned char* s = reinterpret_cast<const unsigned char*>(text); *s; ++s) {
        if (*s < first || *s > last) continue;
        const uint8_t* e = t + 8 + 4 * (*s - first);
        const int width = e[1];
        const uint8_t* rows = t + (e[0] << 16 | e[3] << 8 | e[2]);
        const int bytes = (width + 7) / 8;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (rows[y * bytes + x / 8] & (0x80 >> (x % 8)))
                    c.ink.push_back({pen + x, top + y});
        pen += width + 1;
    }
    return c;
}

std::vector<ColorIndex> Expected(const Canvas& c, ColorIndex colour) {
    std::vector<ColorIndex> frame(ScreenWidth * ScreenHeight, 0);
    for (auto [x, y] : c.ink)
        if (x >= 0 && x < ScreenWidth && y >= 0 && y < ScreenHeight)
            frame[size_t(x + y * ScreenWidth)] = colour;
    return frame;
}

std::vector<ColorIndex> Frame() {
    return {FrameBuffer, FrameBuffer + ScreenWidth * ScreenHeight};
}

struct ExtentCase {
    const char* text;
    FontId font;
    TextAlign align;
    int x;
    int start, end;
};

TEST(TextDraw, ExtentsOfTheStringsTheScreensLayOut) {
    const ExtentCase cases[] = {
        {"EXIT", 8, AlignCentre, 26, 9, 43},
        {"MAIN MENU", 8, AlignRight, 158, 72, 158},
        {"ALTITUDE UNIT: ", 8, AlignLeft, 0, 0, 124},
        {"CONTROL TO ADJUST", 8, AlignCentre, 80, -1, 162},
        {"YES", 8, AlignCentre, 134, 120, 149}, // T = 29 is halved downwards
        {"", 8, AlignCentre, 57, 57, 57},
        {"", 24, AlignRight, 57, 57, 57},
        {"", 16, AlignLeft, 57, 57, 57},
        {"1013", 24, AlignRight, 100, 0, 100},
        {"-12.5", 9, AlignLeft, 3, 3, 3 + 5 + 9 + 9 + 4 + 9 + 5},
    };
    for (const ExtentCase& c : cases) {
        ClearFrame();
        DrawText(uint16_t(c.x), 40, c.text, c.font, c.align, ClrWhite);
        EXPECT_EQ(TextStartX, c.start) << '"' << c.text << '"';
        EXPECT_EQ(TextEndX, c.end) << '"' << c.text << '"';
        EXPECT_EQ(Frame(), Expected(Lay(c.text, c.font, c.start, 40), ClrWhite)) << c.text;
    }
}

TEST(TextDraw, EmptyStringDrawsNothing) {
    ClearFrame();
    DrawText(80, 60, "", 8, AlignCentre, ClrWhite);
    EXPECT_EQ(Frame(), std::vector<ColorIndex>(ScreenWidth * ScreenHeight, 0));
}

TEST(TextDraw, RightAlignedTitleKeepsItsInkInsideItsLastCell) {
    ClearFrame();
    DrawText(158, 0, "MAIN MENU", 8, AlignRight, ClrRed);
    int lastInked = -1;
    for (int y = 0; y < ScreenHeight; ++y)
        for (int x = 0; x < ScreenWidth; ++x)
            if (FrameBuffer[x + y * ScreenWidth]) lastInked = std::max(lastInked, x);
    EXPECT_GE(lastInked, 150);
    EXPECT_LE(lastInked, 156);
}

// Centred on 80 the string is one column too wide on each side: the blank column left of the C
// and the last column of the final T's bar fall off the screen, and nothing wraps to other rows.
TEST(TextDraw, StringWiderThanTheScreenIsClippedAtBothEdges) {
    ClearFrame();
    DrawText(80, 30, "CONTROL TO ADJUST", 8, AlignCentre, ClrWhite);
    const Canvas laid = Lay("CONTROL TO ADJUST", 8, -1, 30);
    bool inkAt160 = false;
    for (auto [x, y] : laid.ink) {
        EXPECT_NE(x, -1);
        EXPECT_LE(x, 160);
        inkAt160 |= x == 160;
    }
    EXPECT_TRUE(inkAt160);
    EXPECT_EQ(Frame(), Expected(laid, ClrWhite));
}

TEST(TextDraw, StringsRunningOffEveryEdgeAreClipped) {
    const struct {
        int x, y;
        FontId font;
        const char* text;
    } cases[] = {
        {-20, 0, 8, "MAIN MENU"}, {-70, 10, 24, "12345"}, {150, 5, 16, "Wide"},
        {10, 100, 16, "Qypgj"},   {10, 118, 34, "88"},    {10, -20, 16, "Qypgj"},
        {-3, -3, 8, "AB"},        {152, 60, 8, "WM"},     {30000, 10, 8, "FAR"},
        {-30000, 10, 8, "FAR"},
    };
    for (const auto& c : cases) {
        ClearFrame();
        DrawText(uint16_t(c.x), uint16_t(c.y), c.text, c.font, AlignLeft, ClrGreen);
        EXPECT_EQ(Frame(), Expected(Lay(c.text, c.font, c.x, c.y), ClrGreen)) << c.text;
        EXPECT_EQ(TextStartX, c.x);
    }
}

// Each glyph lights pixels only inside its own cell: the bits beyond a glyph's width in its last
// byte never show, whether the glyph takes one, two or more bytes a row.
TEST(TextDraw, EveryGlyphStaysInsideItsCell) {
    for (FontId font : {8, 9, 10, 12, 16, 20, 24, 30, 34}) {
        const uint8_t* t = FontTableFor(font);
        const int first = Read16(t + 2), last = Read16(t + 4), height = t[7];
        for (int code = std::max(first, 1); code <= last; ++code) {
            const char text[2] = {char(code), 0};
            ClearFrame();
            DrawText(5, 2, text, font, AlignLeft, ClrWhite);
            const int width = TextEndX - 5 - 1;
            for (int y = 0; y < ScreenHeight; ++y)
                for (int x = 0; x < ScreenWidth; ++x)
                    if (FrameBuffer[x + y * ScreenWidth]) {
                        ASSERT_TRUE(x >= 5 && x < 5 + width && y >= 2 && y < 2 + height)
                            << "font " << int(font) << " code " << code << " at " << x << "," << y;
                    }
        }
    }
}

TEST(TextDraw, UnknownFontIdsFallBackToFont8) {
    ClearFrame();
    DrawText(80, 20, "SETUP 123", 8, AlignCentre, ClrWhite);
    const std::vector<ColorIndex> font8 = Frame();
    const int start = TextStartX, end = TextEndX;
    for (FontId font : {0, 11, 255}) {
        ClearFrame();
        DrawText(80, 20, "SETUP 123", font, AlignCentre, ClrWhite);
        EXPECT_EQ(Frame(), font8) << int(font);
        EXPECT_EQ(TextStartX, start);
        EXPECT_EQ(TextEndX, end);
    }
}

TEST(TextDraw, UnknownAlignmentsCentre) {
    ClearFrame();
    DrawText(80, 20, "ODD", 10, AlignCentre, ClrWhite);
    const std::vector<ColorIndex> centred = Frame();
    const int start = TextStartX;
    for (TextAlign align : {3, 255}) {
        ClearFrame();
        DrawText(80, 20, "ODD", 10, align, ClrWhite);
        EXPECT_EQ(Frame(), centred) << int(align);
        EXPECT_EQ(TextStartX, start);
    }
}

TEST(TextDraw, BlackTextCutsItsGlyphsOutOfAFilledBox) {
    ClearFrame();
    FillRect(20, 10, 139, 40, ClrYellow);
    DrawText(80, 12, "123.4", 24, AlignCentre, ClrBlack);
    const Canvas laid = Lay("123.4", 24, TextStartX, 12);
    std::vector<ColorIndex> expected(ScreenWidth * ScreenHeight, 0);
    for (int y = 10; y <= 40; ++y)
        for (int x = 20; x <= 139; ++x) expected[size_t(x + y * ScreenWidth)] = ClrYellow;
    for (auto [x, y] : laid.ink)
        if (x >= 0 && x < ScreenWidth && y < ScreenHeight)
            expected[size_t(x + y * ScreenWidth)] = 0;
    ASSERT_FALSE(laid.ink.empty());
    EXPECT_EQ(Frame(), expected);
}

// Codes a font does not hold (letters in the numeric fonts, signs beyond ASCII in the small ones)
// draw nothing and take no room.
TEST(TextDraw, CharactersOutsideTheFontAreSkipped) {
    const struct {
        FontId font;
        const char* with;
        const char* without;
    } cases[] = {
        {24, "1A2", "12"},
        {20, "9:0z", "90"},
        {34,
         "\xb0"
         "5",
         "5"},
        {9,
         "A\x01"
         "B\xff",
         "AB"},
        {12,
         "\x1f"
         "C\x80",
         "C"},
    };
    for (const auto& c : cases) {
        ClearFrame();
        DrawText(10, 5, c.without, c.font, AlignCentre, ClrWhite);
        const std::vector<ColorIndex> plain = Frame();
        const int start = TextStartX, end = TextEndX;
        ClearFrame();
        DrawText(10, 5, c.with, c.font, AlignCentre, ClrWhite);
        EXPECT_EQ(Frame(), plain) << c.with;
        EXPECT_EQ(TextStartX, start);
        EXPECT_EQ(TextEndX, end);
    }
}

// The full fonts draw their whole code range, symbols and the Western page included.
TEST(TextDraw, FullFontsDrawSymbolsAndWesternLetters) {
    for (FontId font : {8, 10}) {
        ClearFrame();
        DrawText(0, 0, "\x0b\x0c\x0d\x15 \xb0\xc4\xe9\x80", font, AlignLeft, ClrWhite);
        const Canvas laid = Lay("\x0b\x0c\x0d\x15 \xb0\xc4\xe9\x80", font, 0, 0);
        EXPECT_GT(laid.ink.size(), 50u);
        EXPECT_EQ(Frame(), Expected(laid, ClrWhite));
    }
}

} // namespace
