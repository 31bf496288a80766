// The window as it opens: every control where, how big, and with what text, range and font.
#include <QAction>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <gtest/gtest.h>

#include "gui_support.h"

namespace {

struct Placement {
    const char* Name;
    QWidget* Control;
    QRect Expected; // in the client area (Memo1: in GroupBox1)
};

TEST(GuiLayout, EveryControlSitsAtItsPlaceAndSize) {
    auto w = OpenWindow();
    const Placement placements[] = {
        {"Image1", w->Image1, {0, 0, 241, 249}},
        {"Image2", w->Image2, {52, 192, 33, 33}},
        {"Image3", w->Image3, {154, 192, 33, 33}},
        {"Image8", w->Image8, {100, 196, 41, 41}},
        {"Label55", w->Label55, {256, 8, 38, 13}},
        {"Label57", w->Label57, {304, 8, 6, 13}},
        {"Label3", w->Label3, {256, 32, 20, 13}},
        {"Label1", w->Label1, {256, 56, 20, 13}},
        {"Label2", w->Label2, {304, 56, 6, 13}},
        {"Shape1", w->Shape1, {8, 248, 33, 65}},
        {"StatusBar1", w->StatusBar1, {0, 310, 503, 19}},
        {"Button1", w->Button1, {56, 272, 75, 25}},
        {"Button2", w->Button2, {152, 272, 75, 25}},
        {"Button3", w->Button3, {64, 232, 33, 25}},
        {"Button4", w->Button4, {144, 232, 33, 25}},
        {"Panel1", w->Panel1, {40, 57, 161, 121}},
        {"Button5", w->Button5, {152, 8, 75, 25}},
        {"ScrollBar29", w->ScrollBar29, {352, 8, 137, 17}},
        {"GroupBox1", w->GroupBox1, {248, 120, 249, 185}},
        {"Memo1", w->Memo1, {2, 15, 245, 168}},
        {"ScrollBar2", w->ScrollBar2, {352, 32, 137, 17}},
        {"CheckBox1", w->CheckBox1, {256, 88, 97, 17}},
        {"ScrollBar1", w->ScrollBar1, {352, 56, 137, 17}},
        {"CheckBox2", w->CheckBox2, {376, 88, 97, 17}},
    };
    for (const Placement& p : placements) {
        QRect expected = p.Expected;
        // A label sizes itself to its text, which the stand-in font may make a little wider.
        if (auto* label = qobject_cast<QLabel*>(p.Control); label && label != w->Image1)
            expected.setWidth(qMax(expected.width(), label->sizeHint().width()));
        EXPECT_EQ(p.Control->geometry(), expected) << p.Name;
        EXPECT_LE(expected.width() - p.Expected.width(), 2) << p.Name;
        const QWidget* expectedParent = p.Control == w->Memo1 ? w->GroupBox1 : w->Client;
        EXPECT_EQ(p.Control->parentWidget(), expectedParent) << p.Name;
    }
    EXPECT_EQ(w->Memo1->parentWidget(), w->GroupBox1);
}

TEST(GuiLayout, ClientAreaBelowTheMenuIsFixedAndCentred) {
    auto w = OpenWindow();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Tovek KDR-7 Simulator"));
    EXPECT_EQ(w->Client->size(), QSize(503, 329));
    EXPECT_EQ(w->Client->y(), w->MainMenu1->height());
    EXPECT_EQ(w->size(), QSize(503, 329 + w->MainMenu1->height()));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());

    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);

    const QPoint screenCentre = w->screen()->availableGeometry().center();
    const QPoint windowCentre = w->frameGeometry().center();
    EXPECT_LE((screenCentre - windowCentre).manhattanLength(), 2);
}

TEST(GuiLayout, CaptionsRangesAndStartingValues) {
    auto w = OpenWindow();
    EXPECT_EQ(w->Label55->text(), "Altitude:");
    EXPECT_EQ(w->Label57->text(), "0");
    EXPECT_EQ(w->Label3->text(), "VSI:");
    EXPECT_EQ(w->Label1->text(), "ASI:");
    EXPECT_EQ(w->Label2->text(), "0");
    EXPECT_EQ(w->Button1->text(), "&On");
    EXPECT_EQ(w->Button2->text(), "&Off");
    EXPECT_EQ(w->Button3->text(), "+");
    EXPECT_EQ(w->Button4->text(), "-");
    EXPECT_EQ(w->Button5->text(), "Color Table");
    EXPECT_FALSE(w->Button5->isVisible());
    EXPECT_EQ(w->GroupBox1->title(), " Communications: ");
    EXPECT_EQ(w->CheckBox1->text(), "Altitude Sensor");
    EXPECT_TRUE(w->CheckBox1->isChecked());
    EXPECT_EQ(w->CheckBox2->text(), "Calibrate");
    EXPECT_FALSE(w->CheckBox2->isChecked());
    EXPECT_TRUE(w->Memo1->toPlainText().isEmpty());
    EXPECT_FALSE(w->Memo1->isReadOnly());
    EXPECT_TRUE(w->StatusBar1->currentMessage().isEmpty());

    struct Range {
        QScrollBar* Bar;
        int Minimum, Maximum;
    };
    for (const Range& r : {Range{w->ScrollBar29, 0, 65535}, Range{w->ScrollBar2, -6000, 6000},
                           Range{w->ScrollBar1, 0, 4096}}) {
        EXPECT_EQ(r.Bar->orientation(), Qt::Horizontal);
        EXPECT_EQ(r.Bar->minimum(), r.Minimum);
        EXPECT_EQ(r.Bar->maximum(), r.Maximum);
        EXPECT_EQ(r.Bar->value(), 0);
        EXPECT_EQ(r.Bar->singleStep(), 1);
        EXPECT_EQ(r.Bar->pageStep(), 1);
    }

    ASSERT_EQ(w->MainMenu1->actions().size(), 1);
    EXPECT_EQ(w->MainMenu1->actions()[0]->text(), "&File");
    ASSERT_EQ(w->File1->actions().size(), 1);
    EXPECT_EQ(w->File1->actions()[0], w->Exit1);
    EXPECT_EQ(w->Exit1->text(), "&Exit");
    EXPECT_TRUE(w->PopupMenu1->actions().isEmpty());
    EXPECT_FALSE(w->PopupMenu1->isVisible());

    EXPECT_EQ(w->Timer1->interval(), 100);
    EXPECT_TRUE(w->Timer1->isActive());
}

TEST(GuiLayout, FontsAreSansAtTheFormsPixelSizes) {
    auto w = OpenWindow();
    for (QWidget* control : {static_cast<QWidget*>(w->Label55), static_cast<QWidget*>(w->Button1),
                             static_cast<QWidget*>(w->CheckBox1)}) {
        const QFontInfo info(control->font());
        EXPECT_EQ(info.pixelSize(), 11) << info.family().toStdString();
        EXPECT_FALSE(info.bold());
    }
    for (QPushButton* knobButton : {w->Button3, w->Button4}) {
        const QFontInfo info(knobButton->font());
        EXPECT_EQ(info.pixelSize(), 16);
        EXPECT_TRUE(info.bold());
    }
}

TEST(GuiLayout, TabGoesThroughTheControlsInFormOrder) {
    auto w = OpenWindow();
    const QList<QWidget*> expected = {w->Button1,     w->Button2,   w->Button3,    w->Button4,
                                      w->ScrollBar29, w->Memo1,     w->ScrollBar2, w->CheckBox1,
                                      w->ScrollBar1,  w->CheckBox2, w->Button1};
    QList<QWidget*> seen = {w->Button1};
    QWidget* at = w->Button1;
    while (seen.size() < expected.size()) {
        do {
            at = at->nextInFocusChain();
        } while (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisible() || !at->isEnabled());
        seen << at;
    }
    EXPECT_EQ(seen, expected);
}

} // namespace
