// Random and adversarial input through the real window while the instrument runs: rapid clicks
// on every control, keys, scroll bars thrown to both ends, the sensor box toggled, "On" again
// and again; the instrument's invariants are checked after every frame, and the window is closed
// in the middle of it all.
#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "gui_support.h"
#include "shell/core/run_loop.h"
#include "walk.h"

namespace {

TEST(GuiRandomInput, NothingBreaksAndClosingMidWalkEndsTheLoop) {
    auto w = OpenWindow();
    std::mt19937 random(20261211); // fixed: a failure comes back on the next run
    QScrollBar* const bars[] = {w->ScrollBar29, w->ScrollBar2, w->ScrollBar1};
    QWidget* const clickable[] = {w->Image2, w->Image3, w->Image8, w->Button3, w->Button4};
    const Qt::Key keys[] = {Qt::Key_F1,    Qt::Key_F2,     Qt::Key_Plus,
                            Qt::Key_Minus, Qt::Key_Return, Qt::Key_Space};
    constexpr int Steps = 3000;
    int steps = 0, ons = 0;
    uint64_t framesAtClose = 0;
    std::string broken;

    RunInstrument(*w, [&](uint64_t) {
        if (framesAtClose != 0) return true; // closed: the close alone must end the loop
        if (broken.empty()) broken = CheckInvariants(false);
        if (++steps == Steps) {
            framesAtClose = w->FramesShown();
            w->close();
            return true;
        }
        const unsigned pick = random() % 100;
        if (pick < 45) {
            QTest::mouseClick(clickable[random() % 5], Qt::LeftButton);
        } else if (pick < 60) {
            QTest::keyClick(w.get(), keys[random() % 6]);
        } else if (pick < 75) {
            QScrollBar* bar = bars[random() % 3];
            bar->setValue(bar->minimum() +
                          int(random() % unsigned(bar->maximum() - bar->minimum() + 1)));
        } else if (pick < 85) {
            bars[random() % 3]->triggerAction(random() % 2 ? QAbstractSlider::SliderToMinimum
                                                           : QAbstractSlider::SliderToMaximum);
        } else if (pick < 90) {
            w->CheckBox1->click();
        } else if (pick < 93) {
            ++ons;
            QTest::mouseClick(w->Button1, Qt::LeftButton); // "On" again: restarts in place
        }
        return true;
    });

    EXPECT_EQ(broken, "");
    EXPECT_EQ(steps, Steps);
    EXPECT_GT(ons, 0);
    EXPECT_FALSE(w->LoopRunning());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->FramesShown(), framesAtClose) << "a frame was drawn after the close";
    EXPECT_EQ(w->LoopsEntered(), 1u) << "\"On\" while running must not start a second loop";
}

} // namespace
