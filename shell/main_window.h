// The simulator's one window: the instrument face with its display, the bezel, the sensor
// controls, the alarm lamp and the Communications box, and the run loop that powers it.
#pragma once
#include <QMainWindow>
#include <cstdint>

class QAction;
class QCheckBox;
class QCloseEvent;
class QEvent;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QOpenGLContext;
class QPlainTextEdit;
class QPushButton;
class QResizeEvent;
class QScrollBar;
class QStatusBar;
class QTimer;
class QWidget;
class QWindow;

class TfrmMain : public QMainWindow {
    Q_OBJECT

  public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The controls, named as on the form.
    QWidget* Client; // the client area below the menu bar, 503 x 329
    QLabel* Image1;  // the instrument face
    QWidget* Image2; // click area over the left key cap
    QWidget* Image3; // click area over the right key cap
    QWidget* Image8; // click area over the knob
    QLabel* Label55;
    QLabel* Label57;
    QLabel* Label3;
    QLabel* Label1;
    QLabel* Label2;
    QWidget* Shape1; // the alarm lamp
    QStatusBar* StatusBar1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QWidget* Panel1; // the display surface
    QPushButton* Button5;
    QScrollBar* ScrollBar29;
    QGroupBox* GroupBox1;
    QPlainTextEdit* Memo1;
    QScrollBar* ScrollBar2;
    QCheckBox* CheckBox1;
    QScrollBar* ScrollBar1;
    QCheckBox* CheckBox2;
    QMenuBar* MainMenu1;
    QMenu* File1;
    QAction* Exit1;
    QTimer* Timer1;
    QMenu* PopupMenu1; // no items, attached to nothing

    // The display: a native child window with its own OpenGL context.
    QWindow* PanelSurface;
    QWidget* PanelContainer; // holds PanelSurface inside Panel1
    QOpenGLContext* RenderContext;

    uint32_t LampColour() const { return LampRgb; }
    bool LoopRunning() const { return RunLoopActive; }
    // Frames presented and swapped by the run loop since the window was created.
    uint64_t FramesShown() const { return FrameCount; }
    // Where the stack stood in the run loop's last frame: flat however often "On" is clicked.
    uintptr_t LoopStackMark() const { return StackMark; }
    // How often a run loop was entered since the window was created.
    uint32_t LoopsEntered() const { return LoopEntries; }

    // Presentation of the frame buffer, also used by the presentation benchmark.
    void PresentFrame();
    void SwapFrame();

  public slots:
    void Image2Click();
    void Image3Click();
    void Image8Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void ScrollBar29Change();
    void ScrollBar2Change();
    void ScrollBar1Change();
    void Exit1Click();
    void Timer1Timer();

    void FormCreate();
    void FormResize();
    void FormPaint();
    void FormDestroy();
    void FormClose();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void CreateControls();
    void SetTabOrder();
    void CentreOnScreen();
    void RunLoop();
    void DrawFrameTexture();
    void ClearPanelOnce();
    void ShowValue(QLabel* label, int value);
    void AddCommsLine(const char* line);
    void SetLamp(uint32_t rgb);
    bool HandleBezelKey(QObject* watched, QEvent* event);
    bool HandleClickArea(QObject* watched, QEvent* event);
    void PaintLamp();

    static void HookSetLamp(void* context, uint32_t rgb);
    static uint8_t HookAltitudeSensor(void* context);
    static void HookAddSerialLine(void* context, const char* line);

    bool ContextReady = false; // a context exists and is current: GL calls have an effect
    bool PanelEverSwapped = false;
    unsigned Texture = 0;
    qreal ProjectionRatio = 0; // device pixel ratio the viewport was set for

    bool RunLoopActive = false;
    uint64_t FrameCount = 0;
    uintptr_t StackMark = 0;
    uint32_t LoopEntries = 0;
    uint32_t LampRgb = 0x800000;
    QObject* PressedArea = nullptr;
    int WheelRemainder = 0;
};

extern TfrmMain* frmMain;
