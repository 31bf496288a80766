// A whole flight through the real window, with the same inputs run through the headless
// driver: at every checkpoint the panel on the screen must show the driver's frame pixel for
// pixel.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "gui_support.h"
#include "instrument/airdata.h"
#include "instrument/home.h"
#include "instrument/settings.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"
#include "shell/core/run_loop.h"

namespace {

// One flight, as lines of the headless driver's script. The window replays them with clicks
// and scroll-bar moves; "check NAME" compares the panel with the driver's shot; "lamp red" and
// "lamp maroon" check the alarm lamp; "comms TEXT" the last Communications line; "wait N" lets
// N frames run. Sensor moves wait for the airspeed filter to settle; every bezel input waits
// for its screen to be drawn.
const char* const Flight = R"(
alt 12500
vsi 700
asi 1500
check home
asi 4096
lamp red
knob
lamp maroon
asi 0
lamp maroon
knob
-
-
knob
+
knob
knob
+
knob
check security_on
left
left
left
check home_after_menu
knob
check code_prompt
+
knob
+
+
knob
+
+
+
knob
+
+
+
+
knob
check main_menu
knob
-
knob
+
knob
check alt_setup_serial_on
comms #AL +00000T+25D1
left
+
knob
knob
+
knob
check vsi_setup
left
+
knob
+
knob
+
knob
check asi_setup
left
+
knob
knob
+
knob
+
knob
+
knob
check timer_setup
left
+
knob
knob
-
check backlight
left
left
left
check home_changed
off
on
defaults
check home_defaults
)";

constexpr int SettleFrames = 60; // the airspeed filter settles well within this
constexpr int BezelFrames = 3;   // handled in the first, the new screen drawn by the second

struct Line {
    std::string word, arg;
};

std::vector<Line> Parse(const char* text) {
    std::vector<Line> lines;
    std::string s(text);
    size_t pos = 0;
    while (pos < s.size()) {
        size_t end = s.find('\n', pos);
        if (end == std::string::npos) end = s.size();
        const std::string line = s.substr(pos, end - pos);
        pos = end + 1;
        if (line.empty()) continue;
        const size_t space = line.find(' ');
        lines.push_back(
            {line.substr(0, space), space == std::string::npos ? "" : line.substr(space + 1)});
    }
    return lines;
}

bool IsBezel(const std::string& w) {
    return w == "left" || w == "right" || w == "knob" || w == "+" || w == "-";
}

bool IsSensor(const std::string& w) {
    return w == "asi" || w == "alt" || w == "vsi";
}

// The same flight as a driver script, with a shot at every check.
std::string HeadlessScript(const std::vector<Line>& lines) {
    std::string script = "scale 1\non\n";
    for (const Line& l : lines) {
        if (IsBezel(l.word))
            script += l.word + "\nframes " + std::to_string(BezelFrames - 1) + "\n";
        else if (IsSensor(l.word))
            script += l.word + " " + l.arg + "\nframes " + std::to_string(SettleFrames) + "\n";
        else if (l.word == "check")
            script += "shot " + l.arg + ".png\n";
        else if (l.word == "off" || l.word == "on")
            script += l.word + "\nframes 2\n";
    }
    return script;
}

QImage RunHeadless(const std::string& script, const QString& dir, const std::string& name) {
    static bool ran = false;
    if (!ran) {
        QFile f(dir + "/flight.txt");
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(script.c_str());
        f.close();
        QProcess p;
        p.start(KDR7_HEADLESS_PATH, {dir + "/flight.txt", dir});
        EXPECT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        ran = true;
    }
    return QImage(dir + "/" + QString::fromStdString(name) + ".png")
        .convertToFormat(QImage::Format_RGB32);
}

// Device pixels of the panel that differ from the driver's frame (frame row r on panel row
// r + 1; the top row and the last column black).
int Mismatches(const QImage& screen, const QRect& panel, const QImage& frame, std::string& report) {
    const int scale = panel.width() / 161;
    int wrong = 0;
    for (int dy = 0; dy < panel.height(); ++dy)
        for (int dx = 0; dx < panel.width(); ++dx) {
            const int x = dx / scale, row = dy / scale;
            const QRgb expected =
                (row == 0 || x >= 160 ? qRgb(0, 0, 0) : frame.pixel(x, row - 1)) & 0xFFFFFF;
            const QRgb seen = screen.pixel(panel.x() + dx, panel.y() + dy) & 0xFFFFFF;
            if (seen != expected && ++wrong <= 3)
                report += "(" + std::to_string(x) + "," + std::to_string(row - 1) + ") seen " +
                          std::to_string(seen) + " expected " + std::to_string(expected) + "; ";
        }
    return wrong;
}

TEST(GuiFlight, WholeFlightInTheWindowMatchesTheHeadlessDriverFrameForFrame) {
    const std::vector<Line> lines = Parse(Flight);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string script = HeadlessScript(lines);

    // What power-on leaves alone starts as a freshly started program has it.
    HomePage = 0;
    MenuState = {};
    AirData.AsiFilterAcc = 0;
    auto w = OpenWindow();
    w->CheckBox1->setChecked(true);
    std::map<std::string, QImage> panels; // checkpoint -> screen grab
    size_t next = 0;
    int waitFrames = 0;
    uint64_t lastFrame = 0;
    bool poweredOff = false;

    // Runs lines until "off"; returns when the loop has ended.
    auto runUntilOff = [&]() {
        RunInstrument(*w, [&](uint64_t frame) {
            if (frame == lastFrame) return true; // no new frame since the last line
            lastFrame = frame;
            if (waitFrames > 0) {
                --waitFrames;
                return true;
            }
            if (next >= lines.size()) return false;
            const Line& l = lines[next++];
            if (l.word == "left")
                QTest::mouseClick(w->Image2, Qt::LeftButton);
            else if (l.word == "right")
                QTest::mouseClick(w->Image3, Qt::LeftButton);
            else if (l.word == "knob")
                QTest::mouseClick(w->Image8, Qt::LeftButton);
            else if (l.word == "+")
                QTest::mouseClick(w->Button3, Qt::LeftButton);
            else if (l.word == "-")
                QTest::mouseClick(w->Button4, Qt::LeftButton);
            else if (l.word == "asi")
                w->ScrollBar1->setValue(std::stoi(l.arg));
            else if (l.word == "alt")
                w->ScrollBar29->setValue(std::stoi(l.arg));
            else if (l.word == "vsi")
                w->ScrollBar2->setValue(std::stoi(l.arg));
            else if (l.word == "check") {
                panels[l.arg] = GrabScreen().copy(PanelOnScreen(*w));
            } else if (l.word == "lamp") {
                const uint32_t want = l.arg == "red" ? LampRed : LampMaroon;
                EXPECT_EQ(w->LampColour(), want) << "lamp before line " << next;
                const QImage shot = GrabScreen();
                const QPoint centre = w->Shape1->mapToGlobal(w->Shape1->rect().center());
                const qreal ratio = w->devicePixelRatioF();
                EXPECT_EQ(shot.pixel(qRound(centre.x() * ratio), qRound(centre.y() * ratio)) &
                              0xFFFFFF,
                          want)
                    << "lamp on the screen before line " << next;
            } else if (l.word == "comms") {
                const QStringList text = w->Memo1->toPlainText().split('\n');
                EXPECT_EQ(text.last().toStdString(), l.arg);
            } else if (l.word == "defaults") {
                EXPECT_EQ(Settings.SerialOut, 0);
                EXPECT_EQ(Settings.VsiDisplay, 1);
                EXPECT_EQ(Settings.AsiUnit, 0);
                EXPECT_EQ(Settings.TimerMode, 0);
                EXPECT_EQ(Settings.SecurityEnabled, 0);
                EXPECT_EQ(Settings.BacklightLevel, 100);
                EXPECT_EQ(CurrentScreen, HomeScreen);
            } else if (l.word == "off") {
                poweredOff = true;
                return false; // clicks "Off"
            }
            waitFrames = IsSensor(l.word) ? SettleFrames : BezelFrames;
            return true;
        });
    };

    runUntilOff();
    ASSERT_TRUE(poweredOff) << "stopped before the power cycle, at line " << next;
    EXPECT_FALSE(w->LoopRunning());
    const uint64_t framesAtOff = w->FramesShown();
    QTest::qWait(300);
    EXPECT_EQ(w->FramesShown(), framesAtOff) << "a frame was drawn after Off";
    ASSERT_EQ(lines[next].word, "on");
    ++next;
    lastFrame = 0;
    runUntilOff();
    EXPECT_EQ(next, lines.size());

    // The grabs stay in the working directory for a look after the run.
    QDir().mkpath("flight-checkpoints");
    for (const auto& [name, panel] : panels) {
        panel.save(QString("flight-checkpoints/%1.png").arg(QString::fromStdString(name)));
        const QImage frame = RunHeadless(script, dir.path(), name);
        ASSERT_FALSE(frame.isNull()) << name;
        std::string report;
        const QRect whole(0, 0, panel.width(), panel.height());
        EXPECT_EQ(Mismatches(panel, whole, frame, report), 0) << name << ": " << report;
    }
    w->close();
}

} // namespace
