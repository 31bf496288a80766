// The display panel: an OpenGL context on a native child window, the frame buffer drawn into
// it in palette colours, and the start-up messages when OpenGL cannot be had.
#include <QCoreApplication>
#include <QMessageBox>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QWindow>
#include <GL/gl.h>
#include <GL/glu.h>
#include <cmath>

#include "graphics/framebuffer.h"
#include "menus/screen_machine.h"
#include "menus/screens.h"
#include "shell/frame_rgb.h"
#include "shell/main_window.h"

namespace {

void ShowMessage(const QString& text) {
    QMessageBox box;
    box.setWindowTitle(QCoreApplication::applicationName());
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

// Lets the tests see the two start-up failures on a machine where OpenGL works:
// KDR7_FAIL_GL=create or KDR7_FAIL_GL=makecurrent.
bool FailureForced(const char* step) {
    return qgetenv("KDR7_FAIL_GL") == step;
}

QSurfaceFormat PanelFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(24);
    format.setSwapInterval(1);
    return format;
}

} // namespace

void TfrmMain::FormCreate() {
    PanelSurface->setFormat(PanelFormat());
    PanelSurface->create();
    RenderContext = new QOpenGLContext(this);
    RenderContext->setFormat(PanelFormat());

    const bool created = !FailureForced("create") && RenderContext->create();
    if (!created) ShowMessage(QStringLiteral("Creating Rendering Context failed."));
    // Activating no context at all only leaves none current, which cannot fail: without a
    // context the only message is the first one.
    const bool current =
        !created || (!FailureForced("makecurrent") && RenderContext->makeCurrent(PanelSurface));
    if (!current) ShowMessage(QStringLiteral("MakeCurrent of rendering context failed."));

    // Without a current context every drawing call would have no effect: skip them all and
    // let the panel show its own black.
    ContextReady = created && current;
    if (!ContextReady) PanelContainer->hide();
    if (ContextReady) {
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    CurrentScreen = HomeScreen;
}

// The viewport starts one panel pixel below the panel's lower edge and the projection runs
// from -1 at the top to the panel height at the bottom.
void TfrmMain::FormResize() {
    if (!ContextReady) return;
    if (QOpenGLContext::currentContext() != RenderContext) RenderContext->makeCurrent(PanelSurface);
    const qreal ratio = PanelSurface->devicePixelRatio();
    const int width = Panel1->width();
    const int height = Panel1->height();
    glViewport(0, -int(std::lround(ratio)), int(std::lround(width * ratio)),
               int(std::lround(height * ratio)));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0.0, width, height, -1.0);
    glMatrixMode(GL_MODELVIEW);
    ProjectionRatio = ratio;
}

// The frame as one texture on a quad, placed so that frame row r fills panel row r + 1 and
// column c panel column c: the panel's top row and its last column stay black. Nearest
// sampling keeps every pixel its exact palette colour, at any pixel density.
void TfrmMain::DrawFrameTexture() {
    static uint32_t pixels[ScreenWidth * ScreenHeight];
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    ExpandFrameToArgb(FrameBuffer, pixels);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    if (Texture == 0) {
        GLuint name = 0;
        glGenTextures(1, &name);
        Texture = name;
        glBindTexture(GL_TEXTURE_2D, Texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, ScreenWidth, ScreenHeight, 0, GL_BGRA,
                     GL_UNSIGNED_INT_8_8_8_8_REV, pixels);
    } else {
        glBindTexture(GL_TEXTURE_2D, Texture);
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, ScreenWidth, ScreenHeight, GL_BGRA,
                        GL_UNSIGNED_INT_8_8_8_8_REV, pixels);
    }
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_TEXTURE_2D);

    // The projection squeezes height + 1 units into height pixels; these are the units of the
    // frame's top edge (one pixel below the panel's top) and of the panel's bottom edge.
    const double height = Panel1->height();
    const double top = -1.0;
    const double bottom = height - (height + 1.0) * (height - ScreenHeight) / height;
    glBegin(GL_QUADS);
    glTexCoord2f(0.f, 0.f);
    glVertex2d(0.0, top);
    glTexCoord2f(1.f, 0.f);
    glVertex2d(ScreenWidth, top);
    glTexCoord2f(1.f, 1.f);
    glVertex2d(ScreenWidth, bottom);
    glTexCoord2f(0.f, 1.f);
    glVertex2d(0.0, bottom);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void TfrmMain::PresentFrame() {
    if (!ContextReady) return;
    if (QOpenGLContext::currentContext() != RenderContext) RenderContext->makeCurrent(PanelSurface);
    if (PanelSurface->devicePixelRatio() != ProjectionRatio) FormResize();
    DrawFrameTexture();
    glFlush();
}

void TfrmMain::SwapFrame() {
    if (!ContextReady || !PanelSurface->isExposed()) return;
    RenderContext->swapBuffers(PanelSurface);
    PanelEverSwapped = true;
}

// Until the first frame the panel shows its own black.
void TfrmMain::ClearPanelOnce() {
    if (QOpenGLContext::currentContext() != RenderContext) RenderContext->makeCurrent(PanelSurface);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SwapFrame();
}

// A repaint renders into the back buffer only: what shows changes at the run loop's next swap.
void TfrmMain::FormPaint() {
    if (!ContextReady || !PanelSurface->isExposed()) return;
    if (!PanelEverSwapped) {
        ClearPanelOnce();
        return;
    }
    PresentFrame();
}

void TfrmMain::FormDestroy() {
    if (!RenderContext) return;
    if (ContextReady && RenderContext->makeCurrent(PanelSurface) && Texture != 0) {
        const GLuint name = Texture;
        glDeleteTextures(1, &name);
        Texture = 0;
    }
    RenderContext->doneCurrent();
    delete RenderContext;
    RenderContext = nullptr;
    ContextReady = false;
}
