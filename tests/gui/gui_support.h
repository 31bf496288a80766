// Driving the simulator's window from a test: open it, run the instrument frame by frame,
// catch its message boxes, look at the screen.
#pragma once
#include <QImage>
#include <QObject>
#include <QRect>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

#include "shell/main_window.h"

// A new window, shown and exposed, with the instrument at power-on state and the sensor
// inputs at zero.
std::unique_ptr<TfrmMain> OpenWindow();

// Clicks "On". From then on step() runs in every frame's message processing, with the number
// of frames presented since "On"; when it returns false, "Off" is clicked. Returns when the
// run loop has ended (also if the window was closed or "Off" came another way).
void RunInstrument(TfrmMain& window, const std::function<bool(uint64_t frame)>& step);

// The whole X screen as it is now, in device pixels.
QImage GrabScreen();

// The display panel on the screen, in device pixels.
QRect PanelOnScreen(const TfrmMain& window);

// Closes every message box that appears with its OK button, remembering its text.
class MessageBoxCatcher : public QObject {
  public:
    MessageBoxCatcher();
    QStringList Texts;
    QList<int> ButtonCounts;

  private:
    void Poll();
    QTimer Timer;
};
