#include "gui_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

#include "instrument/airdata.h"
#include "menus/screen_machine.h"
#include "shell/core/run_loop.h"

std::unique_ptr<TfrmMain> OpenWindow() {
    PowerOnSequence();
    AirData.Altitude = 0;
    AirData.VerticalSpeed = 0;
    AirData.AsiRaw = 0;
    auto window = std::make_unique<TfrmMain>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) return window;
    if (window->PanelContainer->isVisible())
        (void)QTest::qWaitFor([&]() { return window->PanelSurface->isExposed(); }, 2000);
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window.get(), 2000);
    QTest::qWait(20);
    return window;
}

void RunInstrument(TfrmMain& window, const std::function<bool(uint64_t)>& step) {
    const uint64_t first = window.FramesShown();
    bool stopped = false;
    QElapsedTimer clock;
    clock.start();
    QTimer stepper;
    stepper.setInterval(0);
    QObject::connect(&stepper, &QTimer::timeout, [&]() {
        if (stopped || !window.LoopRunning()) return;
        const bool goOn = step(window.FramesShown() - first) && clock.elapsed() < 60000;
        if (goOn) return;
        stopped = true;
        if (window.LoopRunning()) QTest::mouseClick(window.Button2, Qt::LeftButton);
    });
    stepper.start();
    QTest::mouseClick(window.Button1, Qt::LeftButton);
    stepper.stop();
}

QImage GrabScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    QCoreApplication::processEvents();
    return screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

QRect PanelOnScreen(const TfrmMain& window) {
    const qreal ratio = window.PanelSurface->devicePixelRatio();
    const QPoint topLeft = window.Panel1->mapToGlobal(QPoint(0, 0));
    return QRect(QPoint(qRound(topLeft.x() * ratio), qRound(topLeft.y() * ratio)),
                 window.Panel1->size() * ratio);
}

MessageBoxCatcher::MessageBoxCatcher() {
    Timer.setInterval(20);
    connect(&Timer, &QTimer::timeout, this, &MessageBoxCatcher::Poll);
    Timer.start();
}

void MessageBoxCatcher::Poll() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (!box || !box->isVisible()) continue;
        Texts << box->text();
        ButtonCounts << int(box->buttons().size());
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    }
}
