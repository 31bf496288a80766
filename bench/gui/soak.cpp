// Soak run of the real window: the instrument on, SERIAL OUT on, the airspeed sweeping up and
// down, for a given time. Every few seconds prints the frame rate, the resident memory and the
// lines in the Communications box, so a leak or a slowdown shows as a trend.
//   kdr7soak [SECONDS [EVERY_SECONDS [no-serial] [no-sweep]]]
// (on an X server, e.g. tests/gui/run-under-xvfb); the options leave out one load to tell
// which one a trend comes from.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <unistd.h>

#include "instrument/settings.h"
#include "shell/main_window.h"

namespace {

double ResidentMiB() {
    long pages = 0, resident = 0;
    FILE* statm = fopen("/proc/self/statm", "r");
    if (!statm) return 0;
    if (fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    fclose(statm);
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Bytes the program holds on the heap: flat while RSS grows means the allocator keeps freed
// memory; growing means something keeps allocating.
double HeapInUseMiB() {
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ombrix"));
    int seconds = argc > 1 ? atoi(argv[1]) : 60;
    const int every = argc > 2 ? atoi(argv[2]) : 5;
    bool serial = true, sweeping = true;
    for (int i = 3; i < argc; ++i) {
        if (strcmp(argv[i], "no-serial") == 0)
            serial = false;
        else if (strcmp(argv[i], "no-sweep") == 0)
            sweeping = false;
        else
            seconds = 0;
    }
    if (seconds <= 0 || every <= 0) {
        fprintf(stderr, "usage: kdr7soak [SECONDS [EVERY_SECONDS [no-serial] [no-sweep]]]\n");
        return 2;
    }

    TfrmMain window;
    window.show();

    QElapsedTimer clock;
    uint64_t framesBefore = 0;
    qint64 sampledAt = 0;
    double firstMiB = 0, peakMiB = 0, lastMiB = 0;
    double fpsLow = 1e12, fpsHigh = 0;

    // Airspeed: a triangle sweep over the whole range, as a pilot might drag the scroll bar.
    int step = 16;
    QTimer sweep;
    sweep.setInterval(20);
    QObject::connect(&sweep, &QTimer::timeout, [&]() {
        QScrollBar* asi = window.ScrollBar1;
        if (asi->value() + step > asi->maximum() || asi->value() + step < asi->minimum())
            step = -step;
        asi->setValue(asi->value() + step);
    });

    QTimer sample;
    sample.setInterval(every * 1000);
    QObject::connect(&sample, &QTimer::timeout, [&]() {
        const qint64 now = clock.elapsed();
        const uint64_t frames = window.FramesShown();
        const double fps = double(frames - framesBefore) * 1000.0 / double(now - sampledAt);
        lastMiB = ResidentMiB();
        peakMiB = qMax(peakMiB, lastMiB);
        fpsLow = qMin(fpsLow, fps);
        fpsHigh = qMax(fpsHigh, fps);
        printf("%8.1f %12llu %10.0f %10.1f %10.2f %8d\n", now / 1000.0, (unsigned long long)frames,
               fps, lastMiB, HeapInUseMiB(), window.Memo1->blockCount());
        fflush(stdout);
        framesBefore = frames;
        sampledAt = now;
        // Every format in turn, so all six sentence kinds go through the box.
        Settings.SerialProtocol = uint8_t((Settings.SerialProtocol + 1) % 6);
        if (now >= qint64(seconds) * 1000) window.Exit1->trigger();
    });

    QTimer::singleShot(0, [&]() {
        printf("%8s %12s %10s %10s %10s %8s\n", "time s", "frames", "fps", "rss MiB", "heap MiB",
               "lines");
        firstMiB = ResidentMiB();
        clock.start();
        if (sweeping) sweep.start();
        sample.start();
        // Power-on loads the defaults; SERIAL OUT goes on in the first frame's messages.
        QTimer::singleShot(0, [&]() { Settings.SerialOut = serial ? 1 : 0; });
        window.Button1->click(); // returns when File > Exit ends the run
    });
    QApplication::exec();
    printf("frames per second %.0f to %.0f; resident memory %.1f MiB at start, %.1f at the end, "
           "%.1f at most\n",
           fpsLow, fpsHigh, firstMiB, lastMiB, peakMiB);
    return 0;
}
