// Bezel clicks, keys and wheel, and the sensor scroll bars, as a user works them.
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "gui_support.h"
#include "instrument/airdata.h"
#include "menus/screen_machine.h"
#include "shell/bezel_input.h"

namespace {

void Click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

void Wheel(QWidget* control, int angleDelta) {
    const QPointF at = control->rect().center();
    QWheelEvent wheel(at, control->mapToGlobal(at), QPoint(), QPoint(0, angleDelta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &wheel);
}

TEST(GuiInput, EachBezelControlLatchesItsEventOnlyWhileNoneIsPending) {
    auto w = OpenWindow();
    struct Case {
        const char* Name;
        QWidget* Control;
        InputEvent Event;
    };
    const Case cases[] = {{"left key", w->Image2, EvLeftKey},
                          {"right key", w->Image3, EvRightKey},
                          {"knob", w->Image8, EvKnobPress},
                          {"+", w->Button3, EvKnobUp},
                          {"-", w->Button4, EvKnobDown}};
    for (const Case& c : cases) {
        PendingEvent = EvNone;
        Click(c.Control);
        EXPECT_EQ(PendingEvent, c.Event) << c.Name;
        // A second click before a screen has consumed the first is dropped.
        for (const Case& other : cases) {
            Click(other.Control);
            EXPECT_EQ(PendingEvent, c.Event) << c.Name << " then " << other.Name;
        }
    }
    PendingEvent = EvNone;
}

TEST(GuiInput, PressAndReleaseMustBothBeOnTheArea) {
    auto w = OpenWindow();
    PendingEvent = EvNone;
    QTest::mousePress(w->Image8, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(w->Image8, Qt::LeftButton, {}, QPoint(60, 60)); // dragged off
    EXPECT_EQ(PendingEvent, EvNone);
    QTest::mouseClick(w->Image8, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(PendingEvent, EvNone);
}

TEST(GuiInput, ClickAreasShowAHandAndATip) {
    auto w = OpenWindow();
    for (QWidget* area : {w->Image2, w->Image3, w->Image8}) {
        EXPECT_EQ(area->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_FALSE(area->toolTip().isEmpty());
    }
    EXPECT_TRUE(w->Image2->toolTip().contains("F1"));
    EXPECT_TRUE(w->Image3->toolTip().contains("F2"));
}

TEST(GuiInput, KeysWorkTheBezelButLeaveTypingToTheCommunicationsBox) {
    auto w = OpenWindow();
    struct Case {
        const char* Name;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        InputEvent Event;       // focus on a button
        InputEvent EventTyping; // focus in the Communications box
    };
    const Case cases[] = {
        {"F1", Qt::Key_F1, Qt::NoModifier, EvLeftKey, EvLeftKey},
        {"F2", Qt::Key_F2, Qt::NoModifier, EvRightKey, EvRightKey},
        {"Enter", Qt::Key_Return, Qt::NoModifier, EvKnobPress, EvNone},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, EvKnobPress, EvNone},
        {"Space", Qt::Key_Space, Qt::NoModifier, EvKnobPress, EvNone},
        {"+", Qt::Key_Plus, Qt::NoModifier, EvKnobUp, EvNone},
        {"keypad +", Qt::Key_Plus, Qt::KeypadModifier, EvKnobUp, EvNone},
        {"-", Qt::Key_Minus, Qt::NoModifier, EvKnobDown, EvNone},
        {"keypad -", Qt::Key_Minus, Qt::KeypadModifier, EvKnobDown, EvNone},
        {"A", Qt::Key_A, Qt::NoModifier, EvNone, EvNone},
    };
    for (const Case& c : cases) {
        w->Button1->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&]() { return w->Button1->hasFocus(); }, 1000));
        PendingEvent = EvNone;
        QTest::keyClick(w->Button1, c.Key, c.Modifiers);
        EXPECT_EQ(PendingEvent, c.Event) << c.Name << " on a button";
        EXPECT_FALSE(w->LoopRunning()) << c.Name << " must not press the focused button";

        w->Memo1->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&]() { return w->Memo1->hasFocus(); }, 1000));
        PendingEvent = EvNone;
        QTest::keyClick(w->Memo1, c.Key, c.Modifiers);
        EXPECT_EQ(PendingEvent, c.EventTyping) << c.Name << " in the Communications box";
    }
    PendingEvent = EvNone;
    // What was typed into the box stayed there.
    EXPECT_TRUE(w->Memo1->toPlainText().contains("+-"));
    EXPECT_TRUE(w->Memo1->toPlainText().contains("a"));
}

TEST(GuiInput, WheelOverTheKnobTurnsItOneClickPerNotch) {
    auto w = OpenWindow();
    PendingEvent = EvNone;
    Wheel(w->Image8, 120);
    EXPECT_EQ(PendingEvent, EvKnobUp);
    PendingEvent = EvNone;
    Wheel(w->Image8, -120);
    EXPECT_EQ(PendingEvent, EvKnobDown);
    // A fine-grained wheel turns the knob once its movement adds up to a notch.
    PendingEvent = EvNone;
    Wheel(w->Image8, 60);
    EXPECT_EQ(PendingEvent, EvNone);
    Wheel(w->Image8, 60);
    EXPECT_EQ(PendingEvent, EvKnobUp);
    PendingEvent = EvNone;
    // Over the rest of the window the wheel does nothing to the bezel.
    Wheel(w->Image2, 120);
    EXPECT_EQ(PendingEvent, EvNone);
}

TEST(GuiInput, WheelNotchesAddUpFineMovements) {
    struct Case {
        int Delta, RemainderBefore, Notches, RemainderAfter;
    };
    const Case cases[] = {{120, 0, 1, 0}, {-120, 0, -1, 0}, {360, 0, 3, 0},      {40, 0, 0, 40},
                          {40, 80, 1, 0}, {-50, 80, 0, 30}, {-100, -30, -1, -10}};
    for (const Case& c : cases) {
        int remainder = c.RemainderBefore;
        EXPECT_EQ(WheelNotches(c.Delta, remainder), c.Notches)
            << c.Delta << " " << c.RemainderBefore;
        EXPECT_EQ(remainder, c.RemainderAfter);
    }
}

TEST(GuiInput, HeldKeysRepeatOnlyTheKnobTurns) {
    EXPECT_EQ(BezelEventForKey(Qt::Key_Plus, Qt::NoModifier, true, false), EvKnobUp);
    EXPECT_EQ(BezelEventForKey(Qt::Key_Minus, Qt::NoModifier, true, false), EvKnobDown);
    EXPECT_EQ(BezelEventForKey(Qt::Key_F1, Qt::NoModifier, true, false), EvNone);
    EXPECT_EQ(BezelEventForKey(Qt::Key_Space, Qt::NoModifier, true, false), EvNone);
    // Shortcuts with Alt or Ctrl are the window's (Alt+O is "On").
    EXPECT_EQ(BezelEventForKey(Qt::Key_F1, Qt::AltModifier, false, false), EvNone);
    EXPECT_EQ(BezelEventForKey(Qt::Key_Plus, Qt::ControlModifier, false, false), EvNone);
}

TEST(GuiInput, ScrollBarsWriteTheirLabelsAndFields) {
    auto w = OpenWindow();
    struct Case {
        QScrollBar* Bar;
        int Position;
        QLabel* Label;
        const char* Text;
        int64_t (*Field)();
    };
    const Case cases[] = {
        {w->ScrollBar29, 65535, w->Label57, "65535", [] { return int64_t(AirData.Altitude); }},
        {w->ScrollBar29, 1234, w->Label57, "1234", [] { return int64_t(AirData.Altitude); }},
        {w->ScrollBar2, -6000, w->Label3, "-6000", [] { return int64_t(AirData.VerticalSpeed); }},
        {w->ScrollBar2, 6000, w->Label3, "6000", [] { return int64_t(AirData.VerticalSpeed); }},
        {w->ScrollBar2, -5, w->Label3, "-5", [] { return int64_t(AirData.VerticalSpeed); }},
        {w->ScrollBar1, 4096, w->Label2, "4096", [] { return int64_t(AirData.AsiRaw); }},
        {w->ScrollBar1, 7, w->Label2, "7", [] { return int64_t(AirData.AsiRaw); }},
    };
    for (const Case& c : cases) {
        c.Bar->setValue(c.Position);
        EXPECT_EQ(c.Label->text(), c.Text);
        EXPECT_EQ(c.Field(), c.Position) << c.Text;
        // The label grows with its text, as an auto-sized label does.
        EXPECT_GE(c.Label->width(), c.Label->fontMetrics().horizontalAdvance(c.Label->text()));
    }
    // The user's own clicks on the arrows step by one.
    w->ScrollBar1->setValue(10);
    const QRect bar = w->ScrollBar1->rect();
    QTest::mouseClick(w->ScrollBar1, Qt::LeftButton, {}, QPoint(bar.right() - 3, bar.center().y()));
    EXPECT_EQ(w->ScrollBar1->value(), 11);
    EXPECT_EQ(w->Label2->text(), "11");
    EXPECT_EQ(AirData.AsiRaw, 11);
}

} // namespace
