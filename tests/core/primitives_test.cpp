// Pixels the primitives light, read back from the frame buffer.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "graphics/framebuffer.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels Lit() {
    Pixels lit;
    for (int y = 0; y < ScreenHeight; ++y)
        for (int x = 0; x < ScreenWidth; ++x)
            if (FrameBuffer[x + y * ScreenWidth] != 0) lit.insert({x, y});
    return lit;
}

struct LineCase {
    int x0, y0, x1, y1;
    Pixels expected;
};

TEST(DrawLine, LightsTheBresenhamPixelsFromItsStart) {
    const LineCase cases[] = {
        {5, 5, 5, 5, {{5, 5}}},
        {0, 0, 4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
        {4, 2, 0, 0, {{4, 2}, {3, 2}, {2, 1}, {1, 1}, {0, 0}}},
        {0, 0, 2, 4, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
        {0, 0, 5, 1, {{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 1}, {5, 1}}},
        {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
        {158, 2, 162, 2, {{158, 2}, {159, 2}}},
    };
    for (const LineCase& c : cases) {
        ClearFrame();
        DrawLine(uint16_t(c.x0), uint16_t(c.y0), uint16_t(c.x1), uint16_t(c.y1), 7);
        EXPECT_EQ(Lit(), c.expected) << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1;
    }
}

TEST(Primitives, ClipEveryPixelOnItsOwn) {
    ClearFrame();
    SetPixel(160, 0, 1);
    SetPixel(0, 120, 1);
    SetPixel(uint16_t(-1), 5, 1);
    EXPECT_TRUE(Lit().empty());

    DrawHLine(10, 5, 3, 1); // start after end: nothing
    EXPECT_TRUE(Lit().empty());
    DrawHLine(5, 5, 3, 1);
    EXPECT_EQ(Lit(), (Pixels{{5, 3}}));

    ClearFrame();
    DrawHLine(150, 170, 0, 1); // off-screen steps are skipped, not cut short
    EXPECT_EQ(Lit().size(), 10u);
    ClearFrame();
    DrawVLine(110, 65535, 0, 1); // an end of -1 still ends
    EXPECT_EQ(Lit().size(), 10u);
}

TEST(Primitives, RectanglesOfOneRowDrawNothingAndReversedEdgesAreLeftOut) {
    ClearFrame();
    DrawRect(10, 20, 30, 20, 1);
    FillRect(10, 20, 30, 20, 1);
    EXPECT_TRUE(Lit().empty());

    FillRect(10, 20, 30, 21, 1);
    EXPECT_EQ(Lit().size(), 42u);

    ClearFrame();
    DrawRect(30, 10, 20, 40, 1); // x0 > x1: only the two vertical edges
    Pixels expected;
    for (int y = 10; y <= 40; ++y) expected.insert({30, y}), expected.insert({20, y});
    EXPECT_EQ(Lit(), expected);

    ClearFrame();
    DrawRect(2, 3, 5, 6, 1);
    EXPECT_EQ(Lit().size(), 12u); // the outline of a 4 x 4 square
}

TEST(DrawArc, KnobIconArcTruncatesTowardZero) {
    InitTrigTables();
    ClearFrame();
    DrawArc(80, 124, 20, 220, 320, 1);
    const Pixels lit = Lit();
    EXPECT_TRUE(lit.count({65, 112}));
    EXPECT_TRUE(lit.count({95, 111}));
    EXPECT_TRUE(lit.count({80, 104}));
    // 269 and 271 degrees: 20 x sin is -19.997, truncated to -19.
    EXPECT_TRUE(lit.count({80 + int(20 * CosDeg(269)), 105}));
    EXPECT_EQ(int(20 * SinDeg(269)), -19);
    for (const auto& p : lit) EXPECT_LE(p.second, 112);
}

TEST(TrigTables, MatchSineAndCosineOfWholeDegrees) {
    InitTrigTables();
    for (int k = 0; k <= 360; ++k) {
        const double a = k * 0.017453292519943295;
        EXPECT_EQ(SinPos[k], float(std::sin(a)));
        EXPECT_EQ(CosPos[k], float(std::cos(a)));
        EXPECT_EQ(SinNeg[k], float(std::sin(-a)));
        EXPECT_EQ(CosNeg[k], float(std::cos(-a)));
        EXPECT_EQ(SinDeg(int16_t(-k)), SinNeg[k]);
        EXPECT_EQ(CosDeg(int16_t(k)), CosPos[k]);
    }
    EXPECT_EQ(SinNeg[0], 0.0f);
    EXPECT_EQ(CosNeg[0], 1.0f);
}

} // namespace
