// The Communications box: one line per frame while SERIAL OUT is on, readable control
// characters, the newest line in view, and a bounded length.
#include <QPlainTextEdit>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

#include "gui_support.h"
#include "instrument/settings.h"
#include "shell/comms_text.h"
#include "shell/core/serial.h"

namespace {

QString LastLine(const QPlainTextEdit* memo) {
    return memo->document()->lastBlock().text();
}

TEST(GuiComms, ControlCharactersReadAsSymbolsAndTheClosingReturnEndsTheLine) {
    struct Case {
        const char* Sentence;
        const char16_t* Shown;
    };
    const Case cases[] = {
        {"#AL +00000T+25D1\r", u"#AL +00000T+25D1"},
        {"ALT 00800\r", u"ALT 00800"},
        {"\x02"
         "a=30800\x03",
         u"\u2402a=30800\u2403"},
        {"A\rB\r", u"A\u240DB"},
        {"", u""},
        {"\r", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CommsDisplayText(c.Sentence), QString::fromUtf16(c.Shown)) << c.Sentence;
}

TEST(GuiComms, OneLinePerFrameWhileSerialOutIsOnAndNoneWhileOff) {
    auto w = OpenWindow();
    w->Memo1->clear();
    uint64_t onAt = 0, offAt = 0;
    int linesAtOff = -1;
    RunInstrument(*w, [&](uint64_t frame) {
        if (frame == 2) {
            Settings.SerialProtocol = 2;
            Settings.SerialOut = 1;
            onAt = frame;
        }
        if (frame == 12) {
            Settings.SerialOut = 0;
            offAt = frame;
            linesAtOff = w->Memo1->blockCount();
        }
        return frame < 20;
    });
    EXPECT_EQ(linesAtOff, int(offAt - onAt));
    EXPECT_EQ(w->Memo1->blockCount(), linesAtOff);
    EXPECT_EQ(LastLine(w->Memo1), CommsDisplayText(SerialLine));
    EXPECT_EQ(LastLine(w->Memo1), "ALT 00000");
}

TEST(GuiComms, MicroairSentencesShowTheirStartAndEndMarks) {
    auto w = OpenWindow();
    RunInstrument(*w, [&](uint64_t frame) {
        if (frame == 1) {
            Settings.SerialProtocol = 5;
            Settings.SerialOut = 1;
        }
        return frame < 3;
    });
    EXPECT_EQ(LastLine(w->Memo1), QString::fromUtf16(u"\u2402a=00000\u2403"));
    // The sentence itself keeps its exact bytes.
    EXPECT_STREQ(SerialLine, "\x02"
                             "a=00000\x03");
}

TEST(GuiComms, KeepsTheLast2000LinesWithTheNewestInView) {
    auto w = OpenWindow();
    w->Memo1->clear();
    RunInstrument(*w, [&](uint64_t frame) {
        if (frame == 1) {
            Settings.SerialProtocol = 0;
            Settings.SerialOut = 1;
        }
        return frame < 2600;
    });
    EXPECT_EQ(w->Memo1->blockCount(), 2000);
    EXPECT_EQ(LastLine(w->Memo1), "#AL +00000T+25D1");
    QTest::qWait(20);
    const QScrollBar* bar = w->Memo1->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(w->Memo1->document()->lastBlock().text(), "#AL +00000T+25D1");
}

TEST(GuiComms, AppendingStaysCheapAsTheBoxFills) {
    auto w = OpenWindow();
    w->Memo1->clear();
    // Frame time with a line per frame, early (few lines) and late (box full).
    QElapsedTimer clock;
    qint64 early = 0, late = 0;
    RunInstrument(*w, [&](uint64_t frame) {
        if (frame == 1) {
            Settings.SerialProtocol = 4;
            Settings.SerialOut = 1;
        }
        if (frame == 100 || frame == 5100) clock.start();
        if (frame == 600) early = clock.nsecsElapsed();
        if (frame == 5600) late = clock.nsecsElapsed();
        return frame < 5600;
    });
    ASSERT_GT(early, 0);
    // Generous: a box that grows without bound gets slower steadily; a bounded one does not.
    EXPECT_LT(late, early * 3) << "early " << early / 500 << " ns/frame, late " << late / 500;
}

} // namespace
