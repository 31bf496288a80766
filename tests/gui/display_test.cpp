// What the display panel shows on the screen: exact palette colours, frame row r on panel
// row r + 1, the top row and the last column black; and the start-up without OpenGL.
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "graphics/framebuffer.h"
#include "gui_support.h"
#include "menus/screen_machine.h"
#include "shell/core/palette.h"
#include "shell/frame_rgb.h"

namespace {

QRgb PaletteRgb(int index) {
    return qRgb(Palette[index] >> 16, (Palette[index] >> 8) & 0xFF, Palette[index] & 0xFF);
}

// Every index, with neighbours that differ in both directions.
ColorIndex PatternAt(int x, int y) {
    return ColorIndex((x + 7 * y) % PaletteSize);
}

void FillPattern() {
    for (int y = 0; y < ScreenHeight; ++y)
        for (int x = 0; x < ScreenWidth; ++x) FrameBuffer[x + y * ScreenWidth] = PatternAt(x, y);
}

// Compares the panel on the screen with the frame buffer; returns the number of wrong device
// pixels and describes the first few.
int PanelMismatches(const QImage& shot, const QRect& panel, int scale, std::string& report) {
    int wrong = 0;
    auto check = [&](int dx, int dy, QRgb expected, const char* what) {
        const QRgb seen = shot.pixel(panel.x() + dx, panel.y() + dy) & 0xFFFFFF;
        if (seen == (expected & 0xFFFFFF)) return;
        if (++wrong <= 5) {
            char line[160];
            snprintf(line, sizeof line, "%s at panel device pixel (%d, %d): %06x, expected %06x\n",
                     what, dx, dy, unsigned(seen), unsigned(expected & 0xFFFFFF));
            report += line;
        }
    };
    for (int dy = 0; dy < panel.height(); ++dy)
        for (int dx = 0; dx < panel.width(); ++dx) {
            const int x = dx / scale;
            const int row = dy / scale; // panel row; frame row + 1
            if (row == 0)
                check(dx, dy, qRgb(0, 0, 0), "top row");
            else if (x >= ScreenWidth)
                check(dx, dy, qRgb(0, 0, 0), "last column");
            else
                check(dx, dy, PaletteRgb(PatternAt(x, row - 1)), "frame pixel");
        }
    return wrong;
}

TEST(GuiDisplay, EveryFramePixelLandsOnItsPanelPixelInItsPaletteColour) {
    auto w = OpenWindow();
    FillPattern();
    w->PresentFrame();
    w->SwapFrame();
    const QRect panel = PanelOnScreen(*w);
    const int scale = qRound(w->PanelSurface->devicePixelRatio());
    ASSERT_EQ(panel.size(), QSize(161, 121) * scale);
    std::string report;
    int wrong = -1;
    // The swap reaches the screen through the X server; give it a moment if needed.
    for (int attempt = 0; attempt < 20 && wrong != 0; ++attempt) {
        QTest::qWait(attempt == 0 ? 0 : 50);
        report.clear();
        wrong = PanelMismatches(GrabScreen(), panel, scale, report);
    }
    EXPECT_EQ(wrong, 0) << report;
}

TEST(GuiDisplay, RunLoopPresentsEachFrameItDraws) {
    auto w = OpenWindow();
    // A screen that leaves the pattern: the loop must show exactly what the screen drew.
    static ScreenHandler const patternScreen = [] { FillPattern(); };
    RunInstrument(*w, [&](uint64_t frame) {
        if (frame == 1) CurrentScreen = patternScreen;
        return frame < 4;
    });
    std::string report;
    int wrong = -1;
    for (int attempt = 0; attempt < 20 && wrong != 0; ++attempt) {
        QTest::qWait(attempt == 0 ? 0 : 50);
        report.clear();
        wrong = PanelMismatches(GrabScreen(), PanelOnScreen(*w),
                                qRound(w->PanelSurface->devicePixelRatio()), report);
    }
    EXPECT_EQ(wrong, 0) << report;
}

TEST(GuiDisplay, TrueColourTableIsThePaletteAndBlackPastIt) {
    static uint8_t frame[ScreenWidth * ScreenHeight];
    static uint32_t argb[ScreenWidth * ScreenHeight];
    for (int i = 0; i < ScreenWidth * ScreenHeight; ++i) frame[i] = uint8_t(i);
    ExpandFrameToArgb(frame, argb);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(argb[i], 0xFF000000u | (i < PaletteSize ? Palette[i] : 0u)) << "index " << i;
}

bool PanelAllBlack(const TfrmMain& w) {
    const QImage shot = GrabScreen();
    const QRect panel = PanelOnScreen(w);
    for (int y = panel.top(); y <= panel.bottom(); ++y)
        for (int x = panel.left(); x <= panel.right(); ++x)
            if ((shot.pixel(x, y) & 0xFFFFFF) != 0) return false;
    return true;
}

TEST(GuiDisplay, PanelIsBlackBeforeTheFirstOn) {
    FillPattern(); // whatever the frame buffer holds, nothing was presented yet
    auto w = OpenWindow();
    EXPECT_TRUE(QTest::qWaitFor([&]() { return PanelAllBlack(*w); }, 1000));
}

struct FailureCase {
    const char* Step;
    const char* Message;
};

class GuiDisplayFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(GuiDisplayFailure, ShowsItsMessageOnceAndStartsWithABlackDisplay) {
    qputenv("KDR7_FAIL_GL", GetParam().Step);
    MessageBoxCatcher catcher;
    auto w = OpenWindow();
    qunsetenv("KDR7_FAIL_GL");
    EXPECT_EQ(catcher.Texts, QStringList{QString::fromUtf8(GetParam().Message)});
    EXPECT_EQ(catcher.ButtonCounts, QList<int>{1});
    // The rest of the simulator works; the display stays black.
    FillPattern();
    uint64_t frames = 0;
    RunInstrument(*w, [&](uint64_t frame) {
        frames = frame;
        if (frame == 1) CurrentScreen = [] { FillPattern(); };
        return frame < 5;
    });
    EXPECT_GE(frames, 5u);
    EXPECT_TRUE(PanelAllBlack(*w));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, GuiDisplayFailure,
    ::testing::Values(FailureCase{"create", "Creating Rendering Context failed."},
                      FailureCase{"makecurrent", "MakeCurrent of rendering context failed."}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.Step); });

} // namespace
