// "On", "Off", File > Exit and closing the window, with the run loop going; the lamp, the
// altitude sensor box and the clock as the loop sees them.
#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

#include "gui_support.h"
#include "instrument/airdata.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"
#include "shell/core/run_loop.h"

namespace {

TEST(GuiRunLoop, OnRunsFramesUntilOffWithNoFrameAfterIt) {
    auto w = OpenWindow();
    uint64_t framesAtOff = 0;
    RunInstrument(*w, [&](uint64_t frame) {
        EXPECT_TRUE(w->LoopRunning());
        if (frame < 20) return true;
        framesAtOff = w->FramesShown();
        return false;
    });
    EXPECT_FALSE(w->LoopRunning());
    EXPECT_EQ(w->FramesShown(), framesAtOff);
    EXPECT_EQ(PowerOffRequest, 1);
    // Off: nothing more is drawn, however long the window stays open.
    QTest::qWait(150);
    EXPECT_EQ(w->FramesShown(), framesAtOff);
}

TEST(GuiRunLoop, OffBeforeOnChangesNothingAndOnStartsNormally) {
    auto w = OpenWindow();
    QTest::mouseClick(w->Button2, Qt::LeftButton);
    EXPECT_EQ(w->FramesShown(), 0u);
    EXPECT_FALSE(w->LoopRunning());
    uint64_t frames = 0;
    RunInstrument(*w, [&](uint64_t frame) {
        frames = frame;
        return frame < 5;
    });
    EXPECT_GE(frames, 5u);
}

TEST(GuiRunLoop, OnWhileRunningRestartsTheOneLoopInPlace) {
    auto w = OpenWindow();
    const uint32_t loopsBefore = w->LoopsEntered();
    std::set<uintptr_t> stackMarks;
    int clicks = 0;
    bool freshAfterEveryClick = true;
    RunInstrument(*w, [&](uint64_t) {
        stackMarks.insert(w->LoopStackMark());
        if (clicks == 3000) return false;
        // Something for the restart to undo.
        Settings.SerialOut = 1;
        PendingEvent = EvKnobPress;
        QTest::mouseClick(w->Button1, Qt::LeftButton);
        ++clicks;
        freshAfterEveryClick = freshAfterEveryClick && PendingEvent == EvNone &&
                               Settings.SerialOut == 0 && CurrentScreen == HomeScreen &&
                               PowerOffRequest == 0;
        return true;
    });
    EXPECT_EQ(clicks, 3000);
    EXPECT_TRUE(freshAfterEveryClick);
    EXPECT_EQ(w->LoopsEntered() - loopsBefore, 1u);
    EXPECT_EQ(stackMarks.size(), 1u) << "the stack grew with the clicks";
    // One "Off" (clicked by RunInstrument) stopped it all.
    EXPECT_FALSE(w->LoopRunning());
}

TEST(GuiRunLoop, OffThenOnInTheSameMessageProcessingKeepsRunning) {
    auto w = OpenWindow();
    bool clickedBoth = false;
    uint64_t framesAfter = 0;
    RunInstrument(*w, [&](uint64_t frame) {
        if (!clickedBoth && frame >= 3) {
            QTest::mouseClick(w->Button2, Qt::LeftButton);
            QTest::mouseClick(w->Button1, Qt::LeftButton);
            clickedBoth = true;
            framesAfter = frame;
            return true;
        }
        return !clickedBoth || frame < framesAfter + 5;
    });
    EXPECT_TRUE(clickedBoth);
    EXPECT_EQ(w->LoopsEntered(), 1u);
}

TEST(GuiRunLoop, ClosingTheWindowWhileRunningEndsTheLoopWithoutAnotherFrame) {
    auto w = OpenWindow();
    uint64_t framesAtClose = 0;
    RunInstrument(*w, [&](uint64_t frame) {
        if (frame < 10) return true;
        if (framesAtClose == 0) {
            framesAtClose = w->FramesShown();
            w->close();
        }
        return true; // no "Off": the close alone must end the loop
    });
    EXPECT_FALSE(w->LoopRunning());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->FramesShown(), framesAtClose);
    EXPECT_EQ(PowerOffRequest, 1);
}

TEST(GuiRunLoop, FileExitWhileRunningEndsTheLoopWithoutAnotherFrame) {
    auto w = OpenWindow();
    uint64_t framesAtExit = 0;
    RunInstrument(*w, [&](uint64_t frame) {
        if (frame < 10) return true;
        if (framesAtExit == 0) {
            framesAtExit = w->FramesShown();
            w->Exit1->trigger();
        }
        return true;
    });
    EXPECT_FALSE(w->LoopRunning());
    EXPECT_EQ(w->FramesShown(), framesAtExit);
    EXPECT_EQ(PowerOffRequest, 1);
}

TEST(GuiRunLoop, LampShowsTheAlarmFlagsAsThePreviousFrameLeftThem) {
    auto w = OpenWindow();
    enum { Raise, SeeRed, Acknowledge, SeeMaroon, Done } stage = Raise;
    uint32_t lampWithAlarm = 0, lampAcknowledged = 0;
    RunInstrument(*w, [&](uint64_t frame) {
        if (frame < 3) return true;
        switch (stage) {
        case Raise:
            EXPECT_EQ(w->LampColour(), LampMaroon);
            AlarmActive = AirspeedAlarmBit;
            AlarmAcknowledged = 0;
            stage = SeeRed;
            return true;
        case SeeRed:
            lampWithAlarm = w->LampColour();
            AlarmActive = AirspeedAlarmBit;
            AlarmAcknowledged = AirspeedAlarmBit;
            stage = SeeMaroon;
            return true;
        case SeeMaroon:
            lampAcknowledged = w->LampColour();
            stage = Done;
            return false;
        default:
            return false;
        }
    });
    EXPECT_EQ(lampWithAlarm, LampRed);
    EXPECT_EQ(lampAcknowledged, LampMaroon);
}

TEST(GuiRunLoop, LampIsACircleInItsBoxInTheLampColour) {
    auto w = OpenWindow();
    const QImage maroon = w->Shape1->grab().toImage();
    const qreal ratio = maroon.devicePixelRatio();
    const QPoint centre(qRound(16.5 * ratio), qRound(32.5 * ratio));
    EXPECT_EQ(maroon.pixelColor(centre), QColor(128, 0, 0));
    // Outside the circle (the box's top corner and its top strip) the window shows through.
    EXPECT_NE(maroon.pixelColor(QPoint(qRound(16 * ratio), qRound(8 * ratio))), QColor(128, 0, 0));
    QColor lit;
    RunInstrument(*w, [&](uint64_t frame) {
        if (frame == 1) {
            AlarmActive = AirspeedAlarmBit;
            AlarmAcknowledged = 0;
        }
        if (frame == 2) lit = w->Shape1->grab().toImage().pixelColor(centre);
        return frame < 2;
    });
    EXPECT_EQ(lit, QColor(255, 0, 0));
}

TEST(GuiRunLoop, EveryFrameCopiesTheAltitudeSensorBox) {
    auto w = OpenWindow();
    uint8_t seenChecked = 9, seenUnchecked = 9;
    RunInstrument(*w, [&](uint64_t frame) {
        if (frame == 2) w->CheckBox1->setChecked(false);
        if (frame == 3) seenUnchecked = AirData.AltSensorOk;
        if (frame == 4) w->CheckBox1->setChecked(true);
        if (frame == 5) seenChecked = AirData.AltSensorOk;
        return frame < 5;
    });
    EXPECT_EQ(seenUnchecked, 0);
    EXPECT_EQ(seenChecked, 1);
}

TEST(GuiRunLoop, ClockTicksEveryTenthOfASecondWhetherOnOrOff) {
    auto w = OpenWindow();
    int ticks = 0;
    uint8_t last = BlinkTicks;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&]() {
        if (BlinkTicks != last) ++ticks;
        last = BlinkTicks;
    });
    watch.start();
    QTest::qWait(1000);
    EXPECT_GE(ticks, 8);
    EXPECT_LE(ticks, 12);
    ticks = 0;
    RunInstrument(*w, [&](uint64_t) {
        if (BlinkTicks != last) ++ticks;
        last = BlinkTicks;
        return ticks < 5;
    });
    EXPECT_EQ(ticks, 5);
}

} // namespace
