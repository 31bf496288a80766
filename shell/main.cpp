// Program entry: the application, its one window, and the message loop.
#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "shell/main_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ombrix"));
    QApplication::setDesktopFileName(QStringLiteral("kdr7-simulator"));
    try {
        TfrmMain window;
        frmMain = &window;
        window.show();
        QApplication::exec();
        frmMain = nullptr;
    } catch (const std::exception& error) {
        frmMain = nullptr;
        QMessageBox::critical(nullptr, QApplication::applicationName(),
                              QString::fromLocal8Bit(error.what()));
    }
    return 0;
}
