// The simulator program itself, started as a user starts it and driven through the X server:
// it ends with exit code 0 however it is closed, also while the instrument runs.
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <iostream>
#include <unistd.h>

#include "x11_client.h"

namespace {

QString Xdotool(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    if (!tool.waitForFinished(15000))
        ADD_FAILURE() << "xdotool " << arguments.join(' ').toStdString();
    const QByteArray errors = tool.readAllStandardError();
    if (!errors.isEmpty()) std::cerr << "xdotool: " << errors.toStdString();
    return QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed();
}

struct Geometry {
    int X = 0, Y = 0, Width = 0, Height = 0;
};

Geometry WindowGeometry(const QString& window) {
    Geometry g;
    for (const QString& line : Xdotool({"getwindowgeometry", "--shell", window}).split('\n')) {
        const QStringList pair = line.split('=');
        if (pair.size() != 2) continue;
        const int value = pair[1].toInt();
        if (pair[0] == "X") g.X = value;
        if (pair[0] == "Y") g.Y = value;
        if (pair[0] == "WIDTH") g.Width = value;
        if (pair[0] == "HEIGHT") g.Height = value;
    }
    return g;
}

// Processor time the process has used, in clock ticks.
long CpuTicks(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = stat.readAll().split(')').last().trimmed().split(' ');
    return fields.value(11).toLong() + fields.value(12).toLong(); // utime, stime
}

class GuiProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        Simulator.setProgram(QStringLiteral(KDR7_SIMULATOR_PATH));
        Simulator.setProcessChannelMode(QProcess::ForwardedChannels);
        Simulator.start();
        ASSERT_TRUE(Simulator.waitForStarted(10000));
        QElapsedTimer waited;
        waited.start();
        while (Window.isEmpty() && waited.elapsed() < 15000) {
            Window =
                Xdotool({"search", "--onlyvisible", "--pid", QString::number(Simulator.processId()),
                         "--name", "^Tovek KDR-7 Simulator$"})
                    .split('\n')
                    .first();
            if (Window.isEmpty()) QTest::qWait(100);
        }
        ASSERT_FALSE(Window.isEmpty());
        Where = WindowGeometry(Window);
        MenuHeight = Where.Height - 329;
        ASSERT_GT(MenuHeight, 0) << "window " << Window.toStdString() << " "
                                 << Xdotool({"getwindowgeometry", Window}).toStdString();
    }

    void TearDown() override {
        if (Simulator.state() != QProcess::NotRunning) {
            Simulator.kill();
            Simulator.waitForFinished(5000);
        }
    }

    // A click at a point of the client area (below the menu bar).
    void ClickClient(int x, int y) { ClickScreen(Where.X + x, Where.Y + MenuHeight + y); }

    // The pointer comes from elsewhere, as a user's does: a window that appeared under a
    // resting pointer may not have seen it enter.
    void ClickScreen(int x, int y) {
        Xdotool({"mousemove", "0", "0"});
        QTest::qWait(50);
        Xdotool({"mousemove", QString::number(x), QString::number(y)});
        QTest::qWait(50);
        Xdotool({"click", "1"});
    }

    // True while the run loop spins: it never sleeps, so it keeps using the processor (shared
    // with the X server, which does the drawing), where the idle window uses next to none.
    bool Running() {
        const long before = CpuTicks(Simulator.processId());
        QTest::qWait(1000);
        const long used = CpuTicks(Simulator.processId()) - before;
        const bool busy = used >= sysconf(_SC_CLK_TCK) / 10;
        if (!busy) std::cerr << "processor time in one second: " << used << " ticks\n";
        return busy;
    }

    void ExpectCleanExit() {
        ASSERT_TRUE(Simulator.waitForFinished(10000)) << "still running";
        EXPECT_EQ(Simulator.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(Simulator.exitCode(), 0);
    }

    QProcess Simulator;
    QString Window;
    Geometry Where;
    int MenuHeight = 0;
};

TEST_F(GuiProgram, ClosingTheWindowWhileRunningExitsWithZero) {
    EXPECT_EQ(X11ClassHint(Window.toULong()).find("Ombrix") != std::string::npos, true)
        << X11ClassHint(Window.toULong());
    ClickClient(56 + 37, 272 + 12); // "On"
    ASSERT_TRUE(Running());
    AskX11WindowToClose(Window.toULong());
    ExpectCleanExit();
}

TEST_F(GuiProgram, FileExitWhileRunningExitsWithZero) {
    ClickClient(56 + 37, 272 + 12);
    ASSERT_TRUE(Running());
    ClickScreen(Where.X + 12, Where.Y + MenuHeight / 2); // "File"

    QTest::qWait(300);
    Xdotool({"key", "e"}); // "&Exit" in the open File menu
    ExpectCleanExit();
}

TEST_F(GuiProgram, ClosingTheWindowWhileOffExitsWithZero) {
    EXPECT_FALSE(Running());
    AskX11WindowToClose(Window.toULong());
    ExpectCleanExit();
}

} // namespace
