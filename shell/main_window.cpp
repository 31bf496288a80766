#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>
#ifdef KDR7_HAVE_QT_SVG
#include <QSvgRenderer>
#endif

#include "instrument/airdata.h"
#include "menus/screen_machine.h"
#include "shell/bezel_input.h"
#include "shell/comms_text.h"
#include "shell/core/run_loop.h"

namespace {

constexpr int ClientWidth = 503;
constexpr int ClientHeight = 329;
constexpr int FaceWidth = 241;
constexpr int FaceHeight = 249;
constexpr int CommsLinesKept = 2000; // a line a frame: the box keeps only the recent past

// The form's font stood in for by a sans face of the same pixel height.
QFont FormFont(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// The instrument face, drawn for the screen's pixel density so it stays sharp when scaled.
QPixmap FacePixmap(qreal ratio) {
    const QSize size = QSize(FaceWidth, FaceHeight) * ratio;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
#ifdef KDR7_HAVE_QT_SVG
    QSvgRenderer face(QStringLiteral(":/kdr7/face.svg"));
    QPainter painter(&image);
    face.render(&painter, QRectF(0, 0, size.width(), size.height()));
    painter.end();
#else
    image = QImage(QStringLiteral(":/kdr7/face.png"))
                .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
#endif
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(image);
}

QLabel* MakeLabel(const QString& caption, QWidget* parent, int left, int top, int width) {
    auto* label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Labels size themselves to their text; the stand-in font may need a pixel or two more
    // than the form's own.
    label->setGeometry(left, top, qMax(width, label->sizeHint().width()), 13);
    return label;
}

QPushButton* MakeButton(const QString& caption, QWidget* parent, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QScrollBar* MakeScrollBar(QWidget* parent, int top, int minimum, int maximum) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setGeometry(352, top, 137, 17);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(0);
    return bar;
}

QWidget* MakeClickArea(QWidget* parent, QRect geometry, const QString& tip) {
    auto* area = new QWidget(parent);
    area->setGeometry(geometry);
    area->setCursor(Qt::PointingHandCursor);
    area->setToolTip(tip);
    return area;
}

} // namespace

TfrmMain* frmMain = nullptr;

// The pictures live in the window's library; a static library needs its resources registered.
static void RegisterShellResources() {
    static bool registered = false;
    if (registered) return;
    Q_INIT_RESOURCE(shell);
    registered = true;
}

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
    RegisterShellResources();
    setWindowTitle(QStringLiteral("Tovek KDR-7 Simulator"));
    // A fixed dialog-like window: close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/kdr7/kdr7-simulator.svg")));
    setFont(FormFont(11, false));

    CreateControls();
    SetTabOrder();

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);

    FormCreate();
    Timer1->start();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    CentreOnScreen();
    // One filter for the whole window: the bezel keys wherever the focus is, the click areas,
    // the knob's wheel, the lamp's painting and the display's exposure.
    qApp->installEventFilter(this);
}

TfrmMain::~TfrmMain() {
    qApp->removeEventFilter(this);
    Timer1->stop();
    FormDestroy();
}

void TfrmMain::CreateControls() {
    Client = new QWidget(this);
    Client->setFixedSize(ClientWidth, ClientHeight);
    Client->setAutoFillBackground(true);
    QPalette face = Client->palette();
    face.setColor(QPalette::Window, QColor(240, 240, 240));
    Client->setPalette(face);
    setCentralWidget(Client);

    MainMenu1 = menuBar();
    File1 = MainMenu1->addMenu(QStringLiteral("&File"));
    Exit1 = File1->addAction(QStringLiteral("&Exit"));
    connect(Exit1, &QAction::triggered, this, &TfrmMain::Exit1Click);
    PopupMenu1 = new QMenu(this);

    Image1 = new QLabel(Client);
    Image1->setGeometry(0, 0, FaceWidth, FaceHeight);
    Image1->setPixmap(FacePixmap(devicePixelRatioF()));

    Image2 = MakeClickArea(Client, QRect(52, 192, 33, 33), tr("Left key (F1)"));
    Image3 = MakeClickArea(Client, QRect(154, 192, 33, 33), tr("Right key (F2)"));
    Image8 = MakeClickArea(Client, QRect(100, 196, 41, 41),
                           tr("Knob: click, Enter or Space to press; wheel, + or - to turn"));

    Label55 = MakeLabel(QStringLiteral("Altitude:"), Client, 256, 8, 38);
    Label57 = MakeLabel(QStringLiteral("0"), Client, 304, 8, 6);
    Label3 = MakeLabel(QStringLiteral("VSI:"), Client, 256, 32, 20);
    Label1 = MakeLabel(QStringLiteral("ASI:"), Client, 256, 56, 20);
    Label2 = MakeLabel(QStringLiteral("0"), Client, 304, 56, 6);

    Shape1 = new QWidget(Client);
    Shape1->setGeometry(8, 248, 33, 65);

    StatusBar1 = new QStatusBar(Client);
    StatusBar1->setGeometry(0, 310, 503, 19);
    StatusBar1->setSizeGripEnabled(false);

    Button1 = MakeButton(QStringLiteral("&On"), Client, QRect(56, 272, 75, 25));
    Button2 = MakeButton(QStringLiteral("&Off"), Client, QRect(152, 272, 75, 25));
    Button3 = MakeButton(QStringLiteral("+"), Client, QRect(64, 232, 33, 25));
    Button4 = MakeButton(QStringLiteral("-"), Client, QRect(144, 232, 33, 25));
    Button3->setFont(FormFont(16, true));
    Button4->setFont(FormFont(16, true));
    connect(Button1, &QPushButton::clicked, this, &TfrmMain::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TfrmMain::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TfrmMain::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TfrmMain::Button4Click);

    Panel1 = new QWidget(Client);
    Panel1->setGeometry(40, 57, 161, 121);
    Panel1->setAutoFillBackground(true);
    QPalette black = Panel1->palette();
    black.setColor(QPalette::Window, Qt::black);
    Panel1->setPalette(black);
    PanelSurface = new QWindow;
    PanelSurface->setSurfaceType(QSurface::OpenGLSurface);
    // Clicks on the display belong to the window around it, as on the panel they replace.
    PanelSurface->setFlag(Qt::WindowTransparentForInput);
    PanelContainer = QWidget::createWindowContainer(PanelSurface, Panel1);
    PanelContainer->setGeometry(0, 0, 161, 121);
    PanelContainer->setFocusPolicy(Qt::NoFocus);

    Button5 = MakeButton(QStringLiteral("Color Table"), Client, QRect(152, 8, 75, 25));
    Button5->setVisible(false);
    connect(Button5, &QPushButton::clicked, this, &TfrmMain::Button5Click);

    ScrollBar29 = MakeScrollBar(Client, 8, 0, 65535);
    connect(ScrollBar29, &QScrollBar::valueChanged, this, &TfrmMain::ScrollBar29Change);

    GroupBox1 = new QGroupBox(QStringLiteral(" Communications: "), Client);
    GroupBox1->setGeometry(248, 120, 249, 185);
    Memo1 = new QPlainTextEdit(GroupBox1);
    Memo1->setGeometry(2, 15, 245, 168);
    Memo1->setMaximumBlockCount(CommsLinesKept);

    ScrollBar2 = MakeScrollBar(Client, 32, -6000, 6000);
    connect(ScrollBar2, &QScrollBar::valueChanged, this, &TfrmMain::ScrollBar2Change);

    CheckBox1 = new QCheckBox(QStringLiteral("Altitude Sensor"), Client);
    CheckBox1->setGeometry(256, 88, 97, 17);
    CheckBox1->setChecked(true);

    ScrollBar1 = MakeScrollBar(Client, 56, 0, 4096);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TfrmMain::ScrollBar1Change);

    CheckBox2 = new QCheckBox(QStringLiteral("Calibrate"), Client);
    CheckBox2->setGeometry(376, 88, 97, 17);
}

void TfrmMain::SetTabOrder() {
    QWidget* const order[] = {Button1, Button2,    Button3,   Button4,    ScrollBar29,
                              Memo1,   ScrollBar2, CheckBox1, ScrollBar1, CheckBox2};
    for (size_t i = 0; i + 1 < sizeof(order) / sizeof(order[0]); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
    for (QScrollBar* bar : {ScrollBar29, ScrollBar2, ScrollBar1})
        bar->setFocusPolicy(Qt::StrongFocus);
}

void TfrmMain::CentreOnScreen() {
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!where) return;
    QRect frame = frameGeometry();
    frame.moveCenter(where->availableGeometry().center());
    move(frame.topLeft());
}

// Bezel: each handler latches its event only while none is pending.
void TfrmMain::Image2Click() {
    LatchEvent(EvLeftKey);
}
void TfrmMain::Image3Click() {
    LatchEvent(EvRightKey);
}
void TfrmMain::Image8Click() {
    LatchEvent(EvKnobPress);
}
void TfrmMain::Button3Click() {
    LatchEvent(EvKnobUp);
}
void TfrmMain::Button4Click() {
    LatchEvent(EvKnobDown);
}
void TfrmMain::Button5Click() {}

void TfrmMain::ShowValue(QLabel* label, int value) {
    label->setText(QString::number(value));
    label->resize(label->sizeHint().width(), label->height());
}

void TfrmMain::ScrollBar29Change() {
    const int position = ScrollBar29->value();
    ShowValue(Label57, position);
    AirData.Altitude = int32_t(position);
}

void TfrmMain::ScrollBar2Change() {
    const int position = ScrollBar2->value();
    ShowValue(Label3, position);
    AirData.VerticalSpeed = int16_t(position);
}

void TfrmMain::ScrollBar1Change() {
    const int position = ScrollBar1->value();
    ShowValue(Label2, position);
    AirData.AsiRaw = uint16_t(position);
}

void TfrmMain::Button1Click() {
    PowerOnSequence();
    // Clicked while running, the loop already on the stack simply goes on from the fresh
    // state: restarting in place keeps the stack flat however often "On" is pressed.
    if (RunLoopActive) return;
    RunLoop();
}

void TfrmMain::RunLoop() {
    RunLoopActive = true;
    ++LoopEntries;
    const FrameHooks hooks = {this, HookSetLamp, HookAltitudeSensor, HookAddSerialLine};
    while (PowerOffRequest == 0) {
        volatile char mark = 0;
        StackMark = reinterpret_cast<uintptr_t>(&mark);
        RunFrameSteps(hooks);
        PresentFrame();
        SwapFrame();
        ++FrameCount;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    RunLoopActive = false;
}

void TfrmMain::Button2Click() {
    PowerOffRequest = 1;
}

void TfrmMain::Exit1Click() {
    PowerOffRequest = 1;
    QCoreApplication::quit();
}

void TfrmMain::FormClose() {
    PowerOffRequest = 1;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TfrmMain::Timer1Timer() {
    TimerTick();
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TfrmMain::SetLamp(uint32_t rgb) {
    if (rgb == LampRgb) return;
    LampRgb = rgb;
    Shape1->update();
}

void TfrmMain::PaintLamp() {
    QPainter painter(Shape1);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor::fromRgb(QRgb(LampRgb)));
    // A circle as wide as the box, centred in its height.
    const int diameter = qMin(Shape1->width(), Shape1->height());
    const qreal left = (Shape1->width() - diameter) / 2.0;
    const qreal top = (Shape1->height() - diameter) / 2.0;
    painter.drawEllipse(QRectF(left + 0.5, top + 0.5, diameter - 1, diameter - 1));
}

void TfrmMain::AddCommsLine(const char* line) {
    Memo1->appendPlainText(CommsDisplayText(line));
    QScrollBar* bar = Memo1->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void TfrmMain::HookSetLamp(void* context, uint32_t rgb) {
    static_cast<TfrmMain*>(context)->SetLamp(rgb);
}

uint8_t TfrmMain::HookAltitudeSensor(void* context) {
    return static_cast<TfrmMain*>(context)->CheckBox1->isChecked() ? 1 : 0;
}

void TfrmMain::HookAddSerialLine(void* context, const char* line) {
    static_cast<TfrmMain*>(context)->AddCommsLine(line);
}

bool TfrmMain::HandleClickArea(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) PressedArea = watched;
        return true;
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return true;
        const bool inside =
            static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
        const bool clicked = PressedArea == watched && inside;
        PressedArea = nullptr;
        if (!clicked) return true;
        if (watched == Image2) Image2Click();
        if (watched == Image3) Image3Click();
        if (watched == Image8) Image8Click();
        return true;
    }
    case QEvent::Wheel: {
        if (watched != Image8) return false;
        const int notches =
            WheelNotches(static_cast<QWheelEvent*>(event)->angleDelta().y(), WheelRemainder);
        for (int i = 0; i < qAbs(notches); ++i) LatchEvent(notches > 0 ? EvKnobUp : EvKnobDown);
        return true;
    }
    default:
        return false;
    }
}

bool TfrmMain::HandleBezelKey(QObject* watched, QEvent* event) {
    if (watched != PanelSurface) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != this) return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const InputEvent bezel =
        BezelEventForKey(key->key(), key->modifiers(), key->isAutoRepeat(), Memo1->hasFocus());
    if (bezel == EvNone) return false;
    LatchEvent(bezel);
    return true;
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return HandleBezelKey(watched, event);
    case QEvent::Paint:
        if (watched != Shape1) return false;
        PaintLamp();
        return true;
    case QEvent::Expose:
        if (watched == PanelSurface) FormPaint();
        return false;
    default:
        break;
    }
    if (watched == Image2 || watched == Image3 || watched == Image8)
        return HandleClickArea(watched, event);
    return false;
}
